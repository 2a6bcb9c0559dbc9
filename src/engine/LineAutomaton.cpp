#include "engine/LineAutomaton.h"

#include <deque>

namespace qv {

LineAutomaton::LineAutomaton() : nodes_(1) {}

int32_t LineAutomaton::Child(int32_t node, char16_t c) const {
  for (int32_t child = nodes_[node].firstChild; child >= 0; child = nodes_[child].nextSibling) {
    if (nodes_[child].c == c) return child;
  }
  return -1;
}

int32_t LineAutomaton::Step(int32_t state, char16_t c) const {
  while (state != 0 && Child(state, c) < 0) state = nodes_[state].fail;
  const int32_t next = Child(state, c);
  return next < 0 ? 0 : next;
}

int32_t LineAutomaton::Add(std::u16string_view text, int32_t id, bool searched) {
  int32_t node = 0;
  for (const char16_t c : text) {
    int32_t next = Child(node, c);
    if (next < 0) {
      next = static_cast<int32_t>(nodes_.size());
      Node child;
      child.c = c;
      child.nextSibling = nodes_[node].firstChild;
      nodes_.push_back(child);
      nodes_[node].firstChild = next;
    }
    node = next;
  }
  Node& end = nodes_[node];
  if (end.id < 0) {
    end.id = id;
    end.searched = searched && node != 0;
  }
  return end.id;
}

int32_t LineAutomaton::Find(std::u16string_view text) const {
  int32_t node = 0;
  for (const char16_t c : text) {
    node = Child(node, c);
    if (node < 0) return -1;
  }
  return nodes_[node].id;
}

void LineAutomaton::Build() {
  std::deque<int32_t> queue;
  for (int32_t c = nodes_[0].firstChild; c >= 0; c = nodes_[c].nextSibling) queue.push_back(c);
  while (!queue.empty()) {
    const int32_t node = queue.front();
    queue.pop_front();
    for (int32_t child = nodes_[node].firstChild; child >= 0; child = nodes_[child].nextSibling) {
      const int32_t fail = node == 0 ? 0 : Step(nodes_[node].fail, nodes_[child].c);
      nodes_[child].fail = fail == child ? 0 : fail;
      const Node& suffix = nodes_[nodes_[child].fail];
      nodes_[child].output = suffix.searched ? nodes_[child].fail : suffix.output;
      queue.push_back(child);
    }
  }
}

}  // namespace qv
