// Arbitrary text as an expression: compile it, and when it compiles,
// evaluate it twice with different variable values, then over a run of X
// values at once, which must give what one X at a time gives, bit for bit.
// Compile and arithmetic errors are the expected outcome for most inputs;
// anything else (a crash, a hang, a leak, another exception, a batch that
// differs) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "parser/Parser10.h"
#include "tests/parser/BatchOutcome.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TPars parser;
    parser.SetVariable("N", -2.5);
    parser.X = 1.5;
    parser.A = 0;
    parser.B = -1;
    try {
        parser.SetExpression(text);
    } catch (const EMathParserError&) {
        return 0;
    }
    for (double x : {1.5, 0.0}) {
        parser.X = x;
        try {
            parser.Value();
        } catch (const kv::Error&) {
        }
    }
    std::vector<double> xs;
    for (int k = 0; k < 300; ++k) xs.push_back(k % 7 == 3 ? 0.0 : (k - 150) * 0.37);
    xs[40] = 1e300;
    xs[41] = -1e-310;
    if (!(allAtOnce(parser, xs) == oneAtATime(parser, xs))) std::abort();
    return 0;
}
