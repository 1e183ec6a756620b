// Lays a window's described controls out: prompts in a column on the left as the buddies of
// their controls (so each control carries its prompt as its accessible name), the controls of a
// row side by side, groups as framed boxes, tabs as pages, the browse list in the middle taking
// the spare height (or the rest of its tab's page) and the buttons in one row at the bottom. Widths
// come from the window font. A control the window fixes in dialog units stands at its place
// instead.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "frame/ui/control_description.h"

class QWidget;

namespace obrazac::ui {

class ProcedureWindow;

// Controls the window made itself (a drop list of a table's rows, the browse list), laid out
// in the place of the described control of the same number.
using MadeControls = std::vector<std::pair<int, QWidget*>>;

// Builds the controls and hands each to the window to register and bind; the tab order follows
// the description.
void buildWindow(ProcedureWindow& window, std::span<const ControlDescription> controls,
                 const MadeControls& made);

}  // namespace obrazac::ui
