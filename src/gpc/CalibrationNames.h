// The Russian names of the calibration types and of the dependences, as the workbench lists them and
// the report prints them.
#pragma once

#include <array>

// By CCalibration type index (GradIndex): monodisperse, polydisperse, universal.
inline constexpr std::array<const char*, 3> kCalibrationTypeNames{"Монодисперсный", "Полидисперсный", "Универсальный"};
// By dependence index (FormulaIndex): the polynomial of degree 1, 2 and 3.
inline constexpr std::array<const char*, 3> kDependenceNames{"Y = k1*T + k0", "Y = k2*T^2 + k1*T + k0",
                                                             "Y = k3*T^3 + k2*T^2 + k1*T + k0"};
