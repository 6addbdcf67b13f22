#include "DemoLab.h"

#include <cmath>
#include <numbers>

namespace {

// lg M as a cubic in x = T - 16 minutes; strictly falling over the whole run.
constexpr double kC0 = 4.6;
constexpr double kC1 = -0.48;
constexpr double kC2 = 0.002;
constexpr double kC3 = -0.0025;

double LgSlope(double minutes) {
    const double x = minutes - 16.0;
    return kC1 + 2 * kC2 * x + 3 * kC3 * x * x;
}

// lg M of the polymer's molecules that have the volume of polystyrene of lg M = polystyreneLgM, and back.
double OwnLgM(const MarkHouwink& c, double polystyreneLgM) {
    return (std::log10(kPolystyrene.K) + (kPolystyrene.alpha + 1) * polystyreneLgM - std::log10(c.K)) / (c.alpha + 1);
}
double PolystyreneLgM(const MarkHouwink& c, double lgM) {
    return (std::log10(c.K) + (c.alpha + 1) * lgM - std::log10(kPolystyrene.K)) / (kPolystyrene.alpha + 1);
}

double LnSigma(const DemoPolymer& p) { return std::sqrt(std::log(p.dispersity)); }
double LnCentre(const DemoPolymer& p) { return std::log(p.mw) - 0.5 * std::log(p.dispersity); }

}  // namespace

namespace DemoLab {

double LgMolarMass(double minutes) {
    const double x = minutes - 16.0;
    return kC0 + x * (kC1 + x * (kC2 + x * kC3));
}

double RetentionTime(double lgM) {
    double early = 0.0;  // lg M falls with time: early holds the larger value
    double late = 40.0;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (early + late);
        (LgMolarMass(middle) > lgM ? early : late) = middle;
    }
    return 0.5 * (early + late);
}

const std::vector<DemoStandard>& Standards() {
    static const std::vector<DemoStandard> standards = {
        {"PS-1", "Полистирол 1 050", 1050.0},        {"PS-2", "Полистирол 2 930", 2930.0},
        {"PS-3", "Полистирол 6 540", 6540.0},        {"PS-4", "Полистирол 18 100", 18100.0},
        {"PS-5", "Полистирол 37 900", 37900.0},      {"PS-6", "Полистирол 96 000", 96000.0},
        {"PS-7", "Полистирол 212 000", 212000.0},    {"PS-8", "Полистирол 490 000", 490000.0},
        {"PS-9", "Полистирол 1 030 000", 1030000.0}, {"PS-10", "Полистирол 2 110 000", 2110000.0},
    };
    return standards;
}

double PolymerTime(const DemoPolymer& polymer, double lgM) {
    return RetentionTime(PolystyreneLgM(polymer.constants, lgM));
}

double PolymerSignal(const DemoPolymer& polymer, double minutes) {
    const MarkHouwink& c = polymer.constants;
    const double lnM = std::numbers::ln10 * OwnLgM(c, LgMolarMass(minutes));
    const double ownSlope = LgSlope(minutes) * (kPolystyrene.alpha + 1) / (c.alpha + 1);
    const double z = (lnM - LnCentre(polymer)) / LnSigma(polymer);
    const double density = std::exp(-0.5 * z * z) / (LnSigma(polymer) * std::sqrt(2 * std::numbers::pi));
    return density * std::numbers::ln10 * std::fabs(ownSlope);
}

double PolymerFront(const DemoPolymer& polymer) {
    return PolymerTime(polymer, (LnCentre(polymer) + 4 * LnSigma(polymer)) / std::numbers::ln10);
}

double PolymerBack(const DemoPolymer& polymer) {
    return PolymerTime(polymer, (LnCentre(polymer) - 4 * LnSigma(polymer)) / std::numbers::ln10);
}

}  // namespace DemoLab
