#pragma once

#include <optional>
#include <string>

#include "post/MachiningCondition.h"

namespace qv {

// What the machining-condition editor shows: the names of the edited pair (read-only) and the
// condition's fields, the work chute radio included.
struct McEditFields {
  std::u16string material;
  std::u16string thickness;
  MachiningCondition condition;

  bool operator==(const McEditFields&) const = default;
};

// The window of the machining-condition editor as its logic sees it.
class McEditView {
 public:
  virtual ~McEditView() = default;
  // Fills every field and selects the work chute radio.
  virtual void ShowFields(const McEditFields& fields) = 0;
  // The condition as the operator left the fields (layout and workChute are not read);
  // nullopt when the fields cannot be taken.
  virtual std::optional<MachiningCondition> Fields() const = 0;
  // The "コード" and "mm以下は出力無" fields editable (有) or read-only (無).
  virtual void SetWorkChuteEditable(bool editable) = 0;
};

}  // namespace qv
