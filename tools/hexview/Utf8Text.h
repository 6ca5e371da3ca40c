#pragma once
// Text lines as the view shows them: UTF-8, with every byte that is not part
// of a valid character shown as U+FFFD (one mark per byte, so none is lost
// from sight), control characters as their visible pictures (U+2400..), and
// tabs widened to the next multiple of eight columns.
#include <QString>
#include <cstdint>
#include <vector>

namespace hexview {

// `columnOfByte`, when given, receives for every byte the position in the
// result where the character it belongs to starts.
QString decodeText(const std::uint8_t* bytes, std::size_t count, std::vector<int>* columnOfByte = nullptr);

// The length of a line without its line feed and a carriage return before it.
std::size_t withoutLineEnd(const std::uint8_t* bytes, std::size_t count);

}  // namespace hexview
