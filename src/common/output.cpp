#include "common/output.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace manifit {

namespace {
std::string* capture = nullptr;
std::string* warningCapture = nullptr;

void emit(std::FILE* stream, std::string* captured, const char* format, va_list args) {
  if (captured == nullptr) {
    std::vfprintf(stream, format, args);
    return;
  }
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length > 0) {
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    captured->append(buffer.data(), static_cast<size_t>(length));
  }
}
}  // namespace

void print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  emit(stdout, capture, format, args);
  va_end(args);
}

void warn(const char* format, ...) {
  // Standard output first, so that a warning follows the lines printed before it.
  if (warningCapture == nullptr) std::fflush(stdout);
  va_list args;
  va_start(args, format);
  emit(stderr, warningCapture, format, args);
  va_end(args);
}

CapturedWarnings::CapturedWarnings() : previous_(warningCapture) { warningCapture = &text_; }

CapturedWarnings::~CapturedWarnings() { warningCapture = previous_; }

std::string streamDouble(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

void flushOutput() {
  if (capture == nullptr) std::fflush(stdout);
}

CapturedOutput::CapturedOutput() : previous_(capture) { capture = &text_; }

CapturedOutput::~CapturedOutput() { capture = previous_; }

}  // namespace manifit
