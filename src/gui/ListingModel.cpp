#include "gui/ListingModel.h"

namespace qv {

void ListingModel::SetLines(const std::vector<std::u16string>& lines) {
  beginResetModel();
  lines_ = lines;
  endResetModel();
}

int ListingModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ListingModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return QString::fromStdU16String(lines_[static_cast<size_t>(index.row())]);
}

}  // namespace qv
