#pragma once
// The free and forced vibration of a chain of stations (core/shaft_station.h).
//
// With J the stations' inertias, k the sections' stiffnesses and c the
// stations' dampers to the frame, the chain's equations of motion are
//   M theta'' + C theta' + K theta = T(t),
// M = diag(J), K tridiagonal (K[i][i] = k[i-1] + k[i], K[i][i+1] = -k[i]).
// Free vibration is the symmetric generalised eigenproblem K phi = w^2 M phi
// (solved by Eigen's GeneralizedSelfAdjointEigenSolver); the chain has no
// stiffness to the frame, so its first mode is the rigid-body mode, reported
// as 0 Hz with every station at 1. Damping is the stations' dampers plus a
// modal damping ratio zeta for every elastic mode r:
//   C = diag(c) + M Phi diag(2 zeta w_r) Phi^T M   (Phi mass-normalised).
// A harmonic torque T e^{i W t} (complex amplitudes per station) drives the
// steady state theta = X e^{i W t} with (K - W^2 M + i W C) X = T, solved
// by LU decomposition with partial pivoting.
#include <complex>
#include <vector>

#include "core/shaft_station.h"

namespace zorvan {

struct ShaftMode {
  double frequency = 0;       // Hz; 0 for the rigid-body mode
  std::vector<double> shape;  // relative amplitude at each station: the largest (the first of equals) is +1
};

class ShaftDynamics {
 public:
  // A table that ShaftTableFault passes; error 6 when the analysis fails.
  ShaftDynamics(const ShaftTable& stations, double modalRatio);
  const std::vector<ShaftMode>& Modes() const { return modes_; }
  // Whether any damping acts (a damper or a modal ratio above 0).
  bool Damped() const { return damped_; }
  // The complex amplitudes (radians) of the stations under harmonic torques
  // of angular frequency omega (rad/s); error 6 when the system cannot be
  // solved there (an undamped chain exactly at a natural frequency).
  std::vector<std::complex<double>> Response(double omega, const std::vector<std::complex<double>>& torque) const;

 private:
  int n_ = 0;
  std::vector<double> inertia_, stiffness_;
  std::vector<double> damping_;  // n x n, row by row
  std::vector<ShaftMode> modes_;
  bool damped_ = false;
};

}  // namespace zorvan
