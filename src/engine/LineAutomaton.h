#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace qv {

// Finds, in one pass over a text, every occurrence of any of a set of texts (a keyword
// automaton): the cost of a scan grows with the text and the occurrences, not with the set.
class LineAutomaton {
 public:
  LineAutomaton();

  // Adds a text under an id, unless it was added before; returns the id the text has. A text
  // added as not searched is only found whole (by Find), never as an occurrence. Call Build
  // after the last one.
  int32_t Add(std::u16string_view text, int32_t id, bool searched = true);
  void Build();
  // The id of a text added before, or -1.
  int32_t Find(std::u16string_view text) const;
  // Calls found(id) for every occurrence of a searched text in `text` (the empty text never).
  template <typename Found>
  void Scan(std::u16string_view text, Found&& found) const {
    int32_t state = 0;
    for (const char16_t c : text) {
      state = Step(state, c);
      for (int32_t o = nodes_[state].searched ? state : nodes_[state].output; o > 0;
           o = nodes_[o].output) {
        found(nodes_[o].id);
      }
    }
  }

 private:
  // Nodes hold their children as a list through the flat node array, so a large set of texts
  // costs no allocation per node.
  struct Node {
    int32_t firstChild = -1;
    int32_t nextSibling = -1;
    char16_t c = 0;
    int32_t fail = 0;
    int32_t output = -1;  // the nearest shorter suffix node that ends a searched text
    int32_t id = -1;
    bool searched = false;
  };
  int32_t Child(int32_t node, char16_t c) const;
  int32_t Step(int32_t state, char16_t c) const;

  std::vector<Node> nodes_;
};

}  // namespace qv
