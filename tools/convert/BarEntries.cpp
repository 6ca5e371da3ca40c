#include "tools/convert/BarEntries.h"

#include "core/LastingWindow.h"
#include "tools/convert/Find.h"
#include "tools/convert/Meas.h"

namespace convert {

using kv::BarMenuPart;

const std::vector<kv::BarEntry>& barEntries() {
    static const std::vector<kv::BarEntry> entries = {
        {.button = {"SpeedButton2", 35, 4, "Measure units", "converter"},
         .menu = {"Converter1", "Converter ", BarMenuPart::Tools, 20, "Hot key Alt+F11"},
         .open = [](QWidget*) { kv::lastingWindow(MeasForm).exec(); }},
        // The finder stands apart from the bar: it is also the hot keys' to open.
        {.menu = {"Findmeasure1", "Find measure ", BarMenuPart::Programs, 20},
         .open =
             [](QWidget*) {
                 TFindForm finder;
                 finder.exec();
             }},
    };
    return entries;
}

}  // namespace convert
