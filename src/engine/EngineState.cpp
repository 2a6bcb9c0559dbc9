#include "engine/EngineState.h"

namespace qv {

EngineState::EngineState()
    : matchLine(kMaxMatches),
      matchStart(kMaxMatches),
      matchEnd(kMaxMatches),
      matchCode(kMaxMatches),
      elements(kMaxElements) {}

bool EngineState::AddMatch(int32_t line, int32_t start, int32_t end, int32_t code) {
  if (matchCount >= kMaxMatches) return false;
  matchLine[matchCount] = line;
  matchStart[matchCount] = start;
  matchEnd[matchCount] = end;
  matchCode[matchCount] = code;
  ++matchCount;
  return true;
}

bool EngineState::AddElement(const PathElement& element) {
  if (elementCount >= kMaxElements) return false;
  elements[elementCount++] = element;
  return true;
}

}  // namespace qv
