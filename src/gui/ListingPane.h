#pragma once

#include <QWidget>

class QLineEdit;
class QListView;
class QTimer;

namespace qv {

class ListingModel;
struct Listing;

// The right side of the main window: the caption line, the line numbers (40 pixels wide) beside
// the data lines, and the preview area below them. The operator drags the band at the lists'
// bottom edge to share the height between lists and preview.
class ListingPane : public QWidget {
 public:
  explicit ListingPane(QWidget* parent = nullptr);

  void Show(const Listing& listing);
  // The lists' bottom edge in this pane's coordinates; kept within the allowed share.
  int Splitter() const;
  void SetSplitter(int splitter);
  // The pane's height that 1/10 and 9/10 refer to (the window's client height).
  void SetClientHeight(int height, int offset);

  QListView* Numbers() const { return numbers_; }
  QListView* Lines() const { return lines_; }
  QWidget* Preview() const { return preview_; }
  QLineEdit* Caption() const { return caption_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOut();
  int ListsTop() const;
  bool InBand(int y) const;
  void SyncNumbers();

  QLineEdit* caption_;
  ListingModel* numberModel_;
  ListingModel* lineModel_;
  QListView* numbers_;
  QListView* lines_;
  QWidget* preview_;
  QTimer* syncTimer_;
  int splitter_ = 300;
  int clientHeight_ = 768;
  int offset_ = 0;  // this pane's top in the window's client area
  bool dragging_ = false;
};

}  // namespace qv
