#pragma once

#include <cstdint>
#include <optional>

#include "preview/Canvas.h"
#include "preview/DisplayList.h"
#include "preview/ViewFit.h"

namespace qv {

// The pens of a paint: rapid moves dotted, cutting moves and punch hits solid; an empty
// colour draws nothing.
struct PathColours {
  std::optional<Rgb> cutting;
  std::optional<Rgb> rapid;
  bool operator==(const PathColours&) const = default;
};

// Size of a punch hit mark, in pixels each way from the hit.
inline constexpr double kHitMarkSize = 3;

// Draws the path on the canvas through the transform, leaving out what lies wholly outside
// the area (the canvas clips the rest). The pen is set only when it changes.
void PaintPath(const DisplayList& path, const ViewTransform& view, const PathColours& colours,
               int32_t width, int32_t height, Canvas& canvas);

}  // namespace qv
