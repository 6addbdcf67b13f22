// The demo laboratory: a polystyrene calibration of lg M against retention time (minutes), its ten
// narrow standards, and the broad samples with known log-normal molar-mass distributions.
#pragma once

#include <string>
#include <vector>

struct DemoStandard {
    std::string key;  // component key, as the peaks are named
    std::string name;  // display name in the components table
    double molarMass;  // g/mol
};

// Mark-Houwink constants of a polymer in the eluent: [eta] = K * M^alpha, K in dL/g.
struct MarkHouwink {
    double K;
    double alpha;
};

// In THF: the column separates by hydrodynamic volume K * M^(alpha+1), the same for every polymer.
inline constexpr MarkHouwink kPolystyrene{1.14e-4, 0.716};
inline constexpr MarkHouwink kPmma{9.44e-5, 0.719};

// A broad sample: weight distribution log-normal in ln M, so Mw = exp(mu + s^2/2), Mn = exp(mu - s^2/2).
struct DemoPolymer {
    std::string sample;
    std::string method;
    double mw;  // g/mol
    double dispersity;  // Mw/Mn
    MarkHouwink constants = kPolystyrene;
    double Mn() const { return mw / dispersity; }
};

namespace DemoLab {

// The true calibration lg M(T), T in minutes: a cubic falling from about 6.3 at 12.6 min to 3 at 19 min.
double LgMolarMass(double minutes);
// The retention time (minutes) at which lg M(T) equals lgM.
double RetentionTime(double lgM);
// The retention time (minutes) of the polymer's molecules of lg M = lgM: that of the polystyrene of
// the same hydrodynamic volume.
double PolymerTime(const DemoPolymer& polymer, double lgM);

// The ten polystyrene standards, from about 1,000 to 2,000,000 g/mol.
const std::vector<DemoStandard>& Standards();

// Detector signal of a broad polymer at time t (minutes): the weight fraction per minute.
double PolymerSignal(const DemoPolymer& polymer, double minutes);
// The times (minutes) that bound the polymer's peak: where ln M is 4 standard deviations from its centre.
double PolymerFront(const DemoPolymer& polymer);
double PolymerBack(const DemoPolymer& polymer);

}  // namespace DemoLab
