// Least-squares polynomial fit y = c0 + c1*x + ... + cn*x^n of degree -1 to 20. The calibration fits
// lg M (or the universal quantity) against retention time in minutes with it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class CAprox {
public:
    static constexpr int32_t kMaxDegree = 20;
    static constexpr int kSize = kMaxDegree + 1;

    struct Point {
        double x = 0.0;
        double y = 0.0;
    };

    // Solves the normal equations (sums of pow, Gauss-Jordan without pivoting) into coefficients.
    // Never fails: a singular system leaves infinite or NaN coefficients; degree -1 (or below)
    // gives the zero polynomial, a degree above 20 is taken as 20. Coefficients above the degree are 0.
    void Fit();

    std::vector<Point> points;  // sized by the caller; a slot never written stays (0, 0) and still counts
    int32_t degree = 0;
    std::array<std::array<double, kSize>, kSize> matrix{};  // normal equations, leading (n+1)x(n+1) used
    std::array<double, kSize> coefficients{};  // right-hand side, then c0 ... c20

private:
    void BuildNormalEquations(int n);
    void Eliminate(int n);
};
