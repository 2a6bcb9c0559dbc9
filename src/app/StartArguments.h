#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Values of `StartMode`.
inline constexpr int32_t kStartNormal = 0;
inline constexpr int32_t kStartForwarding = 10;
inline constexpr int32_t kStartAutomatic = 20;

// The start arguments and the mode they select.
struct StartArguments {
  int32_t startMode = kStartNormal;
  std::u16string commandLine;  // the whole argument string
  std::u16string inputPath;    // forwarding start: field 1
  std::u16string outputPath;   // forwarding start: field 2
  bool operator==(const StartArguments&) const = default;
};

// The arguments after the program name (UTF-8), joined by one space.
std::u16string JoinArguments(int argc, const char* const* argv);

// Splits the argument string at "|": "TARVELIS" with exactly two more fields is a forwarding
// start, "AUTOCONV" alone an automatic start, anything else a normal start.
StartArguments ParseStartArguments(std::u16string_view commandLine);

}  // namespace qv
