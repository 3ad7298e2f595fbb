// Dense vector of doubles with value semantics: it owns one contiguous
// array, copying copies the elements. Any failure to obtain storage ends
// the run with a fixed message and status 1 (see fatal.h).
#pragma once

namespace manifit {

class MV_Vector_double {
 public:
  MV_Vector_double() = default;
  explicit MV_Vector_double(int n);
  MV_Vector_double(int n, double value);
  MV_Vector_double(const double* values, int n);
  MV_Vector_double(const MV_Vector_double& other);
  ~MV_Vector_double();

  // Keeps storage and contents when n equals the length; otherwise obtains
  // fresh, uninitialized storage for n elements.
  MV_Vector_double& newsize(int n);
  MV_Vector_double& operator=(const MV_Vector_double& other);

  // Element access, zero-based, without bounds check.
  double& operator()(int i) { return storage_[i]; }
  const double& operator()(int i) const { return storage_[i]; }
  double& operator[](int i) { return storage_[i]; }
  const double& operator[](int i) const { return storage_[i]; }

  int length() const { return length_; }

  // Address of element 0; element 1's address (data() + 1) is valid even
  // for an empty vector that holds storage.
  double* data() { return storage_; }
  const double* data() const { return storage_; }

 private:
  double* storage_ = nullptr;
  int length_ = 0;
};

}  // namespace manifit
