#pragma once

#include "macro/FigureContours.h"
#include "macro/MacroWords.h"

namespace qv {

// The points and centres of a checked figure at its position, before turning, with the form
// and corner kind. Returns 0, or -1 when the figure has no solution (a G113 chord that misses
// the circle) or words.g is not a figure code.
int BuildFigureGeometry(const MacroWords& words, FigureShape& shape);

// Turns every point and centre about the position by K degrees, then, for a figure whose I is
// below 0.000001 (one that follows a pattern), by the pattern angle as well.
void TurnFigure(const MacroWords& words, double patternAngle, FigureShape& shape);

}  // namespace qv
