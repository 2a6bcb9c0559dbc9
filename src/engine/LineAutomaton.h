#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {

// Finds, in one pass over a text, every occurrence of any of a set of texts (a keyword
// automaton): the cost of a scan grows with the text and the occurrences, not with the set.
class LineAutomaton {
 public:
  LineAutomaton();

  // Adds a non-empty text under an id; call Build after the last one.
  void Add(std::u16string_view text, int32_t id);
  void Build();
  // Calls found(id) for every occurrence of an added text in `text`.
  template <typename Found>
  void Scan(std::u16string_view text, Found&& found) const {
    int32_t state = 0;
    for (const char16_t c : text) {
      state = Step(state, c);
      for (int32_t o = nodes_[state].id >= 0 ? state : nodes_[state].output; o > 0;
           o = nodes_[o].output) {
        found(nodes_[o].id);
      }
    }
  }

 private:
  struct Node {
    std::vector<std::pair<char16_t, int32_t>> children;
    int32_t fail = 0;
    int32_t output = -1;  // the nearest shorter suffix node that ends a text
    int32_t id = -1;
  };
  int32_t Child(int32_t node, char16_t c) const;
  int32_t Step(int32_t state, char16_t c) const;

  std::vector<Node> nodes_;
};

}  // namespace qv
