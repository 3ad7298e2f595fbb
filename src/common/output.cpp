#include "common/output.h"

#include <cstdarg>
#include <cstdio>
#include <utility>
#include <vector>

namespace manifit {

namespace {
CapturedOutput* capture = nullptr;
}

void print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (capture == nullptr) {
    std::vfprintf(stdout, format, args);
    va_end(args);
    return;
  }
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length > 0) {
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    capture->receive(buffer.data(), static_cast<size_t>(length));
  }
  va_end(args);
}

std::string streamDouble(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

void flushOutput() {
  if (capture == nullptr) std::fflush(stdout);
}

CapturedOutput::CapturedOutput() : previous_(capture) {
  capture = this;
}

CapturedOutput::CapturedOutput(std::function<void(const std::string&)> listener)
    : listener_(std::move(listener)), previous_(capture) {
  capture = this;
}

void CapturedOutput::receive(const char* text, size_t length) {
  text_.append(text, length);
  if (listener_) listener_(std::string(text, length));
}

CapturedOutput::~CapturedOutput() {
  capture = previous_;
}

}  // namespace manifit
