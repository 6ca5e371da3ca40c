#include "tools/engineering/TankCommand.h"

#include <ostream>
#include <string>

#include "core/Command.h"
#include "core/NumberFormat.h"
#include "data/TableFolder.h"
#include "tools/engineering/TankCalculation.h"
#include "tools/engineering/TankUnits.h"

namespace engineering {
namespace {

struct Request {
    TankEntry entry;
    std::string length, densityMass, densityVolume, volume, mass, area;
};

bool shapeNamed(const QString& text, TankShape& shape) {
    for (TankShape s : kTankShapes)
        if (text.compare(QLatin1String(tankShapeName(s)), Qt::CaseInsensitive) == 0) {
            shape = s;
            return true;
        }
    return false;
}

// The request the arguments make; throws bad usage with what is wrong.
Request parse(const QStringList& args) {
    Request r;
    if (!shapeNamed(args[0], r.entry.shape))
        throw kv::UsageError("Unknown shape '" + args[0].toStdString() +
                             "'\nSHAPE: Cone, Cylinder, Prism, Pyramid, Sphere or Torus");
    int values = 0;
    for (qsizetype k = 1; k < args.size(); ++k) {
        const QString& a = args[k];
        auto option = [&](std::string& into) {
            if (k + 1 >= args.size()) return false;
            into = args[++k].toStdString();
            return true;
        };
        bool ok = true;
        if (a == "--length") ok = option(r.length);
        else if (a == "--volume") ok = option(r.volume);
        else if (a == "--mass") ok = option(r.mass);
        else if (a == "--area") ok = option(r.area);
        else if (a == "--density") ok = option(r.entry.density) && option(r.densityMass) && option(r.densityVolume);
        else if (a.startsWith(QLatin1String("--")) || values >= tankRowCount(r.entry.shape)) ok = false;
        else r.entry.dimensions[static_cast<size_t>(values++)] = a.toStdString();
        if (!ok) throw kv::UsageError("Unexpected or incomplete argument '" + a.toStdString() + "'");
    }
    if (values != tankRowCount(r.entry.shape)) {
        const auto& labels = tankRowLabels(r.entry.shape);
        std::string message = std::string(tankShapeName(r.entry.shape)) + " takes " +
                              std::to_string(tankRowCount(r.entry.shape)) + " values:";
        for (int k = 0; k < tankRowCount(r.entry.shape); ++k)
            message += " " + QString::fromLatin1(labels[static_cast<size_t>(k)]).chopped(2).toStdString();
        throw kv::UsageError(message);
    }
    return r;
}

// The unit `text` names, or the list's start unit when none is given.
const convert::Unit& chosen(const convert::UnitCatalogue& catalogue, TankUnitKind kind, const std::string& text) {
    if (!text.empty()) return tankUnitNamed(catalogue, kind, text);
    const TankUnitList& list = tankUnitList(kind);
    if (static_cast<size_t>(list.startPosition) >= tankUnits(catalogue, kind).size())
        throw kv::Error(std::string("The units table has no ") + list.what + " units");
    return tankUnitAt(catalogue, kind, list.startPosition, "");
}

}  // namespace

void tankCommandIn(const std::string& dir, const QStringList& args, std::ostream& out) {
    const Request r = parse(args);
    const convert::UnitCatalogue catalogue = convert::UnitCatalogue::load(dir);
    const convert::Unit& length = chosen(catalogue, TankUnitKind::Length, r.length);
    const convert::Unit& volume = chosen(catalogue, TankUnitKind::Volume, r.volume);
    const convert::Unit& mass = chosen(catalogue, TankUnitKind::Mass, r.mass);
    const convert::Unit& area = chosen(catalogue, TankUnitKind::Area, r.area);
    TankFactors f;
    f.lengths = {length.factor, length.factor, length.factor, length.factor};
    f.densityMass = chosen(catalogue, TankUnitKind::Mass, r.densityMass).factor;
    f.densityVolume = chosen(catalogue, TankUnitKind::Volume, r.densityVolume).factor;
    f.volume = volume.factor;
    f.mass = mass.factor;
    f.area = area.factor;

    const TankResults results = calculateTank(r.entry, f);
    out << "V = " << kv::formatGeneral(results.volume) << " " << volume.name << "\n"
        << "m = " << kv::formatGeneral(results.mass) << " " << mass.name << "\n"
        << "S = " << kv::formatGeneral(results.area) << " " << area.name << "\n";
    // The window shows its message beside the zeros.
    if (!results.fits) throw kv::Error(kWrongInput);
}

void runTankCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    tankCommandIn(data::tableFolder().toStdString(), args, out);
}

}  // namespace engineering
