// Broad-standard calibration. Under lg M = k0 + k1*T the ratio Mw/Mn of a chromatogram depends on k1
// alone; for heights above the baseline its logarithm is even and convex in k1, so it rises from 1 with
// |k1|. Doubling a gentle slope brackets the first slope that reaches the known ratio, a bisection
// finds it, and k0 then carries Mw. Noise far below the baseline can make steep slopes reach the
// ratio again; starting gentle keeps the search on the crossing the chromatogram's body gives.
#include "gpc/BroadStandardFit.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSteepestDecades = 30.0;  // of M over the slices' time span: no column separates more
constexpr int kDoublings = 30;  // from the steepest slope / 2^30 up to the steepest
constexpr int kMaxHalvings = 200;
constexpr double kSlopeTolerance = 1e-14;  // relative width of the final bracket
constexpr double kAveragesTolerance = 1e-6;  // relative, of Mn and Mw
constexpr int kRatioDigits = 6;  // of Mw/Mn in the refusal

// Sums over the slices under lg M = k1 * (T - centre): the intercept only scales M, so it is left out.
struct LineSums {
    double heights = 0.0;  // sum h
    double byMass = 0.0;  // sum h * M
    double overMass = 0.0;  // sum h / M

    double Dispersity() const { return byMass * overMass / (heights * heights); }
};

class Slices {
public:
    Slices(const Channel& channel, const SliceWindow& window) : channel_(channel), window_(window) {}

    double Time(int32_t i) const { return i * channel_.value2 + channel_.value1; }
    // Minutes from the first slice to the last.
    double Span() const { return std::abs(Time(window_.end - 1) - Time(window_.first)); }
    // Time at the middle of the slices, which keeps the powers of 10 within +-kSteepestDecades / 2.
    double Centre() const { return (Time(window_.first) + Time(window_.end - 1)) / 2.0; }

    LineSums Sums(double k1) const {
        const double centre = Centre();
        LineSums sums;
        for (int32_t i = window_.first; i < window_.end; ++i) {
            const double h = window_.HeightAt(channel_.samples, i);
            const double m = std::pow(10.0, k1 * (Time(i) - centre));
            sums.heights += h;
            sums.byMass += h * m;
            sums.overMass += h / m;
        }
        return sums;
    }

private:
    const Channel& channel_;
    const SliceWindow& window_;
};

}  // namespace

BroadStandardFit FitBroadStandard(const Channel& channel, const SliceWindow& window, double mn, double mw) {
    const double dispersity = mw / mn;
    BroadStandardFit refused{
        Status::Failed(MessageId::BroadStandardRatioUnreachable, FormatGeneral(dispersity, kRatioDigits)), {}};
    const Slices slices(channel, window);
    const double steepest = kSteepestDecades / slices.Span();
    // Written as positive tests so that NaN refuses.
    if (window.Empty() || !(dispersity > 1.0) || !std::isfinite(steepest)) return refused;
    double gentle = 0.0;  // a slope whose dispersity is below the known one
    double steep = std::ldexp(steepest, -kDoublings);  // one whose dispersity reaches it, once found
    for (int doubling = 0; !(slices.Sums(-steep).Dispersity() >= dispersity); ++doubling) {
        if (doubling == kDoublings) return refused;
        gentle = steep;
        steep *= 2.0;
    }
    for (int halving = 0; halving < kMaxHalvings && steep - gentle > kSlopeTolerance * steep; ++halving) {
        const double middle = (gentle + steep) / 2.0;
        if (slices.Sums(-middle).Dispersity() < dispersity)
            gentle = middle;
        else
            steep = middle;
    }
    const double k1 = -(gentle + steep) / 2.0;
    const LineSums sums = slices.Sums(k1);
    // Heights below the baseline can bend the dispersity so that the bracket closes on no root.
    if (!(std::abs(sums.Dispersity() / dispersity - 1.0) <= kAveragesTolerance)) return refused;
    return {Status::Ok(), {std::log10(mw * sums.heights / sums.byMass) - k1 * slices.Centre(), k1}};
}
