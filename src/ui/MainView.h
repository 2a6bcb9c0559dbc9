#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/ConversionOptions.h"
#include "ui/WindowPlacement.h"

namespace qv {

// One drop-down list: its items and the text its edit shows.
struct DropDown {
  std::vector<std::u16string> items;
  std::u16string text;
  bool operator==(const DropDown&) const = default;
};

// The two list boxes and the caption above them.
struct Listing {
  std::u16string caption;
  std::vector<std::u16string> numbers;  // "%5d" of each shown line's place
  std::vector<std::u16string> lines;
  bool operator==(const Listing&) const = default;
};

// The controls whose enabling the dialog's logic decides. Each names a set of widgets with their
// labels; the window maps an id to its widgets.
enum class MainControl {
  PostGroup,         // post list, its buttons, "入力変換", "ポスト編集"
  ConditionGroup,    // material and thickness lists, their buttons, "加工条件編集"
  ProgramGroup,      // program number, comment, sequence numbers
  CoordinateGroup,   // the two coordinate mode buttons
  CoordinateFields,  // G92 X/Y and the second row
  AddDeleteGroup,    // "付加、削除"
  DecimalPlaces,     // "小数点以下桁数"
  SameCondition,     // "同一加工条件の場合出力しない"
  MacroGroup,        // "マクロ分解時"
  SubprogramWords,   // "UV → M98変換" except "ばらし"
  G93Group,          // "G93変換"
  G93Code,           // the code field after "G93→"
  StringTable,       // "変換表"
  Convert,           // "変換実行"
};
inline constexpr int kMainControlCount = static_cast<int>(MainControl::Convert) + 1;

// What the main dialog's logic reads from and shows on its window. The window keeps the
// controls; the logic decides what they hold. The option fields carry the three drop-down texts.
class MainView {
 public:
  virtual ~MainView() = default;
  // The fields as the operator left them (the dialog's data exchange).
  virtual ConversionOptions Fields() const = 0;
  virtual void ShowFields(const ConversionOptions& fields) = 0;
  virtual void ShowLists(const DropDown& posts, const DropDown& materials,
                         const DropDown& thicknesses) = 0;
  virtual void ShowListing(const Listing& listing) = 0;
  virtual void EnableConvert(bool enabled) = 0;
  virtual void SetTitle(const std::u16string& title) = 0;
  virtual void EnableControl(MainControl control, bool enabled) = 0;
  // "変換　データ転送　実行" and its icon.
  virtual void ShowTransfer(bool shown) = 0;

  // The screen the window is on, and where the window is now.
  virtual ScreenAreas Screen() const = 0;
  virtual WindowFrame Frame() const = 0;
  virtual void MoveTo(ScreenPoint position) = 0;
  // Sets the window's rectangle, maximized state and the lists' bottom edge (the splitter).
  virtual void PlaceWindow(const WindowFrame& frame) = 0;

  // The editors and small dialogs the window opens modally; true when closed with OK.
  virtual bool RunPostEditor() = 0;
  virtual bool RunConditionEditor() = 0;
  // Edits one input conversion set: 40 rows of columns a and b.
  virtual bool RunInputTable(int32_t set, std::vector<std::u16string>& a,
                             std::vector<std::u16string>& b) = 0;
  virtual bool RunStringTable() = 0;
  virtual bool RunParameters() = 0;
  virtual void RunAbout() = 0;
  // The unconvertible data list after loading (the count and entries of the macro check), with
  // the figures that produce no moves listed beside it; either list may be empty.
  virtual void RunUnconvertible(int32_t count, const std::vector<std::u16string>& entries,
                                const std::vector<std::u16string>& noMoveFigures) = 0;
};

// A view without a window: it holds what it is shown and gives it back. The automatic mode and
// the command-line conversion run the dialog on it.
class HeadlessView : public MainView {
 public:
  ConversionOptions Fields() const override { return fields; }
  void ShowFields(const ConversionOptions& shown) override { fields = shown; }
  void ShowLists(const DropDown& p, const DropDown& m, const DropDown& t) override;
  void ShowListing(const Listing& shown) override { listing = shown; }
  void EnableConvert(bool enabled) override { convertEnabled = enabled; }
  void SetTitle(const std::u16string& shown) override { title = shown; }
  void EnableControl(MainControl control, bool enabled) override;
  void ShowTransfer(bool shown) override { transferShown = shown; }
  ScreenAreas Screen() const override { return screen; }
  WindowFrame Frame() const override { return frame; }
  void MoveTo(ScreenPoint position) override { frame.position = position; }
  void PlaceWindow(const WindowFrame& placed) override { frame = placed; }
  // No editor opens without a window: each counts as cancelled.
  bool RunPostEditor() override { return false; }
  bool RunConditionEditor() override { return false; }
  bool RunInputTable(int32_t, std::vector<std::u16string>&, std::vector<std::u16string>&) override {
    return false;
  }
  bool RunStringTable() override { return false; }
  bool RunParameters() override { return false; }
  void RunAbout() override {}
  void RunUnconvertible(int32_t count, const std::vector<std::u16string>& entries,
                        const std::vector<std::u16string>& noMoveFigures) override;
  bool IsEnabled(MainControl control) const { return enabled[static_cast<size_t>(control)]; }

  ConversionOptions fields;
  DropDown posts;
  DropDown materials;
  DropDown thicknesses;
  Listing listing;
  bool convertEnabled = true;
  std::u16string title;
  bool transferShown = false;
  std::vector<bool> enabled = std::vector<bool>(kMainControlCount, true);
  ScreenAreas screen;
  WindowFrame frame;
  // What the last unconvertible data list held: its lines and the figures without moves.
  std::vector<std::u16string> unconvertibleLines;
  std::vector<std::u16string> noMoveFigures;
};

}  // namespace qv
