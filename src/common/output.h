// The tool's text output. Everything the program prints on standard output
// goes through here, in program order, so that printf-style lines and the
// stream-style numbers agree and tests can capture the text.
//
// Captures belong to the thread that makes them: text printed on a thread
// goes to that thread's innermost capture that takes it, or to the stream.
#pragma once

#include <functional>
#include <string>

namespace manifit {

// printf to the current output.
void print(const char* format, ...) __attribute__((format(printf, 1, 2)));

// printf to the warning stream (standard error unless captured). Warnings
// never mix with the standard output that scripts compare.
void warn(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A double as the standard output stream prints it by default: "%g".
std::string streamDouble(double value);

// Flushes the current output (standard output unless captured).
void flushOutput();

// A receiver of this thread's printed text (takesOutput) or warnings
// (takesWarnings) while it lives. Receivers nest: the innermost that takes a
// piece of text receives it.
class TextReceiver {
 public:
  TextReceiver(const TextReceiver&) = delete;
  TextReceiver& operator=(const TextReceiver&) = delete;

  bool takes(bool warning) const { return warning ? takesWarnings_ : takesOutput_; }
  virtual void receive(bool warning, const std::string& text) = 0;
  // The receiver that was innermost when this one was made.
  TextReceiver* outer() const { return outer_; }

 protected:
  TextReceiver(bool takesOutput, bool takesWarnings);
  virtual ~TextReceiver();

 private:
  bool takesOutput_;
  bool takesWarnings_;
  TextReceiver* outer_;
};

// While an object of this type lives, warnings are collected in memory
// instead of going to standard error.
class CapturedWarnings : public TextReceiver {
 public:
  CapturedWarnings();
  const std::string& text() const { return text_; }
  void receive(bool warning, const std::string& text) override;

 private:
  std::string text_;
};

// While an object of this type lives, output is collected in memory instead
// of going to standard output.
class CapturedOutput : public TextReceiver {
 public:
  CapturedOutput();
  // Also hands every piece of text to the listener as soon as it is printed.
  explicit CapturedOutput(std::function<void(const std::string&)> listener);
  const std::string& text() const { return text_; }
  void receive(bool warning, const std::string& text) override;

 private:
  std::string text_;
  std::function<void(const std::string&)> listener_;
};

// While an object of this type lives, every piece of text printed and every
// warning goes to the listener instead (warning tells which). The listener
// runs with the receivers that were in force before this one, so what it
// prints itself goes where it would have gone without it.
class ForwardedText : public TextReceiver {
 public:
  using Listener = std::function<void(bool warning, const std::string& text)>;
  explicit ForwardedText(Listener listener);
  void receive(bool warning, const std::string& text) override;
  // Runs work with the receivers that were in force before this one.
  void outside(const std::function<void()>& work);

 private:
  Listener listener_;
};

}  // namespace manifit
