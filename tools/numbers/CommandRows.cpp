#include "tools/numbers/CommandRows.h"

#include "tools/numbers/DateDiffCommand.h"
#include "tools/numbers/NumeralsCommand.h"
#include "tools/numbers/PrimesCommand.h"

namespace numbers {

const std::vector<kv::CommandRow>& commandRows() {
    static const std::vector<kv::CommandRow> rows = {
        {"numerals", 1, 2, "numerals N [BASE]", "N in Roman numerals, in BASE (2 unless given) and in words",
         runNumeralsCommand, "N BASE"},
        {"datediff", 2, 2, "datediff START END",
         "the span between two dates (YYYY-MM-DD) in years, months, days, hours", runDateDiffCommand,
         "START END"},
        {"primes", 1, 1, "primes N", "list the primes from N down to 2", runPrimesCommand, "N"},
    };
    return rows;
}

}  // namespace numbers
