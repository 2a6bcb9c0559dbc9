#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// Most separators one analyser holds.
inline constexpr int kMaxSeparators = 10;

// Splits lines into tokens at separator characters, honouring double quotes. Once a separator
// other than the space has matched, spaces stop separating for the rest of the object's life.
class CnlStringAnlyss {
 public:
  CnlStringAnlyss() = default;
  virtual ~CnlStringAnlyss() = default;

  // Appends a separator; returns 0, or -1 (nothing added) when ten are already held.
  int32_t AddSeparator(char16_t separator);
  // Appends the tokens of line and returns how many it appended.
  int32_t Split(std::u16string_view line);
  // The token at index; an empty string when there are no tokens. Returns 0, or -1 (token
  // empty) for an index outside the tokens.
  int32_t GetToken(int32_t index, std::u16string& token) const;
  // Empties the tokens; separators and the last matched separator stay.
  void ClearTokens() { tokens_.clear(); }

  int32_t TokenCount() const { return static_cast<int32_t>(tokens_.size()); }

 private:
  bool MatchesSeparator(char16_t c) const;

  std::vector<std::u16string> tokens_;
  std::array<char16_t, kMaxSeparators> separators_{};
  int32_t separatorCount_ = 0;
  char16_t lastSeparator_ = u' ';
};

}  // namespace qv
