#include "platform/UserInteraction.h"

namespace qv {

Answer SafeAnswer(QuestionKind kind) {
  return kind == QuestionKind::YesNo ? Answer::No : Answer::Cancel;
}

}  // namespace qv
