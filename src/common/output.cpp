#include "common/output.h"

#include <cstdarg>
#include <cstdio>
#include <utility>
#include <vector>

namespace manifit {

namespace {
CapturedOutput* capture = nullptr;
std::string* warningCapture = nullptr;

// The formatted text, or empty when there is none.
std::string formatted(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  return std::string(buffer.data(), static_cast<size_t>(length));
}
}  // namespace

void print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (capture == nullptr) {
    std::vfprintf(stdout, format, args);
  } else {
    const std::string text = formatted(format, args);
    if (!text.empty()) capture->receive(text.data(), text.size());
  }
  va_end(args);
}

void warn(const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (warningCapture == nullptr) {
    // Standard output first, so that a warning follows the lines printed before it.
    std::fflush(stdout);
    std::vfprintf(stderr, format, args);
  } else {
    warningCapture->append(formatted(format, args));
  }
  va_end(args);
}

CapturedWarnings::CapturedWarnings() : previous_(warningCapture) {
  warningCapture = &text_;
}

CapturedWarnings::~CapturedWarnings() {
  warningCapture = previous_;
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
