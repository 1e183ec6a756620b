// A window's handling of the frame's toolbar: one target per list and one for an update form.
// The current target decides which buttons are enabled, what their tooltips say and what a
// pressed button does: a list moves or presses its own buttons, a form saves and leaves the
// code in the thread's navigation request so its list can carry on.
#pragma once

#include <vector>

#include "frame/ui/toolbar_state.h"

namespace obrazac::ui {

class BrowseList;
class ProcedureWindow;

struct ToolbarTarget {
  BrowseList* browse = nullptr;  // a list's target; nullptr for the form's
  int control = 0;               // the list control, 0 for a form
  int helpButton = 0;            // the window's own buttons for these actions, 0 = none
  int insertButton = 0;
  int changeButton = 0;
  int deleteButton = 0;
  int selectButton = 0;
  bool history = false;  // a form with the previous-value key
};

class ToolbarDispatcher {
 public:
  explicit ToolbarDispatcher(ProcedureWindow& window) : window_(window) {}

  // The first target added becomes the current one.
  void addTarget(const ToolbarTarget& target);
  // Makes a list's target current (nullptr: the form's target).
  void setTarget(const BrowseList* browse);
  const ToolbarTarget* current() const;

  ToolbarState state() const;
  // Acts on a pressed toolbar button; a disabled one does nothing.
  void takeEvent(int code);

 private:
  ProcedureWindow& window_;
  std::vector<ToolbarTarget> targets_;
  int current_ = -1;
};

}  // namespace obrazac::ui
