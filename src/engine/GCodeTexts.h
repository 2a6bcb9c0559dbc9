#pragma once

#include <bitset>
#include <string_view>

namespace qv {

// The "G" + two digit texts a line holds ("G01", "G90"), found in one pass: Has(n) is the same
// test as looking for the text "G" + two digits of n anywhere in the line, so the passes that
// ask a line for several codes read it once.
class GCodeTexts {
 public:
  explicit GCodeTexts(std::u16string_view line);
  // Whether the line holds the text "G" followed by the two digits of n (0 to 99).
  bool Has(int n) const { return texts_[static_cast<size_t>(n)]; }
  // G01, G02 or G03.
  bool HasCuttingCode() const { return Has(1) || Has(2) || Has(3); }

 private:
  std::bitset<100> texts_;
};

}  // namespace qv
