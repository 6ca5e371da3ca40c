#include "tools/reference/ElementText.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "core/Error.h"
#include "core/NumberFormat.h"
#include "data/TableFolder.h"

namespace reference {

namespace {

// The mass of one atomic mass unit as the window has always counted it.
constexpr double kAtomicMassUnit = 1.66e-27;

}  // namespace

QString massInKilograms(double mass, QChar decimalPoint) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3E", mass * kAtomicMassUnit);
    // printf writes at least two exponent digits; the window shows three.
    QString text = QString::fromLatin1(buffer);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e < 0) return text;  // INF or NAN
    const QString sign = text.mid(e + 1, 1);
    const QString digits = text.mid(e + 2).rightJustified(3, QLatin1Char('0'));
    return text.left(e).replace(QLatin1Char('.'), decimalPoint) + QLatin1Char('E') + sign + digits;
}

QString shellColumn(const QString& orbit) {
    const qsizetype length = orbit.size();
    const qsizetype q = length % 3 == 0 ? 3 : length % 3;
    const qsizetype spaces = 18 + q - length;
    return QString(spaces > 0 ? spaces : 0, QLatin1Char(' ')) + orbit;
}

QString massText(double mass, QChar decimalPoint) {
    return QString::fromStdString(kv::formatGeneral(mass, decimalPoint));
}

QStringList elementLines(const ElementRecord& r, const ElementDetails& d, QChar decimalPoint) {
    QString letters;
    for (const char* c = kShellLetters; *c; ++c) letters += QStringLiteral("  ") + QLatin1Char(*c);
    return {QString::number(r.number) + QLatin1Char(' ') + r.letter + QLatin1Char(' ') + r.name,
            QStringLiteral("Ar  = ") + massText(r.mass, decimalPoint),
            QStringLiteral("m  = ") + massInKilograms(r.mass, decimalPoint) + QStringLiteral(" kg"),
            QStringLiteral("Valency: ") + r.valent,
            letters,
            shellColumn(r.orbit),
            d.tip,
            QStringLiteral("Year Discovery ") + d.time,
            QStringLiteral("Discoverer ") + d.dis,
            QStringLiteral("Half-Life of most stable iso.: ") + d.halftime,
            QStringLiteral("Density ") + d.density,
            QStringLiteral("Boiling point : ") + d.boilPoint,
            QStringLiteral("Melting point : ") + d.melPoint,
            QStringLiteral("Electronegativity ") + d.electro,
            QStringLiteral("Ionization energy ") + d.energ,
            QStringLiteral("Oxidation station ") + d.oxi};
}

void runElementCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    const QString key = args.join(QLatin1Char(' '));
    dbase::Table elements;
    data::openTable(elements, "elements.dbf");
    const std::map<int, ElementRecord> records = readElementRecords(elements);
    const ElementRecord* record = findElement(records, key);
    if (!record) throw kv::Error("No element has the symbol, name or number \"" + key.toStdString() + "\"");
    dbase::Table details;
    data::openTable(details, "all.dbf");
    details.setIndexName("NUMBER");
    if (!details.findKey(static_cast<double>(record->number)))
        throw kv::Error("all.dbf holds no details of element " + std::to_string(record->number));
    for (const QString& line : elementLines(*record, readElementDetails(details), kv::localeDecimalPoint()))
        out << line.toStdString() << "\n";
}

void runElementsCommand(const QStringList&, std::ostream& out, std::ostream&) {
    dbase::Table elements;
    data::openTable(elements, "elements.dbf");
    for (const auto& [number, r] : readElementRecords(elements)) {
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(number, 3)
                   .arg(r.letter, -2)
                   .arg(r.name, -13)
                   .arg(massText(r.mass, kv::localeDecimalPoint()))
                   .toStdString()
            << "\n";
    }
}

}  // namespace reference
