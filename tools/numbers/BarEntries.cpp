#include "tools/numbers/BarEntries.h"

#include "core/LastingWindow.h"
#include "tools/numbers/Ar_rom.h"
#include "tools/numbers/FormDate.h"
#include "tools/numbers/Prim.h"

namespace numbers {

using kv::BarMenuPart;

const std::vector<kv::BarEntry>& barEntries() {
    static const std::vector<kv::BarEntry> entries = {
        {.button = {"SpeedButton17", 172, 4, "Arabic to Roman numbers", "roman"},
         .menu = {"ArabictoRoman1", "Arabic to Roman", BarMenuPart::Tools, 10},
         .open = [](QWidget*) { kv::lastingWindow(Form3).exec(); }},
        {.button = {"SpeedButton18", 199, 4, "Date - Date", "dates"},
         .menu = {"Datetodate1", "Date to date", BarMenuPart::Tools, 50},
         .open = kv::showFreshWindow<TFormDate>},
        {.menu = {"Generateprimenumbers1", "Generate prime numbers", BarMenuPart::Miscellaneous, 20},
         .open = [](QWidget*) { kv::lastingWindow(PrimeForm).exec(); }},
    };
    return entries;
}

}  // namespace numbers
