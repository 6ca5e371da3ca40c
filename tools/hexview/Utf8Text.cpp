#include "tools/hexview/Utf8Text.h"

namespace hexview {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr int kTabWidth = 8;

// The length of the valid UTF-8 character at `bytes` and its code point; 0
// when the bytes there do not start one (overlong forms, surrogates and code
// points past U+10FFFF included).
int validCharacter(const std::uint8_t* bytes, std::size_t available, char32_t& code) {
    const std::uint8_t lead = bytes[0];
    int length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (available < static_cast<std::size_t>(length)) return 0;
    for (int k = 1; k < length; ++k) {
        if ((bytes[k] & 0xC0) != 0x80) return 0;
        code = (code << 6) | (bytes[k] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

QString decodeText(const std::uint8_t* bytes, std::size_t count, std::vector<int>* columnOfByte,
                   std::vector<int>* controlColumns) {
    QString text;
    text.reserve(static_cast<qsizetype>(count));
    if (columnOfByte) columnOfByte->assign(count, 0);
    if (controlColumns) controlColumns->clear();
    for (std::size_t at = 0; at < count;) {
        const int column = static_cast<int>(text.size());
        char32_t code = 0;
        int length = validCharacter(bytes + at, count - at, code);
        if (length == 0) {
            text += QChar(kReplacement);
            length = 1;
        } else if (code == '\t') {
            text += QString(kTabWidth - column % kTabWidth, QLatin1Char(' '));
        } else if (code < 0x20 || code == 0x7F) {
            text += QLatin1Char('^');
            text += QLatin1Char(static_cast<char>(code ^ 0x40));
            if (controlColumns) controlColumns->push_back(column);
        } else if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            // Not through a decoder: one would take U+FEFF for a byte-order mark and drop it.
            text += QChar(static_cast<char16_t>(code));
        }
        if (columnOfByte)
            for (int k = 0; k < length; ++k) (*columnOfByte)[at + k] = column;
        at += length;
    }
    return text;
}

std::size_t withoutLineEnd(const std::uint8_t* bytes, std::size_t count) {
    if (count > 0 && bytes[count - 1] == '\n') --count;
    if (count > 0 && bytes[count - 1] == '\r') --count;
    return count;
}

}  // namespace hexview
