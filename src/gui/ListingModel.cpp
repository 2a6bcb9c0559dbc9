#include "gui/ListingModel.h"

namespace qv {

namespace {

size_t Columns(const std::u16string& line) {
  size_t columns = 0;
  for (const char16_t c : line) columns += c >= u'\u1100' ? 2 : 1;
  return columns;
}

}  // namespace

void ListingModel::SetLines(const std::vector<std::u16string>& lines) {
  beginResetModel();
  lines_ = lines;
  widestRow_ = 0;
  size_t widest = 0;
  for (size_t row = 0; row < lines_.size(); ++row) {
    const size_t columns = Columns(lines_[row]);
    if (columns > widest) {
      widest = columns;
      widestRow_ = static_cast<int>(row);
    }
  }
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
