#include "tools/reference/BarEntries.h"

#include "core/LastingWindow.h"
#include "tools/reference/Map_k.h"
#include "tools/reference/Phis.h"
#include "tools/reference/RefTablesForm.h"
#include "tools/reference/Steel.h"
#include "tools/reference/Tabl.h"

namespace reference {

using kv::BarMenuPart;

const std::vector<kv::BarEntry>& barEntries() {
    static const std::vector<kv::BarEntry> entries = {
        {.button = {"SpeedButton13", 254, 4, "Chemical Element table", "elements"},
         .open = [](QWidget*) { kv::lastingWindow(TableForm).exec(); }},
        // The hint's spelling and trailing blank are the program's own.
        {.button = {"SpeedButton20", 282, 4, "Approximate Herdness Conversion Numbers for Nonaustenitic Steels ",
                    "steel"},
         .menu = {"Referencehardnessnumberforsteel1", "Reference: hardness number for steel", BarMenuPart::Tools, 90},
         .open = [](QWidget*) { kv::lastingWindow(SteelForm).exec(); }},
        {.button = {"SpeedButton9", 118, 32, "Reference tables", "tables"},
         .menu = {"Matterfieldtime1", "Reference tables", BarMenuPart::Tools, 80},
         .open = [](QWidget*) { kv::lastingWindow(Form5).exec(); }},
        {.button = {"SpeedButton10", 172, 32, "View system fonts and character map", "fonts"},
         .menu = {"Charactercode1", "Character code and view fonts", BarMenuPart::Tools, 140},
         .open = [](QWidget*) { kv::lastingWindow(Map).exec(); }},
        {.menu = {"Phisicalconstants1", "Phisical constants", BarMenuPart::Miscellaneous, 30},
         .open = [](QWidget*) { kv::lastingWindow(PhisForm).exec(); }},
    };
    return entries;
}

}  // namespace reference
