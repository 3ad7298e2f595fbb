#include "common/output.h"

#include <cstdarg>
#include <cstdio>
#include <utility>
#include <vector>

namespace manifit {

namespace {

// The innermost receiver of this thread; none sends the text to the streams.
thread_local TextReceiver* innermost = nullptr;

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

// The receiver this thread's text of the given kind goes to, or none.
TextReceiver* receiverOf(bool warning) {
  TextReceiver* r = innermost;
  while (r != nullptr && !r->takes(warning)) r = r->outer();
  return r;
}

}  // namespace

TextReceiver::TextReceiver(bool takesOutput, bool takesWarnings)
    : takesOutput_(takesOutput), takesWarnings_(takesWarnings), outer_(innermost) {
  innermost = this;
}

TextReceiver::~TextReceiver() {
  innermost = outer_;
}

void print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  TextReceiver* receiver = receiverOf(false);
  if (receiver == nullptr) {
    std::vfprintf(stdout, format, args);
    va_end(args);
    return;
  }
  const std::string text = formatted(format, args);
  va_end(args);
  // A receiver may throw (a listener's exception); the arguments are done with.
  if (!text.empty()) receiver->receive(false, text);
}

void warn(const char* format, ...) {
  va_list args;
  va_start(args, format);
  TextReceiver* receiver = receiverOf(true);
  if (receiver == nullptr) {
    // Standard output first, so that a warning follows the lines printed before it.
    std::fflush(stdout);
    std::vfprintf(stderr, format, args);
    va_end(args);
    return;
  }
  const std::string text = formatted(format, args);
  va_end(args);
  if (!text.empty()) receiver->receive(true, text);
}

std::string streamDouble(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

void flushOutput() {
  if (receiverOf(false) == nullptr) std::fflush(stdout);
}

CapturedWarnings::CapturedWarnings() : TextReceiver(false, true) {}

void CapturedWarnings::receive(bool, const std::string& text) {
  text_ += text;
}

CapturedOutput::CapturedOutput() : TextReceiver(true, false) {}

CapturedOutput::CapturedOutput(std::function<void(const std::string&)> listener)
    : TextReceiver(true, false), listener_(std::move(listener)) {}

void CapturedOutput::receive(bool, const std::string& text) {
  text_ += text;
  if (listener_) listener_(text);
}

ForwardedText::ForwardedText(Listener listener)
    : TextReceiver(true, true), listener_(std::move(listener)) {}

void ForwardedText::receive(bool warning, const std::string& text) {
  outside([&] { listener_(warning, text); });
}

void ForwardedText::outside(const std::function<void()>& work) {
  // The receivers are restored also when the work throws.
  struct Outside {
    TextReceiver* saved;
    explicit Outside(TextReceiver* outer) : saved(innermost) { innermost = outer; }
    ~Outside() { innermost = saved; }
  } scope(outer());
  work();
}

}  // namespace manifit
