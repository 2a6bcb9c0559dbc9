#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"

namespace qv {

// The conversion engine: holds the program in its successive forms and the per-run tables,
// and runs the passes over them in their fixed order. It reads the post store, the run-wide
// settings and the keep lists it is given and keeps no file open; the special code file is
// read through the path a preparation is given.
class CQuorvalenDB {
 public:
  using tagDictionary = DictionaryEntry;

  // The inputs must outlive the engine. Performs the initial clear.
  CQuorvalenDB(const PostStore& store, const Settings& runWide, const KeepLists& keepLists);
  CQuorvalenDB(const CQuorvalenDB&) = delete;
  CQuorvalenDB& operator=(const CQuorvalenDB&) = delete;

  // The caller's head-comment list, appended to by normalization (null: not recorded).
  void SetHeadCommentList(std::vector<std::u16string>* headComments);

  // Reads the subprogram name from the source lines and loads the selected post's
  // dictionary from the special code file at specialCodePath.
  void PrepareDictionary(const std::u16string& specialCodePath);
  // "M100[" + body + "]" of the dictionary entry named `name`, or empty.
  std::u16string LookupDictionary(std::u16string_view name) const;

  // Clears the per-run state before the code pairs are fed.
  void ResetForRun();
  // Appends one substitution pair (search text, replacement text).
  void AddCodePair(std::u16string from, std::u16string to);
  // Appends one string-unit special code pair.
  void AddStringCodePair(std::u16string from, std::u16string to);
  // The size-class limits of the condition's basis (by element or by shape), read as C's atof
  // reads; the slots of the other basis keep their values.
  void LoadClassLimits();
  // The work-chute length limit of the condition, read as C's atof reads.
  void LoadWorkChuteSize();

  // The first pass of a conversion: rewrites the source lines into normalizedLines. 0, or -1
  // when the match table overflows.
  int32_t Normalize();

  // Where the engine writes its internal failure notice (the debugger output); none at first.
  void SetDebugOutput(std::function<void(std::u16string_view)> output) {
    debugOutput_ = std::move(output);
  }
  // Runs the passes in order: normalization, block generation, the string pass, the subprogram
  // origin pass and the dictionary rewrite. 0, or -1 when any of them fails (the match table
  // full included); the output is then not a result.
  int32_t Convert();

  int32_t GetSourceLineCount() const;
  int32_t GetOutputLineCount() const;
  // Each: 0 with the line in `out`, or -1 (out unchanged) for an index outside the list.
  int32_t GetSourceLine(int32_t index, std::u16string& out) const;
  int32_t GetNormalizedLine(int32_t index, std::u16string& out) const;
  int32_t GetOutputLine(int32_t index, std::u16string& out) const;
  int32_t GetViewLine(int32_t index, std::u16string& out) const;
  // The line of the list the display mode names: 1 source, 2 output, 3 view; -1 otherwise.
  int32_t GetDisplayLine(int32_t index, std::u16string& out) const;
  void SetDisplayMode(int32_t mode) { displayMode_ = mode; }

  // The state the passes and the run work on.
  EngineState& State() { return state_; }
  const EngineState& State() const { return state_; }
  const EngineInputs& Inputs() const { return inputs_; }

 private:
  EngineState state_;
  EngineInputs inputs_;
  int32_t displayMode_ = 0;
  std::function<void(std::u16string_view)> debugOutput_;
};

}  // namespace qv
