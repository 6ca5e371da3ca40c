#pragma once
// File names are bytes, and not every name is UTF-8. The command line's
// arguments are kept as text in which a byte that is no part of a UTF-8
// character stands as the lone surrogate U+DC80 + (byte - 0x80), as Python's
// "surrogateescape" keeps them, so that such a name comes back byte for byte.
#include <string>

#include <QString>

namespace kv {

// An argument's bytes as text, every byte kept.
QString argumentText(const std::string& bytes);

// The bytes of a name read by argumentText (UTF-8 for all other text).
std::string localBytes(const QString& text);

}  // namespace kv
