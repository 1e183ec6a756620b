// Where a child window stands in the frame's client area: its top-left corner never outside
// the area (a saved place from a larger frame or another scale comes back on screen), and a
// window that can be resized no larger than the area, so its contents scroll and its button row
// stays in view. A window of fixed size larger than the area keeps its size; the area scrolls.
// A first start gives the frame an area that holds its largest window.
#pragma once

#include <QRect>
#include <QSize>

class QFont;

namespace obrazac::ui {

// The client area of a first start in the frame's font: room for the largest windows (the
// formal control with its buttons in one row, the takeover window).
QSize firstStartArea(const QFont& frameFont);

QRect fittedPlace(const QRect& window, const QSize& area, const QSize& minimum, bool resizable);

}  // namespace obrazac::ui
