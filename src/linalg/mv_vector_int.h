// Dense vector of ints with value semantics: it owns one contiguous
// array, copying copies the elements. Any failure to obtain storage ends
// the run with a fixed message and status 1 (see fatal.h).
#pragma once

namespace manifit {

class MV_Vector_int {
 public:
  MV_Vector_int() = default;
  explicit MV_Vector_int(int n);
  MV_Vector_int(int n, int value);
  MV_Vector_int(const int* values, int n);
  MV_Vector_int(const MV_Vector_int& other);
  ~MV_Vector_int();

  // Keeps storage and contents when n equals the length; otherwise obtains
  // fresh, uninitialized storage for n elements.
  MV_Vector_int& newsize(int n);
  MV_Vector_int& operator=(const MV_Vector_int& other);

  // Element access, zero-based, without bounds check.
  int& operator()(int i) { return storage_[i]; }
  const int& operator()(int i) const { return storage_[i]; }
  int& operator[](int i) { return storage_[i]; }
  const int& operator[](int i) const { return storage_[i]; }

  int length() const { return length_; }

  // Address of element 0; element 1's address (data() + 1) is valid even
  // for an empty vector that holds storage.
  int* data() { return storage_; }
  const int* data() const { return storage_; }

 private:
  int* storage_ = nullptr;
  int length_ = 0;
};

}  // namespace manifit
