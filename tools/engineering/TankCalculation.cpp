#include "tools/engineering/TankCalculation.h"

#include <optional>

#include "core/Error.h"
#include "core/FloatErrors.h"
#include "core/NumberRead.h"

namespace engineering {
namespace {

// Negative sizes would give negative volumes and areas: they count as bad input too.
double positive(const std::string& text) {
    const std::optional<double> x = kv::tryReadFloat(text);
    if (!x || *x <= 0) throw kv::Error(kIncorrectInput);
    return *x;
}

double density(const std::string& text) {
    const std::optional<double> x = kv::tryReadFloat(text.empty() ? std::string("0") : text);
    if (!x || *x < 0) throw kv::Error(kIncorrectInput);
    return *x;
}

}  // namespace

TankResults calculateTank(const TankEntry& entry, const TankFactors& factors) {
    std::array<double, 4> x{0, 0, 0, 0};
    const int rows = tankRowCount(entry.shape);
    for (int k = 0; k < rows; ++k) x[static_cast<size_t>(k)] = positive(entry.dimensions[static_cast<size_t>(k)]);
    const double rho = density(entry.density);

    return kv::checkedFloat([&] {
        // The table's lengths are in centimetres, its volumes in litres.
        for (size_t k = 0; k < x.size(); ++k) x[k] = x[k] * factors.lengths[k] * 0.01;
        double perCubicMetre = rho * factors.densityMass;
        perCubicMetre = perCubicMetre * 1000 / factors.densityVolume;

        const TankBody body = tankBody(entry.shape, x[0], x[1], x[2], x[3]);
        TankResults r;
        r.fits = body.fits;
        r.volume = body.volume * 1000 / factors.volume;
        r.mass = body.volume * perCubicMetre / factors.mass;
        r.area = body.area / factors.area;
        return r;
    });
}

}  // namespace engineering
