#include "ui/MainView.h"

#include "ui/QuorvalenDlg1.h"

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

void HeadlessView::RunUnconvertible(int32_t count, const std::vector<std::u16string>& entries,
                                    const std::vector<std::u16string>& figures) {
  unconvertibleLines = UnconvertibleLines(count, entries);
  noMoveFigures = figures;
}

}  // namespace qv
