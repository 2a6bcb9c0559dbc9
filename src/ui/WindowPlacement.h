#pragma once

#include <cstdint>

namespace qv {

// A screen point in pixels.
struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// A screen rectangle; right and bottom are exclusive.
struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const ScreenRect&) const = default;
};

// The whole screen and the part of it windows may use (without task bars and docks).
struct ScreenAreas {
  ScreenRect screen{0, 0, 1024, 768};
  ScreenRect workArea{0, 0, 1024, 768};
  bool operator==(const ScreenAreas&) const = default;
};

// Where the main window is and how it is divided.
struct WindowFrame {
  ScreenPoint position;
  ScreenRect rect{0, 0, 1024, 768};
  bool maximized = false;
  int32_t splitter = 300;  // the lists' bottom edge, in client coordinates
  bool operator==(const WindowFrame&) const = default;
};

bool IsInside(const ScreenRect& area, ScreenPoint point);
// Whether the rectangle's top-left and bottom-right pixels both lie in the area.
bool CornersInside(const ScreenRect& rect, const ScreenRect& area);
// The saved position, or (0, 0) when a window there would not be on the screen.
ScreenPoint OpeningPosition(ScreenPoint saved, const ScreenRect& screen);
// The saved rectangle when both its corners lie in the work area, else the whole screen.
ScreenRect RestoredRect(const ScreenRect& saved, const ScreenAreas& areas);
// The lists' bottom edge, kept between a tenth and nine tenths of the client height (so the
// preview below never vanishes) and never above the lists' top.
int32_t ClampSplitter(int32_t splitter, int32_t listsTop, int32_t clientHeight);
// The band the operator drags the splitter by: 30 pixels above to 15 below the lists' bottom.
bool InSplitterBand(int32_t y, int32_t splitter);

}  // namespace qv
