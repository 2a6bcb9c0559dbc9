#include "macro/FigureGeometry.h"

namespace qv {

int BuildFigureGeometry(const MacroWords& /*words*/, FigureShape& shape) {
  shape = FigureShape{};
  return -1;
}

void TurnFigure(const MacroWords& /*words*/, double /*patternAngle*/, FigureShape& /*shape*/) {}

}  // namespace qv
