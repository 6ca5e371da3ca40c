#include "tools/calc/BarEntries.h"

#include "tools/calc/Unit9.h"

namespace calc {

using kv::BarMenuPart;

const std::vector<kv::BarEntry>& barEntries() {
    static const std::vector<kv::BarEntry> entries = {
        // A fresh graph at each opening: no function or plot is left from before.
        {.button = {"SpeedButton12", 63, 32, "Graph functions", "graph"},
         .menu = {"Drawinggraph1", "Drawing graph", BarMenuPart::Tools, 40},
         .open = kv::showFreshWindow<TForm9>},
    };
    return entries;
}

}  // namespace calc
