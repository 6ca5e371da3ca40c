#pragma once
// The spellings users type for what the units table writes otherwise: US
// spellings and plurals of names ("meters" for "metre", "feet" for "foot") and
// ASCII for the signs of symbols ("um" for "µm", "degF" for "°F"). One list
// holds them all; a spelling only counts where it gives words the table has.
#include <QSet>
#include <QString>
#include <QStringList>

namespace convert {

// The folded words of a unit's name, without the brackets and commas around
// them; nameSpellings keeps to these.
QStringList nameWords(const QString& name);

// The names (folded) that the folded text `typed` may stand for: each of its
// words that `words` lacks in a table spelling that `words` holds, most likely
// first. Empty when no word needs (or has) another spelling.
QStringList nameSpellings(const QString& typed, const QSet<QString>& words);

// The symbols that `typed` may stand for, letter case kept: its ASCII
// beginnings ("u", "deg") with the table's signs.
QStringList symbolSpellings(const QString& typed);

}  // namespace convert
