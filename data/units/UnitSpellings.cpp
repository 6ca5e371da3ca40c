#include "data/units/UnitSpellings.h"

#include <QRegularExpression>

namespace convert {
namespace {

enum class Applies { WordEnd, SymbolStart };

struct Spelling {
    Applies where;
    const char* typed;
    const char* table;
};

// In the order they are tried.
const Spelling kSpellings[] = {
    // US spellings of names.
    {Applies::WordEnd, "meter", "metre"},
    {Applies::WordEnd, "liter", "litre"},
    // Plurals: the irregular ones, then the regular endings.
    {Applies::WordEnd, "feet", "foot"},
    {Applies::WordEnd, "s", ""},
    {Applies::WordEnd, "es", ""},
    {Applies::WordEnd, "ies", "y"},
    // Signs that keyboards lack, in symbols.
    {Applies::SymbolStart, "u", "µ"},
    {Applies::SymbolStart, "\u03BC", "µ"},  // Greek mu for the micro sign
    {Applies::SymbolStart, "deg", "°"},
    {Applies::SymbolStart, "\u00BA", "°"},  // ordinal indicator for the degree sign
};

// A typed name has a few words; this bounds the combinations tried.
constexpr qsizetype kMostSpellings = 64;

// The table's spellings of one folded word: the word itself when the table
// has it (some names hold plurals: "league (3 miles)"), then what one or two
// word-end spellings make of it ("kilometers" to "kilometer" to "kilometre").
QStringList wordSpellings(const QString& word, const QSet<QString>& words) {
    QStringList found, step{word};
    if (words.contains(word)) found << word;
    for (int depth = 0; depth < 2; ++depth) {
        QStringList next;
        for (const QString& w : step) {
            for (const Spelling& s : kSpellings) {
                const QString typed = QString::fromUtf8(s.typed);
                if (s.where != Applies::WordEnd || !w.endsWith(typed)) continue;
                const QString respelled = w.left(w.size() - typed.size()) + QString::fromUtf8(s.table);
                if (respelled.size() < 2) continue;
                if (words.contains(respelled) && !found.contains(respelled)) found << respelled;
                next << respelled;
            }
        }
        step = next;
    }
    return found.isEmpty() ? QStringList{word} : found;
}

}  // namespace

QStringList nameWords(const QString& name) {
    static const QRegularExpression around(QStringLiteral("^[(,]+|[),]+$"));
    QStringList out;
    for (QString w : name.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        w.remove(around);
        if (!w.isEmpty()) out << w;
    }
    return out;
}

QStringList nameSpellings(const QString& typed, const QSet<QString>& words) {
    QStringList names{QString()};
    for (const QString& word : typed.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList longer;
        for (const QString& head : names)
            for (const QString& w : wordSpellings(word, words))
                if (longer.size() < kMostSpellings) longer << (head.isEmpty() ? w : head + QLatin1Char(' ') + w);
        names = longer;
    }
    names.removeAll(typed);
    names.removeAll(QString());
    return names;
}

QStringList symbolSpellings(const QString& typed) {
    QStringList out;
    for (const Spelling& s : kSpellings) {
        const QString from = QString::fromUtf8(s.typed);
        if (s.where == Applies::SymbolStart && typed.startsWith(from))
            out << QString::fromUtf8(s.table) + typed.mid(from.size());
    }
    return out;
}

}  // namespace convert
