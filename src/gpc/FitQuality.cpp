// Fit statistics over the points the least-squares fit was given.
#include "gpc/FitQuality.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <numeric>

FitQuality MeasureFit(const std::vector<double>& y, const std::vector<double>& fitted, int32_t degree) {
    FitQuality quality;
    quality.degree = degree;
    const auto n = static_cast<int64_t>(y.size());
    if (n == 0) return quality;
    const double mean = std::accumulate(y.begin(), y.end(), 0.0) / static_cast<double>(n);
    double residual = 0.0;
    double total = 0.0;
    for (size_t i = 0; i < y.size(); ++i) {
        residual += (y[i] - fitted[i]) * (y[i] - fitted[i]);
        total += (y[i] - mean) * (y[i] - mean);
    }
    // Tested on y itself: a rounded mean leaves a tiny SStot for equal values, and a meaningless ratio.
    const bool varies = std::adjacent_find(y.begin(), y.end(), std::not_equal_to<>()) != y.end();
    if (varies) quality.r2 = 1.0 - residual / total;
    const int64_t freedom = n - degree - 1;
    if (freedom > 0) quality.stdError = std::sqrt(residual / static_cast<double>(freedom));
    return quality;
}
