// The pictures of the program, drawn here: the thirteen toolbar buttons (first, prior page,
// previous, find, next, next page, last, select, insert, change, delete, previous value, help)
// and the program's own mark, a form sheet with a tick.
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace obrazac::ui {

QIcon toolbarIcon(int code);
QIcon programIcon();
// The program's mark into a square.
void drawProgramMark(QPainter& p, const QRectF& square);

}  // namespace obrazac::ui
