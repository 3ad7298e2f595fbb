// The model file reader (and the JSON reader below it): a model that reads
// is written again and must read back to the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "driver/model_build.h"
#include "driver/model_file.h"
#include "grid/grid_types.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  manifit::limitGridSizes(2000, 20000);
  const std::string text(reinterpret_cast<const char*>(data), size);
  manifit::Model model;
  const manifit::Status status = manifit::modelFromText(text, "m.json", model);
  if (!status.ok()) {
    if (status.message.empty() || status.message.back() != '\n') __builtin_trap();
    return 0;
  }
  std::string written;
  if (!manifit::modelToText(model, written).ok()) __builtin_trap();
  manifit::Model again;
  std::string rewritten;
  if (!manifit::modelFromText(written, "m.json", again).ok()) __builtin_trap();
  if (!manifit::modelToText(again, rewritten).ok() || rewritten != written) __builtin_trap();
  // The grid it describes can project a point.
  const auto grid = manifit::gridFromModel(model);
  grid->refreshNodeCache();
  std::vector<float> x(static_cast<size_t>(model.dimension), 0.5f);
  float out[3] = {0, 0, 0};
  grid->projectPoint(x.data(), out);
  return 0;
}
