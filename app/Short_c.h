#pragma once
// The desktop shortcut to the program.
#include <QString>

// Puts "Kvantor2" on the user's desktop, starting programPath with directory as its
// working folder. Throws kv::Error when the shortcut cannot be written.
void sho(const QString& directory, const QString& programPath);
