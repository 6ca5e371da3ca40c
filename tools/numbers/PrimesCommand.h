#pragma once
// `Kvantor2 primes N`: the prime list of the primes window on standard output.
#include <QStringList>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace numbers {

// The maximum typed in the primes window: an integer that is not negative.
// Throws kv::Error with the window's messages otherwise.
std::int64_t readPrimeMaximum(const std::string& text);

// Writes the primes from `maximum` down to 2, one per line.
void writePrimes(std::int64_t maximum, std::ostream& out);

void runPrimesCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace numbers
