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

}  // namespace qv
