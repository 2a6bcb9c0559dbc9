#include "engine/LineAutomaton.h"

#include <deque>

namespace qv {

LineAutomaton::LineAutomaton() : nodes_(1) {}

int32_t LineAutomaton::Child(int32_t node, char16_t c) const {
  for (const auto& [ch, to] : nodes_[node].children) {
    if (ch == c) return to;
  }
  return -1;
}

int32_t LineAutomaton::Step(int32_t state, char16_t c) const {
  while (state != 0 && Child(state, c) < 0) state = nodes_[state].fail;
  const int32_t next = Child(state, c);
  return next < 0 ? 0 : next;
}

void LineAutomaton::Add(std::u16string_view text, int32_t id) {
  int32_t node = 0;
  for (const char16_t c : text) {
    int32_t next = Child(node, c);
    if (next < 0) {
      next = static_cast<int32_t>(nodes_.size());
      nodes_[node].children.emplace_back(c, next);
      nodes_.emplace_back();
    }
    node = next;
  }
  nodes_[node].id = id;
}

void LineAutomaton::Build() {
  std::deque<int32_t> queue;
  for (const auto& child : nodes_[0].children) queue.push_back(child.second);
  while (!queue.empty()) {
    const int32_t node = queue.front();
    queue.pop_front();
    for (const auto& [c, child] : nodes_[node].children) {
      const int32_t fail = node == 0 ? 0 : Step(nodes_[node].fail, c);
      nodes_[child].fail = fail == child ? 0 : fail;
      const Node& suffix = nodes_[nodes_[child].fail];
      nodes_[child].output = suffix.id >= 0 ? nodes_[child].fail : suffix.output;
      queue.push_back(child);
    }
  }
}

}  // namespace qv
