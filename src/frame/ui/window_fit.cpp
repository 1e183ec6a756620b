#include "frame/ui/window_fit.h"

#include <algorithm>

#include "frame/ui/dialog_units.h"

namespace obrazac::ui {
namespace {

constexpr int kFirstStartWidth = 660;  // dialog units
constexpr int kFirstStartHeight = 430;

// A side of the window, shrunk to the area's where it may be (never below its minimum), and
// its start moved so the window lies inside the area or, when it is larger, starts at its edge.
void fit(int& start, int& length, int area, int minimum, bool resizable) {
  if (resizable && length > area) length = std::max(area, minimum);
  start = std::clamp(start, 0, std::max(0, area - length));
}

}  // namespace

QSize firstStartArea(const QFont& frameFont) {
  return DialogUnits(frameFont).size(kFirstStartWidth, kFirstStartHeight);
}

QRect fittedPlace(const QRect& window, const QSize& area, const QSize& minimum, bool resizable) {
  int x = window.x(), width = window.width();
  int y = window.y(), height = window.height();
  fit(x, width, area.width(), minimum.width(), resizable);
  fit(y, height, area.height(), minimum.height(), resizable);
  return {x, y, width, height};
}

}  // namespace obrazac::ui
