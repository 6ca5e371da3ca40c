#pragma once
// The fault flags of the SSE unit, where the double routines compute. Reading
// them costs a cycle or two, while reading the x87 status word waits for
// every x87 instruction in flight and would double the time of a short
// evaluation; the extended-precision routines note their faults instead
// (storeExtended).
#include <cfenv>

inline constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

inline int sseFaults() {
#if defined(__x86_64__) && defined(__GNUC__)
    unsigned int csr = 0;
    asm volatile("stmxcsr %0" : "=m"(csr)::"memory");
    return static_cast<int>(csr) & kFaults;  // same bit positions as FE_*
#else
    return std::fetestexcept(kFaults);
#endif
}

inline void clearSseFaults() {
#if defined(__x86_64__) && defined(__GNUC__)
    unsigned int csr = 0;
    asm volatile("stmxcsr %0" : "=m"(csr)::"memory");
    csr &= ~static_cast<unsigned int>(kFaults);
    asm volatile("ldmxcsr %0" ::"m"(csr) : "memory");
#else
    std::feclearexcept(kFaults);
#endif
}
