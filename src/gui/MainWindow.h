#pragma once

#include <QDialog>

#include "gui/MainForm.h"
#include "preview/DisplayState.h"
#include "ui/MainView.h"

class QAction;

namespace qv {

class CQuorvalenDlg;
class ListingPane;

// The program's main window: the groups of option controls on the left, the conversion type at
// the top right, the listings and the preview on the right. It shows what the dialog's logic
// tells it and hands every click to that logic.
class MainWindow : public QDialog, public MainView {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Passes the controls' actions to the dialog's logic from now on; the preview draws the
  // program its engine holds.
  void Attach(CQuorvalenDlg& dialog);

  ConversionOptions Fields() const override;
  void ShowFields(const ConversionOptions& fields) override;
  void ShowLists(const DropDown& posts, const DropDown& materials,
                 const DropDown& thicknesses) override;
  void ShowListing(const Listing& listing) override;
  void EnableConvert(bool enabled) override;
  void SetTitle(const std::u16string& title) override;
  void EnableControl(MainControl control, bool enabled) override;
  void ShowTransfer(bool shown) override;
  ScreenAreas Screen() const override;
  WindowFrame Frame() const override;
  void MoveTo(ScreenPoint position) override;
  void PlaceWindow(const WindowFrame& frame) override;
  bool RunPostEditor() override;
  bool RunConditionEditor() override;
  bool RunInputTable(int32_t set, std::vector<std::u16string>& a,
                     std::vector<std::u16string>& b) override;
  bool RunStringTable() override;
  bool RunParameters() override;
  void RunAbout() override;
  void RunUnconvertible(int32_t count, const std::vector<std::u16string>& entries,
                        const std::vector<std::u16string>& noMoveFigures) override;

  const MainForm& Form() const { return form_; }
  ListingPane* Listings() const { return listings_; }
  // "ﾊﾞｰｼﾞｮﾝ情報(Drevmark) (&A)...".
  QAction* VersionAction() const { return version_; }

  void reject() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ConnectButtons(CQuorvalenDlg& dialog);
  void ConnectOptions(CQuorvalenDlg& dialog);
  void UpdateSplitterBounds();

  MainForm form_;
  ListingPane* listings_;
  QAction* version_;
  CQuorvalenDlg* dialog_ = nullptr;
  DisplayState display_;
  bool maximizeOnShow_ = false;
};

// The title of the main window; a forwarding start finds the running instance by it.
QString MainWindowTitle();

}  // namespace qv
