#include "ui/CParameter.h"

namespace qv {

void CParameter::Open() {
  view_.ShowVersionLine(VersionLine(kVersionLineTemplate, version_));
  view_.ShowResolutions(kResolutionItems, settings_.crtSize);
}

bool CParameter::Ok() {
  settings_.crtSize = view_.SelectedResolution();
  return true;
}

}  // namespace qv
