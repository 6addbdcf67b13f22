// Least-squares polynomial fit by normal equations. The arithmetic order below is part of the result:
// lab numbers are compared with those of earlier runs, so no pivoting, scaling or rearranging.
#include "gpc/CAprox.h"

#include <algorithm>
#include <cmath>

void CAprox::Fit() {
    const int n = std::clamp(degree, -1, kMaxDegree);
    BuildNormalEquations(n);
    Eliminate(n);
    std::fill(coefficients.begin() + (n + 1), coefficients.end(), 0.0);
}

// pow rather than repeated products, so that pow(0, 0) = 1 and the sums match earlier results bit for bit.
void CAprox::BuildNormalEquations(int n) {
    for (int i = 0; i <= n; ++i) {
        for (int j = 0; j <= n; ++j) {
            double sum = 0.0;
            for (const Point& p : points) sum += std::pow(p.x, static_cast<double>(i + j));
            matrix[i][j] = sum;
        }
        double sum = 0.0;
        for (const Point& p : points) sum += std::pow(p.x, static_cast<double>(i)) * p.y;
        coefficients[i] = sum;
    }
}

void CAprox::Eliminate(int n) {
    for (int i = 0; i <= n; ++i) {
        for (int r = i + 1; r <= n; ++r) {
            const double f = matrix[r][i] / matrix[i][i];
            for (int c = i; c <= n; ++c) matrix[r][c] -= f * matrix[i][c];
            coefficients[r] -= f * coefficients[i];
        }
    }
    for (int k = n; k >= 0; --k) {
        for (int r = 0; r < k; ++r) {
            const double f = matrix[r][k] / matrix[k][k];
            matrix[r][k] = 0.0;
            coefficients[r] -= f * coefficients[k];
        }
    }
    for (int i = 0; i <= n; ++i) coefficients[i] /= matrix[i][i];
}
