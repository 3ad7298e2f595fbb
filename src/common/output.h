// The tool's text output. Everything the program prints on standard output
// goes through here, in program order, so that printf-style lines and the
// stream-style numbers agree and tests can capture the text.
#pragma once

#include <functional>
#include <string>

namespace manifit {

// printf to the current output.
void print(const char* format, ...) __attribute__((format(printf, 1, 2)));

// printf to the warning stream (standard error unless captured). Warnings
// never mix with the standard output that scripts compare.
void warn(const char* format, ...) __attribute__((format(printf, 1, 2)));

// While an object of this type lives, warnings are collected in memory
// instead of going to standard error. Captures nest.
class CapturedWarnings {
 public:
  CapturedWarnings();
  ~CapturedWarnings();
  CapturedWarnings(const CapturedWarnings&) = delete;
  CapturedWarnings& operator=(const CapturedWarnings&) = delete;
  const std::string& text() const { return text_; }

 private:
  std::string text_;
  std::string* previous_;
};

// A double as the standard output stream prints it by default: "%g".
std::string streamDouble(double value);

// Flushes the current output (standard output unless captured).
void flushOutput();

// While an object of this type lives, output is collected in memory instead
// of going to standard output. Captures nest.
class CapturedOutput {
 public:
  CapturedOutput();
  // Also hands every piece of text to the listener as soon as it is printed.
  explicit CapturedOutput(std::function<void(const std::string&)> listener);
  ~CapturedOutput();
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;
  const std::string& text() const { return text_; }
  // Takes one printed piece of text.
  void receive(const char* text, size_t length);

 private:
  std::string text_;
  std::function<void(const std::string&)> listener_;
  CapturedOutput* previous_;
};

}  // namespace manifit
