#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace qv {

// One listing's lines for a list view; a line becomes a QString only when the view draws it, so
// tens of thousands of lines show at once.
class ListingModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void SetLines(const std::vector<std::u16string>& lines);
  const std::vector<std::u16string>& Lines() const { return lines_; }
  // The row whose line takes the most room (wide characters count twice); 0 when empty.
  int WidestRow() const { return widestRow_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<std::u16string> lines_;
  int widestRow_ = 0;
};

}  // namespace qv
