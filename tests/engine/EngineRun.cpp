#include "EngineRun.h"

namespace qv::test {

void FeedCodePairs(CQuorvalenDB& engine, const PostStore& store, const Settings& runWide,
                   bool g98AfterG92) {
  const MachiningCondition& condition = store.condition;
  const PostRecord& record = store.record;
  engine.AddCodePair(condition.punch[0], condition.punch[1]);
  engine.AddCodePair(condition.marking[0], condition.marking[1]);
  engine.AddCodePair(condition.marking[2], condition.marking[1]);
  if (record.coordinateMode == 1) {
    if (runWide.g93Mode == 0 && !g98AfterG92) engine.AddCodePair(u"G93", u"G93");
    if ((runWide.g93Mode == 0 && g98AfterG92) || runWide.g93Mode == 1) {
      engine.AddCodePair(u"G93*", u"");
    }
    if (runWide.g93Mode == 2) engine.AddCodePair(u"G93", runWide.g93Code);
  }
  for (size_t k = 0; k < record.lineCodeFrom.size(); ++k) {
    engine.AddCodePair(record.lineCodeFrom[k], record.lineCodeTo[k]);
  }
  engine.AddCodePair(record.subprogramAddress, record.subprogramAddress);
  for (size_t k = 0; k < record.stringCodeFrom.size(); ++k) {
    engine.AddStringCodePair(record.stringCodeFrom[k], record.stringCodeTo[k]);
  }
}

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
