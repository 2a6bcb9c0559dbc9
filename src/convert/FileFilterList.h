#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/UserInteraction.h"

namespace qv {

// A file dialog's filter list after a file was chosen, and the 1-based entry to select.
struct FilterListUpdate {
  std::u16string list;
  int32_t index = 1;
  bool operator==(const FilterListUpdate&) const = default;
};

// The entries of a filter list "description|patterns|...||" for a file dialog.
std::vector<FileFilter> ParseFilterList(std::u16string_view list);

// Learns the extension of the chosen path: no extension selects entry 1; an extension found
// anywhere after the first pair keeps the list and the operator's entry; a new one is sorted in
// among the pairs after the first (case-insensitively) and selected.
FilterListUpdate UpdateFilterList(std::u16string_view list, int32_t selected,
                                  std::u16string_view chosenPath);

}  // namespace qv
