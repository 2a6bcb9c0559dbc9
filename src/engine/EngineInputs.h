#pragma once

#include <string>
#include <vector>

#include "post/PostStore.h"
#include "settings/KeepLists.h"
#include "settings/Settings.h"

namespace qv {

// What the engine reads but does not own: the current post record and machining condition,
// the run-wide settings, the keep lists, and the caller's head-comment list (appended to by
// normalization; not written when unset).
struct EngineInputs {
  const PostStore& store;
  const Settings& runWide;
  const KeepLists& keepLists;
  std::vector<std::u16string>* headComments = nullptr;
};

// Whether G93 origin shifts are converted into positionings: the G93 option converts
// coordinates and the program's own G92 is kept.
inline bool G93ConversionApplies(const EngineInputs& inputs) {
  return inputs.runWide.g93Mode == 0 && inputs.store.record.coordinateMode == 1;
}

}  // namespace qv
