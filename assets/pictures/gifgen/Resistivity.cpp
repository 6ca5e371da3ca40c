#include "assets/pictures/gifgen/Resistivity.h"

#include <cmath>

#include "assets/pictures/gifgen/Csv.h"
#include "core/Error.h"

namespace kv::gifgen {

namespace {

double positive(const QString& text, const QString& what) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0) || !std::isfinite(value))
        throw kv::Error(QStringLiteral("resistivity of %1: \"%2\" is no positive number").arg(what, text).toStdString());
    return value;
}

QString superscript(int exponent) {
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (QChar c : QString::number(std::abs(exponent)))
        text += digits.at(c.digitValue());
    return text;
}

}  // namespace

QList<Resistivity> readResistivity(const QString& csvPath) {
    const CsvTable table = readCsv(csvPath);
    const int material = table.column("material");
    const int group = table.column("group");
    const int low = table.column("rho_ohm_m");
    const int high = table.column("rho_max_ohm_m");
    const int source = table.column("source");
    QList<Resistivity> rows;
    for (const QStringList& row : table.rows) {
        Resistivity r;
        r.material = row[material];
        r.group = row[group];
        r.low = positive(row[low], r.material) * kOhmMetreInOhmMm2PerMetre;
        r.high = row[high].isEmpty() ? r.low : positive(row[high], r.material) * kOhmMetreInOhmMm2PerMetre;
        if (r.high < r.low)
            throw kv::Error(QStringLiteral("resistivity of %1: the range is reversed").arg(r.material).toStdString());
        r.source = row[source];
        rows.append(r);
    }
    return rows;
}

QString formatResistivity(double value) {
    if (value >= 0.001 && value < 1000) {
        // Up to four significant figures, trailing zeros dropped: 0.0159, 0.01724, 1.1, 460
        QString text = QString::number(value, 'g', 4);
        return text;
    }
    const int exponent = int(std::floor(std::log10(value) + 1e-9));
    const double mantissa = value / std::pow(10.0, exponent);
    const QString power = QStringLiteral("10") + superscript(exponent);
    if (std::abs(mantissa - 1.0) < 1e-9)
        return power;
    return QString::number(mantissa, 'g', 3) + QStringLiteral("·") + power;
}

}  // namespace kv::gifgen
