#include "macro/FigureContours.h"

namespace qv {

int CheckFigure(MacroWords& /*words*/) { return -1; }

int GenerateFigure(const MacroWords& /*words*/, const FigureContext& /*context*/,
                   FigureShape& shape, std::vector<std::u16string>& /*out*/) {
  shape = FigureShape{};
  return -1;
}

int GenerateFigure(const MacroWords& words, const FigureContext& context,
                   std::vector<std::u16string>& out) {
  FigureShape shape;
  return GenerateFigure(words, context, shape, out);
}

}  // namespace qv
