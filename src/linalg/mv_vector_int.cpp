#include "linalg/mv_vector_int.h"

#include "linalg/element_storage.h"
#include "linalg/fatal.h"

namespace manifit {

namespace {

int* obtainForLength(int n) {
  int* storage = allocateElements<int>(n);
  if (storage == nullptr) {
    fatalToStderr(
        "Error: NULL pointer in MV_Vector_int(int) constructor \n"
        "       Most likely out of memory... ");
  }
  return storage;
}

}  // namespace

MV_Vector_int::MV_Vector_int(int n) : storage_(obtainForLength(n)), length_(n) {}

MV_Vector_int::MV_Vector_int(int n, int value) : storage_(obtainForLength(n)), length_(n) {
  for (int i = 0; i < n; ++i) storage_[i] = value;
}

MV_Vector_int::MV_Vector_int(const int* values, int n)
    : storage_(allocateElements<int>(n)), length_(n) {
  if (storage_ == nullptr) fatalToStderr("Error: Null pointer in MV_Vector_int(int*, int) ");
  for (int i = 0; i < n; ++i) storage_[i] = values[i];
}

MV_Vector_int::MV_Vector_int(const MV_Vector_int& other)
    : storage_(allocateElements<int>(other.length_)), length_(other.length_) {
  if (storage_ == nullptr) {
    fatalToStderr("Error:  Null pointer in MV_Vector_int(const MV_Vector&); ");
  }
  for (int i = 0; i < length_; ++i) storage_[i] = other.storage_[i];
}

MV_Vector_int::~MV_Vector_int() {
  releaseElements(storage_);
}

MV_Vector_int& MV_Vector_int::newsize(int n) {
  if (n == length_) return *this;
  releaseElements(storage_);
  // A failure leaves an empty vector behind, which its owner can still
  // destroy or resize.
  storage_ = nullptr;
  length_ = 0;
  storage_ = allocateElements<int>(n);
  if (storage_ == nullptr) fatalToStderr("Error : NULL pointer in operator= ");
  length_ = n;
  return *this;
}

MV_Vector_int& MV_Vector_int::operator=(const MV_Vector_int& other) {
  if (&other == this) return *this;
  newsize(other.length_);
  for (int i = 0; i < length_; ++i) storage_[i] = other.storage_[i];
  return *this;
}

}  // namespace manifit
