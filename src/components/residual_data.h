// The residual data of the component extraction, R[i][j] = coordinate i of
// point j once the mean and the directions found so far are taken out, and
// the three passes the extraction makes over it. Two forms give the same
// numbers bit for bit: one keeps R as a matrix of its own (a second copy of
// the table), the other forms each value from the table when it is needed:
//   R_0[i][j] = float(x_j[i] - mean_i)
//   R_c[i][j] = float(R_{c-1}[i][j] - p_c[j] v_c[i])
// with p_c[j] the position of point j along the c-th direction v_c, which is
// all it keeps (one number per point and direction).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "components/line_fit.h"

namespace manifit {

struct DataTable;

class ResidualData {
 public:
  virtual ~ResidualData() = default;
  virtual std::size_t coordinates() const = 0;
  virtual std::size_t points() const = 0;
  // t_j = (sum_i (R[i][j] - b_i) v_i over the coordinates in order) / vv.
  virtual void linePositions(const std::vector<double>& v, const std::vector<double>& b, double vv,
                             std::vector<double>& t) const = 0;
  // regressionSums of residual_sums.h.
  virtual void regressionSums(const float* weights, const std::vector<double>& t,
                              std::vector<double>& sx, std::vector<double>& sxt) const = 0;
  // linePositions, then regressionSums with the positions t it found.
  virtual void lineSums(const float* weights, const std::vector<double>& v,
                        const std::vector<double>& b, double vv, std::vector<double>& t,
                        std::vector<double>& sx, std::vector<double>& sxt) const {
    linePositions(v, b, vv, t);
    regressionSums(weights, t, sx, sxt);
  }
  // deflateResiduals of residual_sums.h.
  virtual void deflate(const float* weights, const std::vector<double>& v, double& W, double& S1,
                       double& S2) = 0;
};

// R kept as a matrix, by coordinate.
class StoredResiduals : public ResidualData {
 public:
  explicit StoredResiduals(Residuals values) : R(std::move(values)) {}
  StoredResiduals(const DataTable& table, const std::vector<double>& mean);
  std::size_t coordinates() const override { return R.size(); }
  std::size_t points() const override { return R.empty() ? 0 : R[0].size(); }
  void linePositions(const std::vector<double>& v, const std::vector<double>& b, double vv,
                     std::vector<double>& t) const override;
  void regressionSums(const float* weights, const std::vector<double>& t, std::vector<double>& sx,
                      std::vector<double>& sxt) const override;
  void deflate(const float* weights, const std::vector<double>& v, double& W, double& S1,
               double& S2) override;

  Residuals R;
};

// R formed from the table on every pass.
class TableResiduals : public ResidualData {
 public:
  TableResiduals(const DataTable& table, const std::vector<double>& mean);
  std::size_t coordinates() const override { return mean.size(); }
  std::size_t points() const override { return mean.empty() ? 0 : pointCount; }
  void linePositions(const std::vector<double>& v, const std::vector<double>& b, double vv,
                     std::vector<double>& t) const override;
  void regressionSums(const float* weights, const std::vector<double>& t, std::vector<double>& sx,
                      std::vector<double>& sxt) const override;
  // In one pass over the table when the table is narrow and one thread does
  // the work, in two otherwise; the same numbers either way.
  void lineSums(const float* weights, const std::vector<double>& v, const std::vector<double>& b,
                double vv, std::vector<double>& t, std::vector<double>& sx,
                std::vector<double>& sxt) const override;
  void deflate(const float* weights, const std::vector<double>& v, double& W, double& S1,
               double& S2) override;

  // out[i - from] = R[i][j] for the coordinates i in [from, to).
  void residualRow(std::size_t j, std::size_t from, std::size_t to, float* out) const;

 private:
  // Points whose residuals are formed together, coordinate by coordinate, so
  // that every operation runs across the points of the block.
  static constexpr std::size_t kBlock = 64;
  // Coordinates copied into a block's buffer at a time.
  static constexpr std::size_t kSlice = 64;

  // out[k] = R[i][first + k] for k < count, given out[k] = x_{first + k}[i].
  void residualColumn(std::size_t first, std::size_t count, std::size_t i, float* out) const;
  // out[k] = sum_i (R[i][first + k] - b_i) v_i over the coordinates in order
  // for k < count (at most one block); with b null, sum_i R[i][first + k] v_i.
  void blockProducts(std::size_t first, std::size_t count, const double* v, const double* b,
                     double* out) const;
  // Copies the table's coordinates [from, to) of the block's points into
  // columns, coordinate-major: columns[(i - from) * kBlock + k] = x_{first + k}[i].
  void copyColumns(std::size_t first, std::size_t count, std::size_t from, std::size_t to,
                   float* columns) const;
  // lineSums by the kernels of line_sums_kernel.h, for a narrow table.
  void narrowLineSums(const float* weights, const std::vector<double>& v,
                      const std::vector<double>& b, double vv, std::vector<double>& t,
                      std::vector<double>& sx, std::vector<double>& sxt) const;
  // blockProducts over all points, out[j] for point j.
  void products(const std::vector<double>& v, const double* b, std::vector<double>& out) const;

  const DataTable* table = nullptr;
  std::size_t pointCount = 0;
  std::vector<double> mean;
  std::vector<std::vector<double>> directions;  // v_c
  std::vector<std::vector<double>> positions;   // p_c[j]
};

}  // namespace manifit
