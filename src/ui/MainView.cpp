#include "ui/MainView.h"

namespace qv {

void HeadlessView::ShowLists(const DropDown& p, const DropDown& m, const DropDown& t) {
  posts = p;
  materials = m;
  thicknesses = t;
  fields.postName = p.text;
  fields.materialName = m.text;
  fields.thicknessName = t.text;
}

void HeadlessView::EnableControl(MainControl control, bool shown) {
  enabled[static_cast<size_t>(control)] = shown;
}

}  // namespace qv
