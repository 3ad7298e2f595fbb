// The option scan and validation: the input is the argument list, arguments
// separated by zero bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/output.h"
#include "driver/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> arguments(1, "manifit");
  std::string current;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  if (!current.empty()) arguments.push_back(current);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());

  manifit::CapturedOutput capture;
  const manifit::Options options = manifit::scanOptions(static_cast<int>(argv.size()), argv.data());
  const manifit::Status status = manifit::validateOptions(options);
  if (status.ok() && options.algorithm < 0) __builtin_trap();
  return 0;
}
