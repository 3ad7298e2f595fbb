#include "linalg/mv_vector_double.h"

#include "linalg/element_storage.h"
#include "linalg/fatal.h"

namespace manifit {

namespace {

double* obtainForLength(int n) {
  double* storage = allocateElements<double>(n);
  if (storage == nullptr) {
    fatalToStderr(
        "Error: NULL pointer in MV_Vector_double(int) constructor \n"
        "       Most likely out of memory... ");
  }
  return storage;
}

}  // namespace

MV_Vector_double::MV_Vector_double(int n) : storage_(obtainForLength(n)), length_(n) {}

MV_Vector_double::MV_Vector_double(int n, double value) : storage_(obtainForLength(n)), length_(n) {
  for (int i = 0; i < n; ++i) storage_[i] = value;
}

MV_Vector_double::MV_Vector_double(const double* values, int n)
    : storage_(allocateElements<double>(n)), length_(n) {
  if (storage_ == nullptr) fatalToStderr("Error: Null pointer in MV_Vector_double(double*, int) ");
  for (int i = 0; i < n; ++i) storage_[i] = values[i];
}

MV_Vector_double::MV_Vector_double(const MV_Vector_double& other)
    : storage_(allocateElements<double>(other.length_)), length_(other.length_) {
  if (storage_ == nullptr) {
    fatalToStderr("Error:  Null pointer in MV_Vector_double(const MV_Vector&); ");
  }
  for (int i = 0; i < length_; ++i) storage_[i] = other.storage_[i];
}

MV_Vector_double::~MV_Vector_double() {
  releaseElements(storage_);
}

MV_Vector_double& MV_Vector_double::newsize(int n) {
  if (n == length_) return *this;
  releaseElements(storage_);
  // A failure leaves an empty vector behind, which its owner can still
  // destroy or resize.
  storage_ = nullptr;
  length_ = 0;
  storage_ = allocateElements<double>(n);
  if (storage_ == nullptr) fatalToStderr("Error : NULL pointer in operator= ");
  length_ = n;
  return *this;
}

MV_Vector_double& MV_Vector_double::operator=(const MV_Vector_double& other) {
  if (&other == this) return *this;
  newsize(other.length_);
  for (int i = 0; i < length_; ++i) storage_[i] = other.storage_[i];
  return *this;
}

}  // namespace manifit
