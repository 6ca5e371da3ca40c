// Arbitrary text as an expression: compile it, and when it compiles,
// evaluate it twice with different variable values. Compile and arithmetic
// errors are the expected outcome for most inputs; anything else (a crash,
// a hang, a leak, another exception) is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "parser/Parser10.h"

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
    return 0;
}
