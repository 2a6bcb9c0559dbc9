#pragma once

// The codes of the post, material and thickness name lists, and the one table of their
// messages.

#include <cstdint>
#include <string>

namespace qv {

// Why the last add, change or delete of a name list failed.
enum class NameListStatus : int32_t {
  None = 0,
  NotSelected = 1,      // no text typed (post list: change and delete)
  NoInputFocus = 2,     // kept for the message table; no operation raises it
  Full = 11,            // the list already holds its largest number of names
  Empty = 12,           // nothing listed to delete
  BadControlMode = 13,  // kept for the message table; no operation raises it
  AddNameListed = 101,
  NothingToAdd = 102,
  ChangeNameUnchanged = 200,  // post list: the typed name is the selected one
  ChangeNameListed = 201,     // the new name is listed (or, materials: neither name changed)
  NothingToChange = 202,
  ChangeTargetMissing = 203,
  DeleteTargetMissing = 301,
  NothingToDelete = 302,
};

// Which of the three lists a message is for.
enum class NameList { Post, Material, Thickness };

// The message of a status for one list; empty for None and where the list has no text.
std::u16string NameListMessage(NameList list, NameListStatus status);

// Results of the post list's add, change and delete.
enum class NameEditResult : int32_t { Refused = -1, Done = 0 };

// Results of the material and thickness lists' operations.
enum class MaterialThicknessAdd : int32_t { Refused = -1, MaterialAdded = 0, ThicknessAdded = 1 };
enum class MaterialThicknessChange : int32_t {
  Refused = -1,
  MaterialRenamed = 0,
  ThicknessRenamed = 1,
  BothRenamed = 2,
};
enum class MaterialThicknessDelete : int32_t {
  Refused = -1,
  ThicknessDeleted = 0,
  MaterialDeleted = 1,  // it was the material's last thickness
};

}  // namespace qv
