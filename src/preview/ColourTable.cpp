#include "preview/ColourTable.h"

#include <array>

namespace qv {
namespace {

// The seven non-black primaries as on/off per channel, in table order.
constexpr std::array<std::array<bool, 3>, 7> kPrimaries = {{{true, false, false},
                                                            {false, true, false},
                                                            {false, false, true},
                                                            {true, true, false},
                                                            {false, true, true},
                                                            {true, false, true},
                                                            {true, true, true}}};

Rgb AtLevel(size_t primary, uint8_t level) {
  const auto& on = kPrimaries[primary];
  return {on[0] ? level : uint8_t{0}, on[1] ? level : uint8_t{0}, on[2] ? level : uint8_t{0}};
}

}  // namespace

std::optional<Rgb> ColourOf(int32_t index) {
  if (index == 0) return Rgb{};
  if (index < 0 || index >= kTransparentTextIndex) return std::nullopt;
  constexpr std::array<uint8_t, 4> kLevels = {255, 192, 128, 64};
  const int32_t band = (index - 1) / 7;
  const int32_t primary = (index - 1) % 7;
  return AtLevel(static_cast<size_t>(primary), kLevels[static_cast<size_t>(band)]);
}

}  // namespace qv
