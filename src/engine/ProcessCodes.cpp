#include "engine/ProcessCodes.h"

#include "nctext/StringUtil.h"

namespace qv {
namespace {

bool HasCode(std::u16string_view line, std::u16string_view code) {
  return !code.empty() && Contains(line, code);
}

BlockKind FindProcessCode(std::u16string_view line, const MachiningCondition& condition) {
  if (HasCode(line, condition.marking[0]) || HasCode(line, condition.marking[2])) {
    return BlockKind::Marking;
  }
  if (HasCode(line, condition.punch[0])) return BlockKind::Punching;
  if (HasCode(line, condition.cutSourceCondition)) return BlockKind::Cutting;
  return BlockKind::None;
}

}  // namespace

BlockKind SearchProcessCode(EngineState& state, std::u16string_view line,
                            const MachiningCondition& condition) {
  const BlockKind found = FindProcessCode(line, condition);
  if (found != BlockKind::None) state.processFoundLast = found;
  return found;
}

}  // namespace qv
