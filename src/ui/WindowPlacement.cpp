#include "ui/WindowPlacement.h"

#include <algorithm>

namespace qv {

bool IsInside(const ScreenRect& area, ScreenPoint point) {
  return point.x >= area.left && point.x < area.right && point.y >= area.top &&
         point.y < area.bottom;
}

ScreenPoint OpeningPosition(ScreenPoint saved, const ScreenRect& screen) {
  return IsInside(screen, saved) ? saved : ScreenPoint{};
}

bool CornersInside(const ScreenRect& rect, const ScreenRect& area) {
  // The far corner is the last pixel inside the rectangle, hence the - 1.
  return rect.right > rect.left && rect.bottom > rect.top &&
         IsInside(area, {rect.left, rect.top}) && IsInside(area, {rect.right - 1, rect.bottom - 1});
}

ScreenRect RestoredRect(const ScreenRect& saved, const ScreenAreas& areas) {
  return CornersInside(saved, areas.workArea) ? saved : areas.screen;
}

int32_t ClampSplitter(int32_t splitter, int32_t listsTop, int32_t clientHeight) {
  const int32_t low = std::max(listsTop, clientHeight / 10);
  return std::clamp(splitter, low, std::max(low, clientHeight * 9 / 10));
}

bool InSplitterBand(int32_t y, int32_t splitter) {
  return y >= splitter - 30 && y <= splitter + 15;
}

}  // namespace qv
