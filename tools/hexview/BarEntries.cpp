#include "tools/hexview/BarEntries.h"

#include "core/LastingWindow.h"
#include "tools/hexview/HexForm.h"

namespace hexview {

const std::vector<kv::BarEntry>& barEntries() {
    static const std::vector<kv::BarEntry> entries = {
        {.button = {"SpeedButton21", 145, 32, "Hex View", "hex"},
         .open = [](QWidget*) { kv::lastingWindow(HexForm).exec(); }},
    };
    return entries;
}

}  // namespace hexview
