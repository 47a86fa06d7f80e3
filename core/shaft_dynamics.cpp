// The chain's eigenproblem and its harmonic response, with Eigen
// (formulas in core/shaft_dynamics.h).
#include "core/shaft_dynamics.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/runtime_error.h"

namespace zorvan {

namespace {

// The relative shape: divided by the station of the largest amplitude.
std::vector<double> RelativeShape(const Eigen::VectorXd& v) {
  Eigen::Index largest = 0;
  for (Eigen::Index i = 1; i < v.size(); ++i)
    if (std::fabs(v[i]) > std::fabs(v[largest]) * (1 + 1e-9)) largest = i;
  std::vector<double> shape(static_cast<std::size_t>(v.size()));
  for (Eigen::Index i = 0; i < v.size(); ++i) shape[static_cast<std::size_t>(i)] = v[i] / v[largest];
  shape[static_cast<std::size_t>(largest)] = 1;
  return shape;
}

}  // namespace

ShaftDynamics::ShaftDynamics(const ShaftTable& stations, double modalRatio) : n_(static_cast<int>(stations.size())) {
  if (n_ < 1 || !std::isfinite(modalRatio) || modalRatio < 0) RaiseError(err::InvalidCall);
  Eigen::MatrixXd k = Eigen::MatrixXd::Zero(n_, n_), m = Eigen::MatrixXd::Zero(n_, n_);
  for (int i = 0; i < n_; ++i) {
    const ShaftStation& s = stations[static_cast<std::size_t>(i)];
    inertia_.push_back(s.inertia);
    m(i, i) = s.inertia;
    if (i + 1 < n_) {
      stiffness_.push_back(s.stiffness);
      k(i, i) += s.stiffness;
      k(i + 1, i + 1) += s.stiffness;
      k(i, i + 1) = k(i + 1, i) = -s.stiffness;
    }
  }
  Eigen::GeneralizedSelfAdjointEigenSolver<Eigen::MatrixXd> solver(k, m);
  if (solver.info() != Eigen::Success || !solver.eigenvectors().allFinite()) RaiseError(err::Overflow);
  const Eigen::MatrixXd& phi = solver.eigenvectors();  // mass-normalised, by rising eigenvalue
  modes_.push_back({0, std::vector<double>(static_cast<std::size_t>(n_), 1.0)});
  Eigen::MatrixXd c = Eigen::MatrixXd::Zero(n_, n_);
  for (int r = 1; r < n_; ++r) {
    const double w = std::sqrt(std::max(solver.eigenvalues()[r], 0.0));
    modes_.push_back({w / (2 * std::numbers::pi), RelativeShape(phi.col(r))});
    const Eigen::VectorXd mphi = m * phi.col(r);
    c += 2 * modalRatio * w * mphi * mphi.transpose();
  }
  for (int i = 0; i < n_; ++i) c(i, i) += stations[static_cast<std::size_t>(i)].damping;
  damped_ = c.cwiseAbs().maxCoeff() > 0;
  for (int i = 0; i < n_; ++i)
    for (int j = 0; j < n_; ++j) damping_.push_back(c(i, j));
}

std::vector<std::complex<double>> ShaftDynamics::Response(double omega,
                                                          const std::vector<std::complex<double>>& torque) const {
  if (static_cast<int>(torque.size()) != n_) RaiseError(err::InvalidCall);
  using Complex = std::complex<double>;
  Eigen::MatrixXcd a = Eigen::MatrixXcd::Zero(n_, n_);
  Eigen::VectorXcd t(n_);
  for (int i = 0; i < n_; ++i) {
    t[i] = torque[static_cast<std::size_t>(i)];
    a(i, i) = -omega * omega * inertia_[static_cast<std::size_t>(i)];
    for (int j = 0; j < n_; ++j) a(i, j) += Complex(0, omega * damping_[static_cast<std::size_t>(i * n_ + j)]);
  }
  for (int i = 0; i + 1 < n_; ++i) {
    const double k = stiffness_[static_cast<std::size_t>(i)];
    a(i, i) += k;
    a(i + 1, i + 1) += k;
    a(i, i + 1) -= k;
    a(i + 1, i) -= k;
  }
  const Eigen::VectorXcd x = a.partialPivLu().solve(t);
  if (!x.allFinite()) RaiseError(err::Overflow);
  return {x.data(), x.data() + n_};
}

}  // namespace zorvan
