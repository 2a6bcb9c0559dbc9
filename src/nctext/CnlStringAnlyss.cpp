#include "nctext/CnlStringAnlyss.h"

namespace qv {

int32_t CnlStringAnlyss::AddSeparator(char16_t separator) {
  if (separatorCount_ >= kMaxSeparators) return -1;
  separators_[static_cast<size_t>(separatorCount_++)] = separator;
  return 0;
}

bool CnlStringAnlyss::MatchesSeparator(char16_t c) const {
  for (int32_t i = 0; i < separatorCount_; ++i) {
    if (separators_[static_cast<size_t>(i)] == c) {
      return lastSeparator_ == u' ' || c != u' ';
    }
  }
  return false;
}

// One left-to-right pass: quotes group characters (and are dropped), a matching separator
// ends the current token. An empty token is kept only between non-space separators.
int32_t CnlStringAnlyss::Split(std::u16string_view line) {
  int32_t appended = 0;
  std::u16string current;
  bool inQuote = false;
  for (const char16_t c : line) {
    if (inQuote) {
      if (c == u'"') {
        inQuote = false;
      } else {
        current.push_back(c);
      }
    } else if (c == u'"') {
      inQuote = true;
    } else if (MatchesSeparator(c)) {
      lastSeparator_ = c;
      if (!current.empty() || lastSeparator_ != u' ') {
        tokens_.push_back(std::move(current));
        ++appended;
      }
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) {
    tokens_.push_back(std::move(current));
    ++appended;
  }
  return appended;
}

int32_t CnlStringAnlyss::GetToken(int32_t index, std::u16string& token) const {
  token.clear();
  if (tokens_.empty()) return 0;
  if (index < 0 || static_cast<size_t>(index) >= tokens_.size()) return -1;
  token = tokens_[static_cast<size_t>(index)];
  return 0;
}

}  // namespace qv
