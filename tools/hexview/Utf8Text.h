#pragma once
// Text lines as the view shows them: UTF-8, with every byte that is not part
// of a valid character shown as U+FFFD (one mark per byte, so none is lost
// from sight), control characters in caret notation (^@ for 0, ^A for 1 ...
// ^_ for 31, ^? for 127: letters every face has, where the control pictures
// U+2400.. are in hardly any), and tabs widened to the next multiple of
// eight columns.
#include <QString>
#include <cstdint>
#include <vector>

namespace hexview {

// `columnOfByte`, when given, receives for every byte the position in the
// result where the character it belongs to starts; `controlColumns` the
// position of every caret pair, which the view sets apart from the text.
QString decodeText(const std::uint8_t* bytes, std::size_t count, std::vector<int>* columnOfByte = nullptr,
                   std::vector<int>* controlColumns = nullptr);

// The length of a line without its line feed and a carriage return before it.
std::size_t withoutLineEnd(const std::uint8_t* bytes, std::size_t count);

}  // namespace hexview
