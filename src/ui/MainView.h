#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/ConversionOptions.h"

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

  ConversionOptions fields;
  DropDown posts;
  DropDown materials;
  DropDown thicknesses;
  Listing listing;
  bool convertEnabled = true;
  std::u16string title;
};

}  // namespace qv
