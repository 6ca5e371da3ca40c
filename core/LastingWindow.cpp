#include "core/LastingWindow.h"

#include <utility>
#include <vector>

namespace kv {

namespace {

std::vector<std::function<void()>>& removals() {
    static std::vector<std::function<void()>> list;
    return list;
}

}  // namespace

void keepUntilExit(std::function<void()> remove) { removals().push_back(std::move(remove)); }

void deleteLastingWindows() {
    // A window's destructor may make another lasting window's deletion due.
    while (!removals().empty()) {
        std::function<void()> remove = std::move(removals().back());
        removals().pop_back();
        remove();
    }
}

}  // namespace kv
