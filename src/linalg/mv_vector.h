// Dense vector with value semantics: it owns one contiguous array, copying
// copies the elements. Any failure to obtain storage ends the run with a fixed
// message and status 1 (see fatal.h). Instantiated for double and int only.
#pragma once

namespace manifit {

template <typename T>
class MV_Vector {
 public:
  MV_Vector() = default;
  explicit MV_Vector(int n);
  MV_Vector(int n, T value);
  MV_Vector(const T* values, int n);
  MV_Vector(const MV_Vector& other);
  ~MV_Vector();

  // Keeps storage and contents when n equals the length; otherwise obtains
  // fresh, uninitialized storage for n elements.
  MV_Vector& newsize(int n);
  MV_Vector& operator=(const MV_Vector& other);

  // Element access, zero-based, without bounds check.
  T& operator()(int i) { return storage_[i]; }
  const T& operator()(int i) const { return storage_[i]; }
  T& operator[](int i) { return storage_[i]; }
  const T& operator[](int i) const { return storage_[i]; }

  int length() const { return length_; }

  // Address of element 0; element 1's address (data() + 1) is valid even
  // for an empty vector that holds storage.
  T* data() { return storage_; }
  const T* data() const { return storage_; }

 private:
  T* storage_ = nullptr;
  int length_ = 0;
};

extern template class MV_Vector<double>;
extern template class MV_Vector<int>;

// The vectors of the solver: values, and indices into them.
using MV_Vector_double = MV_Vector<double>;
using MV_Vector_int = MV_Vector<int>;

}  // namespace manifit
