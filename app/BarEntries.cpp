#include "app/BarEntries.h"

#include <QWidget>

#include "app/Form1.h"
#include "app/ToolBarEntries.h"

namespace {

using kv::BarMenuPart;

// The bar's own entries run its handlers: the pictures, the programs started
// beside it, About and the exit.
template <void (TForm1::*handler)()>
void onBar(QWidget* bar) {
    if (auto* form = qobject_cast<TForm1*>(bar)) (form->*handler)();
}

std::vector<kv::BarEntry> ownEntries() {
    return {
        {.button = {"SpeedButton16", 91, 4, "Clothing size", "clothing"},
         .menu = {"Clothingsizes1", "Clothing sizes", BarMenuPart::Tools, 30},
         .open = onBar<&TForm1::SpeedButton16Click>},
        {.button = {"SpeedButton7", 226, 4, "Geometric formulas", "geometry"},
         .menu = {"geometricformulas1", "Geometric formulas", BarMenuPart::Tools, 120},
         .open = onBar<&TForm1::SpeedButton7Click>},
        {.menu = {"Resis1", "Specific resistance ", BarMenuPart::Miscellaneous, 10},
         .open = onBar<&TForm1::Resis1Click>},
        {.button = {"SpeedButton3", 199, 32, "Calculator", "calculator"},
         .menu = {"Calculator1", "Calculator ", BarMenuPart::Programs, 10, "Calculator"},
         .open = onBar<&TForm1::SpeedButton3Click>},
        {.button = {"SpeedButton4", 226, 32, "About", "about"}, .open = onBar<&TForm1::SpeedButton4Click>},
        {.button = {"SpeedButton1", 282, 32, "exit", "exit"}, .open = onBar<&TForm1::SpeedButton1Click>},
    };
}

}  // namespace

const std::vector<kv::BarEntry>& barEntries() {
    static const std::vector<kv::BarEntry> all = [] {
        std::vector<kv::BarEntry> entries = ownEntries();
        // Every tool's entries (KV_TOOLS in the root CMakeLists.txt). The
        // bar orders them by their places and ranks, not by this list.
        using ToolEntries = const std::vector<kv::BarEntry>& (*)();
        for (ToolEntries tool : {KV_TOOL_BAR_ENTRIES})
            entries.insert(entries.end(), tool().begin(), tool().end());
        return entries;
    }();
    return all;
}
