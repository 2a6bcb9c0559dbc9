#include "EngineRun.h"

#include "ui/RunSteps.h"

namespace qv::test {

int32_t RunEngine(CQuorvalenDB& engine, const LineList& program, bool g98AfterG92,
                  const std::u16string& specialCodePath) {
  engine.State().sourceLines = program;
  engine.PrepareDictionary(specialCodePath);
  engine.ResetForRun();
  FeedCodePairs(engine, engine.Inputs().store, engine.Inputs().runWide, g98AfterG92);
  engine.LoadClassLimits();
  engine.LoadWorkChuteSize();
  return engine.Convert();
}

}  // namespace qv::test
