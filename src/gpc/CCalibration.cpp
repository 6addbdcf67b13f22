// Calibration run. The 32-bit float roundings (minT, maxT, curve ends and step) reproduce the numbers
// labs already hold; do not widen them.
#include "gpc/CCalibration.h"

#include "base/VectorState.h"
#include "gpc/BroadStandardFit.h"
#include "gpc/CAprox.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

namespace {

// Running sums of one pass over an assay's slices, added in slice order as the averages always were.
struct SliceSums {
    void Add(int32_t i, double m, double h, bool outsideRange) {
        if (h > highest) {
            highest = h;
            highestIndex = i;
        }
        sum0 += h;
        sumInverse += h / m;
        sum1 += h * m;
        sum2 += h * m * m;
        sum3 += h * m * m * m;
        // The share outside counts area above the baseline only: noise dipping below it would otherwise
        // give a share under 0 or over 100 %.
        const double above = std::max(h, 0.0);
        areaAbove += above;
        if (outsideRange) outside += above;
    }

    double sum0 = 0.0, sumInverse = 0.0, sum1 = 0.0, sum2 = 0.0, sum3 = 0.0;
    double areaAbove = 0.0, outside = 0.0;
    double highest = 0.0;
    int32_t highestIndex = 0;
};

// Outcomes whose turn writes the averages: computed, or 0 when they cannot be.
bool WritesAverages(AssayOutcome outcome) {
    return outcome != AssayOutcome::Skipped && outcome != AssayOutcome::NoPeaks;
}

// The rounding error of the product p = a * b, exactly (Dekker: each factor split into halves of 26
// bits, whose products are exact). Plain arithmetic, where std::fma would be a library call.
double ProductError(double a, double b, double p) {
    const auto split = [](double x, double& high, double& low) {
        const double scaled = 134217729.0 * x;  // 2^27 + 1
        high = scaled - (scaled - x);
        low = x - high;
    };
    double aHigh = 0.0, aLow = 0.0, bHigh = 0.0, bLow = 0.0;
    split(a, aHigh, aLow);
    split(b, bHigh, bLow);
    return ((aHigh * bHigh - p) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

// pow(t, 3) without a call of pow, which took most of a slice's time: t*t split exactly into its
// rounded value and its error, each times t, the sum rounded once. That is t^3 correctly rounded,
// which pow also gives but for about one t in a thousand, so averages stay those labs hold, nearly
// always to the last bit (t*t and t stand for pow(t, 2) and pow(t, 1) exactly).
double CubeRounded(double t) {
    const double square = t * t;
    const double cube = square * t;
    if (!std::isfinite(cube)) return cube;  // as pow: an infinite cube, NaN for a NaN time
    return cube + (ProductError(square, t, cube) + ProductError(t, t, square) * t);
}

// M (g/mol) of the universal quantity y = lg(k * M^(alpha+1)) of a polymer with these constants.
double UniversalMolarMass(double y, double k, double alpha) {
    return std::pow(std::pow(10.0, y) * (1.0 / k), 1.0 / (alpha + 1.0));
}

template <typename Item, typename Predicate>
const Item* LastWhere(const std::vector<Item>& items, Predicate predicate) {
    const auto found = std::find_if(items.rbegin(), items.rend(), predicate);
    return found == items.rend() ? nullptr : &*found;
}

}  // namespace

void CCalibration::SetInputs(double k, double alpha, int32_t gradIndex, int32_t formulaIndex, int32_t channelIndex,
                             const std::vector<Assay>& assays, const std::vector<int32_t>& pointFlags,
                             const CalibrationStandards& standards) {
    K = k;
    Alpha = alpha;
    GradIndex = gradIndex;
    FormulaIndex = formulaIndex;
    ChannelIndex = channelIndex;
    Assays = assays;
    PointFlags = pointFlags;
    Standards = standards;
}

// results must read as if each included assay in turn had fitted the points formed so far and then
// computed its averages with that fit: labs compare them with numbers they already hold. Each assay's
// outcome is known before any slice is read, so the calibration is fitted once, to what the last of
// those fits saw, and each calculated assay's slices are read once. Only results' own averages may
// need a calibration of fewer points, when an assay without peaks added points after theirs: that
// assay's slices are then read a second time.
CalculationStatus CCalibration::Run() {
    // The host's Qt may have left the upper halves of the AVX registers in use; glibc's pow and log10,
    // called for every slice, would then run about ten times slower on some processors.
    ClearUpperVectorState();
    calPoints.clear();
    assayResults.clear();
    const std::vector<PlannedAssay> plan = PlanAssays();
    CalculationStatus status;
    for (const PlannedAssay& planned : plan) status.assays.push_back(planned.outcome);
    if (!plan.empty()) {
        usedGradIndex = GradIndex;
        usedFormulaIndex = FormulaIndex;
    }
    const PlannedAssay* last =
        LastWhere(plan, [](const PlannedAssay& p) { return p.outcome != AssayOutcome::Skipped; });
    if (last == nullptr) return status;
    if (GradIndex == kPolydisperse) {
        status.calibration = FitBroadStandardLine(plan);
        if (!status.calibration) {
            Refuse(status);
            return status;
        }
    }
    const PlannedAssay* written = LastWhere(plan, [](const PlannedAssay& p) { return WritesAverages(p.outcome); });
    const bool ownCalibration = written != nullptr && written->outcome == AssayOutcome::Calculated &&
                                written->pointsFormed != last->pointsFormed;
    if (ownCalibration) {
        Calibrate(*written);
        SetAverages(MeasureAssay(*written, UsedTimes(written->pointsFormed), false).averages);
    }

    const int32_t degree = Calibrate(*last);
    const TimeRange calibrated = GradIndex == kPolydisperse ? standardTimes_ : UsedTimes(last->pointsFormed);
    for (const PlannedAssay& planned : plan)
        if (planned.outcome == AssayOutcome::Calculated)
            assayResults.push_back(MeasureAssay(planned, calibrated, BuildsDistribution(planned.index)));
    if (written != nullptr && !ownCalibration)
        SetAverages(written->outcome == AssayOutcome::Calculated ? assayResults.back().averages : MolarMassAverages{});
    MeasurePoints(degree);
    return status;
}

void CCalibration::CompleteDistribution(size_t entry) {
    if (entry >= assayResults.size() || !assayResults[entry].distribution.lgM.empty()) return;
    ClearUpperVectorState();
    PlannedAssay planned;
    planned.index = static_cast<size_t>(assayResults[entry].assayIndex);
    // The window the run found: a calculated assay's window depends on nothing but its own data.
    planned.outcome = Outcome(Assays[planned.index], planned.window);
    if (planned.outcome != AssayOutcome::Calculated) return;
    assayResults[entry].distribution = MeasureAssay(planned, {}, true).distribution;
}

double CCalibration::MolarMassAt(double t) const { return MolarMassOfY(CalibrationY(t)); }

double CCalibration::CalibrationY(double t) const {
    const CalibrationResults& r = results;
    return CubeRounded(t) * r.k3 + t * t * r.k2 + t * r.k1 + r.k0;
}

// K and Alpha are the sample's Mark-Houwink constants: they belong to the universal calibration only.
// Applied to the others they would report M^(1/(Alpha+1)) instead of M.
double CCalibration::MolarMassOfY(double y) const {
    if (GradIndex != kUniversal) return std::pow(10.0, y);
    return UniversalMolarMass(y, K, Alpha);
}

double CCalibration::LgMolarMassOfY(double y) const {
    if (GradIndex != kUniversal) return y;
    return (y - std::log10(K)) / (Alpha + 1.0);
}

double CCalibration::LgMolarMassSlopeAt(double t) const {
    const CalibrationResults& r = results;
    const double slope = 3.0 * r.k3 * t * t + 2.0 * r.k2 * t + r.k1;
    return GradIndex == kUniversal ? slope / (Alpha + 1.0) : slope;
}

const Channel* CCalibration::SelectedChannel(const Assay& assay) const {
    if (ChannelIndex < 0 || static_cast<size_t>(ChannelIndex) >= assay.channels.size()) return nullptr;
    return &assay.channels[ChannelIndex];
}

std::vector<CCalibration::PlannedAssay> CCalibration::PlanAssays() {
    std::vector<PlannedAssay> plan;
    for (size_t i = 0; i < Assays.size(); ++i) {
        if (Assays[i].included == 0) continue;
        if (GradIndex == kMonodisperse || GradIndex == kUniversal) FormPoints(i);
        PlannedAssay planned;
        planned.index = i;
        planned.pointsFormed = calPoints.size();
        planned.outcome = Outcome(Assays[i], planned.window);
        plan.push_back(planned);
    }
    return plan;
}

void CCalibration::FormPoints(size_t assayIndex) {
    const Channel* channel = SelectedChannel(Assays[assayIndex]);
    if (channel == nullptr) return;
    for (const TableItem& item : channel->table) {
        // Written as positive tests so that a NaN time or molar mass is refused.
        if (item.name.empty() || !(item.time > 0.0) || !(item.molarMass > 0.0)) continue;
        CalibrationPoint point;
        point.name = item.name;
        point.componentText = item.componentText;
        point.time = item.time;
        point.molarMass = item.molarMass;
        point.fitMolarMass = item.molarMass;
        point.K = Standards.K.value_or(K);
        point.Alpha = Standards.Alpha.value_or(Alpha);
        const size_t j = calPoints.size();
        point.used = j < PointFlags.size() ? PointFlags[j] : 1;
        point.assayIndex = static_cast<int32_t>(assayIndex);
        calPoints.push_back(point);
    }
}

// The averages' checks in their order, against the points formed so far; window is set from the
// peaks when the assay gets that far.
AssayOutcome CCalibration::Outcome(const Assay& assay, SliceWindow& window) const {
    const Channel* channel = SelectedChannel(assay);
    if (channel == nullptr || channel->samples.empty()) return AssayOutcome::Skipped;
    if (assay.peaks.empty()) return AssayOutcome::NoPeaks;
    if (GradIndex != kPolydisperse && calPoints.empty()) return AssayOutcome::NoPoints;
    window = SliceWindow::FromPeaks(*channel, assay.peaks);
    if (!window.FitBaseline(channel->samples)) return AssayOutcome::SlicesOutside;
    return AssayOutcome::Calculated;
}

// Fits the calibration of the turn of last (an assay not skipped) and samples its curve; the degree
// fitted. The broad standard's line, fitted before, only needs its curve.
int32_t CCalibration::Calibrate(const PlannedAssay& last) {
    pointX.clear();
    pointY.clear();
    if (GradIndex == kPolydisperse) {
        SampleCurve(static_cast<float>(standardTimes_.earliest), static_cast<float>(standardTimes_.latest));
        return 1;
    }
    float minT = 100.0f;
    float maxT = 0.0f;
    const int32_t degree = FitPolynomial(last.pointsFormed, minT, maxT);
    SampleCurve(static_cast<float>(minT * 0.5), static_cast<float>(maxT * 1.2));
    return degree;
}

double CCalibration::CalibrationQuantity(const CalibrationPoint& point) const {
    if (GradIndex == kUniversal)
        return std::log10(std::pow(point.fitMolarMass, point.Alpha) * point.fitMolarMass * point.K);
    return std::log10(point.fitMolarMass);
}

// Fits the first pointCount points. Every used point owns a slot, even one left out (time or Y of 0):
// such a slot stays (0, 0) and still takes part in the fit.
int32_t CCalibration::FitPolynomial(size_t pointCount, float& minT, float& maxT) {
    const auto points = calPoints.begin();
    const auto end = points + static_cast<std::ptrdiff_t>(pointCount);
    const auto isUsed = [](const CalibrationPoint& point) { return point.used != 0; };
    const int64_t usedCount = std::count_if(points, end, isUsed);
    CAprox aprox;
    aprox.points.resize(static_cast<size_t>(usedCount));
    size_t slot = 0;
    for (auto point = points; point != end; ++point) {
        if (!isUsed(*point)) continue;
        minT = static_cast<float>(std::min(static_cast<double>(minT), point->time));
        maxT = static_cast<float>(std::max(static_cast<double>(maxT), point->time));
        const double y = CalibrationQuantity(*point);
        if (point->time != 0.0 && y != 0.0) {
            aprox.points[slot] = {point->time, y};
            pointX.push_back(point->time);
            pointY.push_back(y);
        }
        ++slot;
    }
    // The degree drops until there are at least degree + 1 used points.
    const int64_t degree = std::min<int64_t>(std::min<int64_t>(FormulaIndex, usedCount - 2) + 1, CAprox::kMaxDegree);
    aprox.degree = static_cast<int32_t>(std::max<int64_t>(degree, -1));
    aprox.Fit();
    results.k0 = aprox.coefficients[0];
    results.k1 = aprox.coefficients[1];
    results.k2 = aprox.coefficients[2];
    results.k3 = aprox.coefficients[3];
    return aprox.degree;
}

// The line of the first included calibration run, from the slices its averages would be read from.
Status CCalibration::FitBroadStandardLine(const std::vector<PlannedAssay>& plan) {
    const auto given = [](const std::optional<double>& mass) { return mass && *mass > 0.0 && std::isfinite(*mass); };
    if (!given(Standards.broadMn) || !given(Standards.broadMw))
        return Status::Failed(MessageId::BroadStandardAveragesMissing);
    const auto standard =
        std::find_if(plan.begin(), plan.end(), [this](const PlannedAssay& p) { return Assays[p.index].isCalibration; });
    if (standard == plan.end() || standard->outcome != AssayOutcome::Calculated)
        return Status::Failed(MessageId::BroadStandardMissing);
    const Channel& channel = *SelectedChannel(Assays[standard->index]);
    const SliceWindow& window = standard->window;
    const BroadStandardFit fit = FitBroadStandard(channel, window, *Standards.broadMn, *Standards.broadMw);
    if (!fit.status) return fit.status;
    results.k0 = fit.line.k0;
    results.k1 = fit.line.k1;
    results.k2 = 0.0;
    results.k3 = 0.0;
    const double first = window.first * channel.value2 + channel.value1;
    const double last = (window.end - 1) * channel.value2 + channel.value1;
    standardTimes_ = {std::min(first, last), std::max(first, last)};
    return Status::Ok();
}

// No line, so nothing calculated: what an earlier run left must not pass for this one's.
void CCalibration::Refuse(CalculationStatus& status) {
    std::replace(status.assays.begin(), status.assays.end(), AssayOutcome::Calculated, AssayOutcome::NoPoints);
    results = {};
    pointX.clear();
    pointY.clear();
    curveX.clear();
    curveY.clear();
    fitQuality = {};
}

CCalibration::TimeRange CCalibration::UsedTimes(size_t pointCount) const {
    TimeRange range{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (size_t j = 0; j < pointCount; ++j) {
        if (calPoints[j].used == 0) continue;
        range.earliest = std::min(range.earliest, calPoints[j].time);
        range.latest = std::max(range.latest, calPoints[j].time);
    }
    return range;
}

// The one pass over a calculated assay's slices, with the calibration results holds: the averages, the
// area outside the calibrated times and, when distributed, the distribution. Allocates only the
// distribution's arrays.
AssayResults CCalibration::MeasureAssay(const PlannedAssay& planned, const TimeRange& calibrated,
                                        bool distributed) const {
    const Channel& channel = *SelectedChannel(Assays[planned.index]);
    const SliceWindow& window = planned.window;
    const bool ranged = calibrated.earliest <= calibrated.latest;
    AssayResults measured;
    measured.assayIndex = static_cast<int32_t>(planned.index);
    MolarMassDistribution& distribution = measured.distribution;
    if (distributed) {
        const auto slices = static_cast<size_t>(std::max(window.end - window.first, 0));
        distribution.lgM.reserve(slices);
        distribution.w.reserve(slices);
    }
    SliceSums sums;
    for (int32_t i = window.first; i < window.end; ++i) {
        const double t = i * channel.value2 + channel.value1;
        const double y = CalibrationY(t);
        const double h = window.HeightAt(channel.samples, i);
        sums.Add(i, MolarMassOfY(y), h, ranged && (t < calibrated.earliest || t > calibrated.latest));
        if (distributed) AddSlice(distribution, LgMolarMassOfY(y), h, LgMolarMassSlopeAt(t));
    }
    MolarMassAverages& a = measured.averages;
    a.Mp = MolarMassAt(sums.highestIndex * channel.value2 + channel.value1);
    a.Mn = sums.sum0 / sums.sumInverse;
    a.Mw = sums.sum1 / sums.sum0;
    a.MwMn = a.Mw / a.Mn;
    a.Mz = sums.sum2 / sums.sum1;
    a.Mz1 = sums.sum3 / sums.sum2;
    measured.outsideRange = ranged ? sums.outside / sums.areaAbove * 100.0 : 0.0;
    Normalise(distribution);
    return measured;
}

bool CCalibration::BuildsDistribution(size_t assayIndex) const {
    return std::find(DistributionAssays.begin(), DistributionAssays.end(), static_cast<int32_t>(assayIndex)) !=
           DistributionAssays.end();
}

void CCalibration::SetAverages(const MolarMassAverages& averages) {
    results.Mn = averages.Mn;
    results.Mw = averages.Mw;
    results.MwMn = averages.MwMn;
    results.Mz = averages.Mz;
    results.Mz1 = averages.Mz1;
    results.Mp = averages.Mp;
}

// The final calibration against its points: at each used point the molar mass it gives the standard
// (through the standards' constants in the universal calibration) and the deviation from the
// standard's, and the statistics of Y over the points placed into the fit.
void CCalibration::MeasurePoints(int32_t degree) {
    for (CalibrationPoint& point : calPoints) {
        if (point.used == 0) continue;
        const double y = CalibrationY(point.time);
        point.curveMolarMass = GradIndex == kUniversal ? UniversalMolarMass(y, point.K, point.Alpha) : MolarMassOfY(y);
        point.deviation = (*point.curveMolarMass - point.molarMass) / point.molarMass * 100.0;
    }
    std::vector<double> fitted;
    fitted.reserve(pointX.size());
    for (const double t : pointX) fitted.push_back(CalibrationY(t));
    fitQuality = MeasureFit(pointY, fitted, degree);
}

// About 21 samples of Y(T) for the chart from x0 to x1 (minutes); none when x1 <= x0 (no point used).
void CCalibration::SampleCurve(float x0, float x1) {
    curveX.clear();
    curveY.clear();
    const float step = (x1 - x0) / 20;
    // A step that underflows to 0 (times near the smallest floats) would never reach x1.
    if (!(x1 > x0) || !(step > 0.0f)) return;
    double x = x0;
    do {
        curveX.push_back(x);
        curveY.push_back(std::pow(x, 3.0) * results.k3 + std::pow(x, 2.0) * results.k2 + x * results.k1 + results.k0);
        x += step;
    } while (x1 > x);
}
