#pragma once
// The resistivity table as the picture shows it: ohm mm2/m, the unit of wire
// tables (resistance of 1 m of wire with a 1 mm2 cross-section).
#include <QList>
#include <QString>

namespace kv::gifgen {

struct Resistivity {
    QString material;
    QString group;       // metal, alloy, semiconductor, electrolyte, insulator
    double low = 0;      // ohm mm2/m
    double high = 0;     // upper end of a range; equal to low for a single figure
    QString source;
};

constexpr double kOhmMetreInOhmMm2PerMetre = 1e6;  // 1 m2 = 10^6 mm2

// Throws kv::Error for a file that cannot be read or a value that is no positive number.
QList<Resistivity> readResistivity(const QString& csvPath);

// "0.0159", "2.44e-2 ... " style text for the picture: plain decimals for the
// conductors, powers of ten (with superscript exponents) for the rest.
QString formatResistivity(double ohmMm2PerMetre);

}  // namespace kv::gifgen
