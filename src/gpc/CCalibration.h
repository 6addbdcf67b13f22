// The calibration of the workbench: calibration points from the named standard peaks of the included
// assays, the polynomial Y(T) of retention time T (minutes), the sampled curve for the chart, and the
// molecular-weight averages (g/mol) of the last included assay.
#pragma once

#include "data/Assay.h"
#include "gpc/CalculationStatus.h"
#include "gpc/CalibrationPoint.h"
#include "gpc/CalibrationResults.h"

#include <cstdint>
#include <vector>

class CCalibration {
public:
    // Calibration types (GradIndex); dependences (FormulaIndex) 0, 1, 2 ask for degrees 1, 2, 3.
    static constexpr int32_t kMonodisperse = 0;  // Y = lg M
    static constexpr int32_t kPolydisperse = 1;  // one broad standard, linear
    static constexpr int32_t kUniversal = 2;  // Y = lg(K * M^Alpha * M)

    // Replaces all seven inputs with copies (the assays with their channels and samples). The sample
    // arrays are shared with the given assays, not duplicated; a later edit of theirs never reaches these.
    void SetInputs(double k, double alpha, int32_t gradIndex, int32_t formulaIndex, int32_t channelIndex,
                   const std::vector<Assay>& assays, const std::vector<int32_t>& pointFlags);

    // Forms the calibration points and, for each included assay in list order, fits the calibration,
    // computes its averages and samples the curve. With no included assay every result stays as it was.
    // How each included assay went; nothing is shown.
    CalculationStatus Run();

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

    CalibrationResults results;
    int32_t usedGradIndex = 0;  // type and dependence of the last run
    int32_t usedFormulaIndex = 0;
    std::vector<double> pointX;  // T of every point placed into the fit
    std::vector<double> pointY;  // its Y
    std::vector<double> curveX;  // about 21 samples from half the earliest to 1.2 times the latest point time
    std::vector<double> curveY;
    std::vector<CalibrationPoint> calPoints;  // in formation order, used or not

private:
    const Channel* SelectedChannel(const Assay& assay) const;
    void FormPoints(size_t assayIndex);
    AssayOutcome CalculateAssay(size_t assayIndex);
    void FitPolynomial(float& minT, float& maxT);
    void FitBroadStandardLine(const Assay& assay, const Channel& channel);
    AssayOutcome CalculateAverages(const Assay& assay, const Channel& channel);
    void SampleCurve(float minT, float maxT);
    double CalibrationQuantity(const CalibrationPoint& point) const;
};
