#include "gui/ListingModel.h"

namespace qv {

namespace {

// Room a line takes in character cells: East Asian letters take two, half-width katakana one,
// and a character outside the basic plane (two code units) two.
size_t Columns(const std::u16string& line) {
  size_t columns = 0;
  for (const char16_t c : line) {
    const bool narrow = c < u'\u1100' || (c >= u'\uFF61' && c <= u'\uFF9F');
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    columns += narrow || surrogate ? 1 : 2;
  }
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
