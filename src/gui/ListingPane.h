#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;
class QListView;
class QTimer;

namespace qv {

class Cncdrawbutton;
class ListingModel;
struct Listing;

// The right side of the main window: the caption line with the preview's coordinate read-out,
// the line numbers (40 pixels wide) beside the data lines, and the preview below them. The
// operator drags the band at the lists' bottom edge to share the height between lists and
// preview. A line chosen in the lists is highlighted in the preview, and a piece of the path
// clicked in the preview chooses its line in both lists.
class ListingPane : public QWidget {
 public:
  explicit ListingPane(QWidget* parent = nullptr);

  // Fills the lists and asks the preview to draw the program again.
  void Show(const Listing& listing);
  // Chooses and shows the row of program line `line` (0-based) in both lists.
  void SelectLine(int32_t line);
  // The program line of a row, and the row of a program line (-1 when not listed).
  int32_t LineOfRow(int row) const;
  int RowOfLine(int32_t line) const;
  // The lists' bottom edge in this pane's coordinates; kept within the allowed share.
  int Splitter() const;
  void SetSplitter(int splitter);
  // The pane's height that 1/10 and 9/10 refer to (the window's client height).
  void SetClientHeight(int height, int offset);

  QListView* Numbers() const { return numbers_; }
  QListView* Lines() const { return lines_; }
  Cncdrawbutton* Preview() const { return preview_; }
  QLineEdit* Caption() const { return caption_; }
  QLabel* Coordinates() const { return coordinates_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOut();
  int ListsTop() const;
  bool InBand(int y) const;
  void SyncNumbers();
  void ConnectPreview();

  QLineEdit* caption_;
  ListingModel* numberModel_;
  ListingModel* lineModel_;
  QListView* numbers_;
  QListView* lines_;
  Cncdrawbutton* preview_;
  QLabel* coordinates_;
  std::vector<int32_t> lineOfRow_;
  QTimer* syncTimer_;
  int splitter_ = 300;
  int clientHeight_ = 768;
  int offset_ = 0;  // this pane's top in the window's client area
  bool dragging_ = false;
};

}  // namespace qv
