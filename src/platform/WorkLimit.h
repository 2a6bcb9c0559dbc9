#pragma once

namespace qv {

// A limit on the work one input may cause (expanded lines, interpreted blocks). A fuzzing build
// (libFuzzer's FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION) takes a hundredth of it, so that an
// input costs milliseconds and the fuzzer spends its time on new paths, not on long loops that
// the normal build's tests already cover at the full limit.
template <typename T>
constexpr T WorkLimit(T limit) {
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
  return limit / 100;
#else
  return limit;
#endif
}

}  // namespace qv
