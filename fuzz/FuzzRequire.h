#pragma once
// A fuzz target's own checks: one that fails says where before aborting, so
// that a finding explains itself.
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

[[noreturn]] inline void checkFailed(const char* file, int line) {
    std::fprintf(stderr, "%s: the check at line %d failed\n", file, line);
    std::abort();
}

}  // namespace fuzzing

#define require(condition) ((condition) ? void(0) : fuzzing::checkFailed(__FILE__, __LINE__))
