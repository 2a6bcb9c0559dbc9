// libFuzzer target for the preview's word interpretation: the fuzzer's bytes after the first are
// a program (code page 932, one block a line) drawn into an area, zoomed, panned and drawn again;
// the first byte picks the post's decimal places index and the display settings.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "platform/Codec.h"
#include "preview/Cncdatadraw.h"
#include "preview/NullCanvas.h"

namespace {

std::vector<std::u16string> Lines(std::string_view bytes) {
  std::vector<std::u16string> lines;
  size_t start = 0;
  while (start <= bytes.size()) {
    const size_t end = std::min(bytes.find('\n', start), bytes.size());
    lines.push_back(qv::DecodeCp932(bytes.substr(start, end - start)));
    start = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::fuzz::FuzzInput input = qv::fuzz::Split(data, size);
  qv::Cncdatadraw draw;
  draw.SetDecimalIndex(input.pick % 5);
  draw.SetSettings({(input.pick >> 3) & 1, (input.pick >> 4) & 1, (input.pick >> 5) % 8, 4});
  draw.SetLineSource(qv::FixedLineSource(Lines(input.bytes)));
  qv::test::NullCanvas canvas;
  if (draw.Draw(canvas, false, 410, 210) < 0) return 0;
  draw.Zoom((input.pick & 0x80) ? 3 : -3, {100, 50});
  draw.Pan(-17, 9);
  draw.Draw(canvas, true, 410, 210);
  return 0;
}
