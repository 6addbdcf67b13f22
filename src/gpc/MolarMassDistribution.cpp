// A chromatogram's heights are weights per minute; dividing by |d(lg M)/dt|, the Jacobian of the
// calibration, turns them into weights per unit of lg M.
#include "gpc/MolarMassDistribution.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace {

// lgM and w rearranged together into ascending lg M. A calibration falls with time, so the slices
// usually arrive in descending lg M; one that turns within the slices interleaves them and needs a sort.
void SortByLgM(MolarMassDistribution& d) {
    if (std::is_sorted(d.lgM.begin(), d.lgM.end())) return;
    if (std::is_sorted(d.lgM.rbegin(), d.lgM.rend())) {
        std::reverse(d.lgM.begin(), d.lgM.end());
        std::reverse(d.w.begin(), d.w.end());
        return;
    }
    std::vector<size_t> order(d.lgM.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&d](size_t a, size_t b) { return d.lgM[a] < d.lgM[b]; });
    std::vector<double> lgM;
    std::vector<double> w;
    lgM.reserve(order.size());
    w.reserve(order.size());
    for (const size_t i : order) {
        lgM.push_back(d.lgM[i]);
        w.push_back(d.w[i]);
    }
    d.lgM = std::move(lgM);
    d.w = std::move(w);
}

}  // namespace

void AddSlice(MolarMassDistribution& distribution, double lgM, double height, double slope) {
    if (slope == 0.0 || !std::isfinite(slope) || !std::isfinite(lgM)) return;
    distribution.lgM.push_back(lgM);
    distribution.w.push_back(height / std::abs(slope));
}

void Normalise(MolarMassDistribution& distribution) {
    MolarMassDistribution& d = distribution;
    if (d.lgM.size() < 2) {
        d = {};
        return;
    }
    SortByLgM(d);
    d.cumulative.reserve(d.lgM.size());
    d.cumulative.push_back(0.0);
    double area = 0.0;
    for (size_t i = 1; i < d.lgM.size(); ++i) {
        area += (d.lgM[i] - d.lgM[i - 1]) * (d.w[i] + d.w[i - 1]) / 2.0;
        d.cumulative.push_back(area);
    }
    if (!(area > 0.0) || !std::isfinite(area)) {
        d = {};
        return;
    }
    for (double& w : d.w) w /= area;
    for (double& c : d.cumulative) c /= area;
}
