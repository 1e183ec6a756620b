#include "submission/ui/sending_state.h"

namespace obrazac::ui {

SendingState& sendingState() {
  static SendingState state;
  return state;
}

}  // namespace obrazac::ui
