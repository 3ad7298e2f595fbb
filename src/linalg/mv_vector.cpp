#include "linalg/mv_vector.h"

#include "linalg/element_storage.h"
#include "linalg/fatal.h"

namespace manifit {

namespace {

// The failure messages, which name the element type; fixed texts, so that
// reporting a failure to obtain memory needs no memory.
template <typename T>
struct VectorMessages;

template <>
struct VectorMessages<double> {
  static constexpr const char* length =
      "Error: NULL pointer in MV_Vector_double(int) constructor \n"
      "       Most likely out of memory... ";
  static constexpr const char* values = "Error: Null pointer in MV_Vector_double(double*, int) ";
  static constexpr const char* copy =
      "Error:  Null pointer in MV_Vector_double(const MV_Vector&); ";
};

template <>
struct VectorMessages<int> {
  static constexpr const char* length =
      "Error: NULL pointer in MV_Vector_int(int) constructor \n"
      "       Most likely out of memory... ";
  static constexpr const char* values = "Error: Null pointer in MV_Vector_int(int*, int) ";
  static constexpr const char* copy = "Error:  Null pointer in MV_Vector_int(const MV_Vector&); ";
};

template <typename T>
T* obtainForLength(int n) {
  T* storage = allocateElements<T>(n);
  if (storage == nullptr) fatalToStderr(VectorMessages<T>::length);
  return storage;
}

}  // namespace

template <typename T>
MV_Vector<T>::MV_Vector(int n) : storage_(obtainForLength<T>(n)), length_(n) {}

template <typename T>
MV_Vector<T>::MV_Vector(int n, T value) : storage_(obtainForLength<T>(n)), length_(n) {
  for (int i = 0; i < n; ++i) storage_[i] = value;
}

template <typename T>
MV_Vector<T>::MV_Vector(const T* values, int n) : storage_(allocateElements<T>(n)), length_(n) {
  if (storage_ == nullptr) fatalToStderr(VectorMessages<T>::values);
  for (int i = 0; i < n; ++i) storage_[i] = values[i];
}

template <typename T>
MV_Vector<T>::MV_Vector(const MV_Vector& other)
    : storage_(allocateElements<T>(other.length_)), length_(other.length_) {
  if (storage_ == nullptr) fatalToStderr(VectorMessages<T>::copy);
  for (int i = 0; i < length_; ++i) storage_[i] = other.storage_[i];
}

template <typename T>
MV_Vector<T>::~MV_Vector() {
  releaseElements(storage_);
}

template <typename T>
MV_Vector<T>& MV_Vector<T>::newsize(int n) {
  if (n == length_) return *this;
  releaseElements(storage_);
  // A failure leaves an empty vector behind, which its owner can still
  // destroy or resize.
  storage_ = nullptr;
  length_ = 0;
  storage_ = allocateElements<T>(n);
  if (storage_ == nullptr) fatalToStderr("Error : NULL pointer in operator= ");
  length_ = n;
  return *this;
}

template <typename T>
MV_Vector<T>& MV_Vector<T>::operator=(const MV_Vector& other) {
  if (&other == this) return *this;
  newsize(other.length_);
  for (int i = 0; i < length_; ++i) storage_[i] = other.storage_[i];
  return *this;
}

template class MV_Vector<double>;
template class MV_Vector<int>;

}  // namespace manifit
