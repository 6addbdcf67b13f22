// Calibration run. The 32-bit float roundings (minT, maxT, curve ends and step) reproduce the numbers
// labs already hold; do not widen them.
#include "gpc/CCalibration.h"

#include "gpc/BroadStandardFit.h"
#include "gpc/CAprox.h"
#include "gpc/SliceWindow.h"

#include <algorithm>
#include <cmath>

void CCalibration::SetInputs(double k, double alpha, int32_t gradIndex, int32_t formulaIndex, int32_t channelIndex,
                             const std::vector<Assay>& assays, const std::vector<int32_t>& pointFlags) {
    K = k;
    Alpha = alpha;
    GradIndex = gradIndex;
    FormulaIndex = formulaIndex;
    ChannelIndex = channelIndex;
    Assays = assays;
    PointFlags = pointFlags;
}

CalculationStatus CCalibration::Run() {
    CalculationStatus status;
    calPoints.clear();
    for (size_t i = 0; i < Assays.size(); ++i) {
        if (Assays[i].included == 0) continue;
        if (GradIndex == kMonodisperse || GradIndex == kUniversal) FormPoints(i);
        status.assays.push_back(CalculateAssay(i));
    }
    return status;
}

double CCalibration::MolarMassAt(double t) const {
    const CalibrationResults& r = results;
    const double y = std::pow(t, 3.0) * r.k3 + std::pow(t, 2.0) * r.k2 + std::pow(t, 1.0) * r.k1 + r.k0;
    // K and Alpha are the sample's Mark-Houwink constants: they belong to the universal calibration
    // only. Applied to the others they would report M^(1/(Alpha+1)) instead of M.
    if (GradIndex != kUniversal) return std::pow(10.0, y);
    return std::pow(std::pow(10.0, y) * (1.0 / K), 1.0 / (Alpha + 1.0));
}

const Channel* CCalibration::SelectedChannel(const Assay& assay) const {
    if (ChannelIndex < 0 || static_cast<size_t>(ChannelIndex) >= assay.channels.size()) return nullptr;
    return &assay.channels[ChannelIndex];
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
        point.K = K;
        point.Alpha = Alpha;
        const size_t j = calPoints.size();
        point.used = j < PointFlags.size() ? PointFlags[j] : 1;
        point.assayIndex = static_cast<int32_t>(assayIndex);
        calPoints.push_back(point);
    }
}

AssayOutcome CCalibration::CalculateAssay(size_t assayIndex) {
    usedGradIndex = GradIndex;
    usedFormulaIndex = FormulaIndex;
    const Assay& assay = Assays[assayIndex];
    const Channel* channel = SelectedChannel(assay);
    if (channel == nullptr || channel->samples.empty()) return AssayOutcome::Skipped;

    pointX.clear();
    pointY.clear();
    float minT = 100.0f;
    float maxT = 0.0f;
    if (GradIndex == kPolydisperse)
        FitBroadStandardLine(assay, *channel);
    else
        FitPolynomial(minT, maxT);
    const AssayOutcome outcome = CalculateAverages(assay, *channel);
    SampleCurve(minT, maxT);
    return outcome;
}

double CCalibration::CalibrationQuantity(const CalibrationPoint& point) const {
    if (GradIndex == kUniversal)
        return std::log10(std::pow(point.fitMolarMass, point.Alpha) * point.fitMolarMass * point.K);
    return std::log10(point.fitMolarMass);
}

// Every used point owns a slot, even one left out (time or Y of 0): such a slot stays (0, 0) and
// still takes part in the fit.
void CCalibration::FitPolynomial(float& minT, float& maxT) {
    const auto isUsed = [](const CalibrationPoint& point) { return point.used != 0; };
    const int64_t usedCount = std::count_if(calPoints.begin(), calPoints.end(), isUsed);
    CAprox aprox;
    aprox.points.resize(static_cast<size_t>(usedCount));
    size_t slot = 0;
    for (const CalibrationPoint& point : calPoints) {
        if (!isUsed(point)) continue;
        minT = static_cast<float>(std::min(static_cast<double>(minT), point.time));
        maxT = static_cast<float>(std::max(static_cast<double>(maxT), point.time));
        const double y = CalibrationQuantity(point);
        if (point.time != 0.0 && y != 0.0) {
            aprox.points[slot] = {point.time, y};
            pointX.push_back(point.time);
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
}

// No calibration point exists for a broad standard, so its reference values come from the run's own
// inputs as a first point would have carried them: ratio K / Alpha, reference molar mass K. Alpha 0
// makes the ratio non-finite, and then no search runs.
void CCalibration::FitBroadStandardLine(const Assay& assay, const Channel& channel) {
    BroadStandardLine line;
    if (!assay.peaks.empty()) {
        SliceWindow window = SliceWindow::FromPeaks(channel, assay.peaks);
        if (window.FitBaseline(channel.samples))
            line = FitBroadStandard(channel.samples, window, channel.value2, K / Alpha, K);
    }
    results.k0 = line.k0;
    results.k1 = line.k1;
    results.k2 = 0.0;
    results.k3 = 0.0;
}

// One pass over the slices with running sums; nothing here allocates.
AssayOutcome CCalibration::CalculateAverages(const Assay& assay, const Channel& channel) {
    if (assay.peaks.empty()) return AssayOutcome::NoPeaks;
    SliceWindow window = SliceWindow::FromPeaks(channel, assay.peaks);
    CalibrationResults& r = results;
    r.Mn = r.Mw = r.MwMn = r.Mz = r.Mz1 = r.Mp = 0.0;
    if (calPoints.empty()) return AssayOutcome::NoPoints;
    if (!window.FitBaseline(channel.samples)) return AssayOutcome::SlicesOutside;

    double sum0 = 0.0, sumInverse = 0.0, sum1 = 0.0, sum2 = 0.0, sum3 = 0.0;
    double highest = 0.0;
    int32_t highestIndex = 0;
    for (int32_t i = window.first; i < window.end; ++i) {
        const double m = MolarMassAt(i * channel.value2 + channel.value1);
        const double h = window.HeightAt(channel.samples, i);
        if (h > highest) {
            highest = h;
            highestIndex = i;
        }
        sum0 += h;
        sumInverse += h / m;
        sum1 += h * m;
        sum2 += h * m * m;
        sum3 += h * m * m * m;
    }
    r.Mp = MolarMassAt(highestIndex * channel.value2 + channel.value1);
    r.Mn = sum0 / sumInverse;
    r.Mw = sum1 / sum0;
    r.MwMn = r.Mw / r.Mn;
    r.Mz = sum2 / sum1;
    r.Mz1 = sum3 / sum2;
    return AssayOutcome::Calculated;
}

// About 21 samples of Y(T) for the chart; none when no point was used.
void CCalibration::SampleCurve(float minT, float maxT) {
    curveX.clear();
    curveY.clear();
    const float x0 = static_cast<float>(minT * 0.5);
    const float x1 = static_cast<float>(maxT * 1.2);
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
