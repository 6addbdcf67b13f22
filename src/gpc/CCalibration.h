// The calibration of the workbench: calibration points from the named standard peaks of the included
// assays, the polynomial Y(T) of retention time T (minutes), the sampled curve for the chart, how well
// it fits its points, and for each calculated assay its molecular-weight averages (g/mol) and, when
// asked for, its molar-mass distribution.
#pragma once

#include "data/Assay.h"
#include "gpc/AssayResults.h"
#include "gpc/CalculationStatus.h"
#include "gpc/CalibrationPoint.h"
#include "gpc/CalibrationResults.h"
#include "gpc/CalibrationStandards.h"
#include "gpc/FitQuality.h"
#include "gpc/SliceWindow.h"

#include <cstdint>
#include <vector>

class CCalibration {
public:
    // Calibration types (GradIndex); dependences (FormulaIndex) 0, 1, 2 ask for degrees 1, 2, 3.
    static constexpr int32_t kMonodisperse = 0;  // Y = lg M
    static constexpr int32_t kPolydisperse = 1;  // one broad standard of known Mn and Mw, linear
    // Y = lg(K * M^Alpha * M): for a standard with the standards' constants, for the sample with its own
    static constexpr int32_t kUniversal = 2;

    // Replaces all calculation inputs with copies (the assays with their channels and samples). The
    // sample arrays are shared with the given assays, not duplicated; a later edit of theirs never
    // reaches these.
    void SetInputs(double k, double alpha, int32_t gradIndex, int32_t formulaIndex, int32_t channelIndex,
                   const std::vector<Assay>& assays, const std::vector<int32_t>& pointFlags,
                   const CalibrationStandards& standards = {});

    // Forms the calibration points of the included assays in list order and fits the calibration once:
    // the final calibration, fitted to the points formed up to the last included assay that is not
    // skipped (for the broad standard, the line of its slices). Samples its curve, measures it against the
    // points (fitQuality, each point's curveMolarMass and deviation), and reads each calculated assay's
    // slices once for its assayResults (with a distribution for those of DistributionAssays). results holds the final coefficients; its averages are those
    // of the last included assay that has peaks and is not skipped (0 when they could not be
    // computed), with the points formed up to that assay. A run that fits nothing (no included assay, or
    // every one skipped) keeps results, the point and curve arrays and fitQuality, and leaves assayResults
    // empty. The broad standard is the first included calibration run; when it gives no line (see
    // CalculationStatus::calibration) results, the arrays and assayResults are empty or 0. How each
    // included assay went; nothing is shown.
    CalculationStatus Run();

    // Builds the distribution of assayResults[entry], when the last Run did not (its assay was not in
    // DistributionAssays), with that run's calibration: one more read of the assay's slices. The inputs
    // must be those of that run; an entry beyond assayResults is left alone.
    void CompleteDistribution(size_t entry);

    // Molar mass (g/mol) at retention time t (minutes): 10^Y, or for the universal calibration the M
    // with K * M^(Alpha+1) = 10^Y. Non-finite coefficients give a non-finite result.
    double MolarMassAt(double t) const;

    double K = 1.0;
    double Alpha = 1.0;
    int32_t GradIndex = 0;
    int32_t FormulaIndex = 0;
    int32_t ChannelIndex = 0;
    std::vector<Assay> Assays;
    std::vector<int32_t> PointFlags;  // entry j for point j; a point without an entry is used
    // Indexes into Assays of the assays whose molar-mass distribution a run builds when they are
    // calculated; every other entry of assayResults has an empty one. A distribution takes six times
    // the bytes of the samples it comes from, and the window shows one at a time. SetInputs keeps it.
    std::vector<int32_t> DistributionAssays;
    CalibrationStandards Standards;

    CalibrationResults results;
    int32_t usedGradIndex = 0;  // type and dependence of the last run
    int32_t usedFormulaIndex = 0;
    std::vector<double> pointX;  // T of every point placed into the fit
    std::vector<double> pointY;  // its Y
    // About 21 samples from half the earliest to 1.2 times the latest point time; for the broad standard
    // over its slices' times.
    std::vector<double> curveX;
    std::vector<double> curveY;
    std::vector<CalibrationPoint> calPoints;  // in formation order, used or not
    // One per included assay whose outcome is Calculated, in list order, with the final calibration: the
    // last included assay's averages, when it is calculated, are those of results.
    std::vector<AssayResults> assayResults;
    // The final calibration over pointX and pointY; the degree of a broad standard's line is 1. Kept,
    // like the coefficients, by a run that fits nothing.
    FitQuality fitQuality;

private:
    // An included assay as the run finds it before reading any slice.
    struct PlannedAssay {
        size_t index = 0;  // into Assays
        AssayOutcome outcome = AssayOutcome::Skipped;
        size_t pointsFormed = 0;  // calPoints formed up to and with this assay
        SliceWindow window;  // its slices with their baseline, when Calculated
    };
    // Retention times (minutes) a calibration was fitted over: of its used points, or of the broad
    // standard's slices; empty when earliest > latest.
    struct TimeRange {
        double earliest = 0.0;
        double latest = 0.0;
    };

    const Channel* SelectedChannel(const Assay& assay) const;
    std::vector<PlannedAssay> PlanAssays();
    void FormPoints(size_t assayIndex);
    AssayOutcome Outcome(const Assay& assay, SliceWindow& window) const;
    int32_t Calibrate(const PlannedAssay& last);
    int32_t FitPolynomial(size_t pointCount, float& minT, float& maxT);
    Status FitBroadStandardLine(const std::vector<PlannedAssay>& plan);
    void Refuse(CalculationStatus& status);
    TimeRange UsedTimes(size_t pointCount) const;
    AssayResults MeasureAssay(const PlannedAssay& planned, const TimeRange& calibrated, bool distributed) const;
    bool BuildsDistribution(size_t assayIndex) const;
    void SetAverages(const MolarMassAverages& averages);
    void MeasurePoints(int32_t degree);
    void SampleCurve(float x0, float x1);
    double CalibrationQuantity(const CalibrationPoint& point) const;
    double CalibrationY(double t) const;
    double MolarMassOfY(double y) const;
    double LgMolarMassOfY(double y) const;
    double LgMolarMassSlopeAt(double t) const;

    TimeRange standardTimes_;  // of the broad standard's slices, once its line is fitted
};
