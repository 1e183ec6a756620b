#include "frame/ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "frame/procedure_thread.h"

namespace obrazac::ui {
namespace {

constexpr int kSize = 32;  // drawn at twice the button size, shown at 16 x 16

const QColor kArrow(0x1f, 0x4e, 0x9a);
const QColor kGreen(0x2e, 0x8b, 0x3e);
const QColor kRed(0xc0, 0x28, 0x28);

void triangle(QPainter& p, double x, double y, double w, double h, bool down) {
  QPainterPath path;
  if (down) {
    path.moveTo(x, y);
    path.lineTo(x + w, y);
    path.lineTo(x + w / 2, y + h);
  } else {
    path.moveTo(x, y + h);
    path.lineTo(x + w, y + h);
    path.lineTo(x + w / 2, y);
  }
  path.closeSubpath();
  p.fillPath(path, kArrow);
}

void bar(QPainter& p, double y) {
  p.fillRect(QRectF(7, y, 18, 3), kArrow);
}

void draw(QPainter& p, int code) {
  p.setRenderHint(QPainter::Antialiasing);
  switch (code) {
    case toolbar::kTop:  // a bar with a triangle pointing up under it
      bar(p, 5);
      triangle(p, 7, 10, 18, 14, false);
      break;
    case toolbar::kPageUp:
      triangle(p, 7, 4, 18, 11, false);
      triangle(p, 7, 16, 18, 11, false);
      break;
    case toolbar::kUp:
      triangle(p, 8, 9, 16, 12, false);
      break;
    case toolbar::kDown:
      triangle(p, 8, 10, 16, 12, true);
      break;
    case toolbar::kPageDown:
      triangle(p, 7, 5, 18, 11, true);
      triangle(p, 7, 17, 18, 11, true);
      break;
    case toolbar::kBottom:
      triangle(p, 7, 7, 18, 14, true);
      bar(p, 24);
      break;
    case toolbar::kLocate: {  // a magnifying glass
      p.setPen(QPen(QColor(0x44, 0x44, 0x44), 3));
      p.setBrush(QColor(0xcf, 0xe6, 0xff));
      p.drawEllipse(QRectF(5, 5, 15, 15));
      p.setPen(QPen(QColor(0x44, 0x44, 0x44), 5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(19, 19), QPointF(27, 27));
      break;
    }
    case toolbar::kSelect: {  // a tick
      p.setPen(QPen(kGreen, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(13, 24), QPointF(26, 8)}));
      break;
    }
    case toolbar::kInsert: {  // a sheet with a plus
      p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(5, 3, 17, 23));
      p.setPen(QPen(kGreen, 5, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(QPointF(22, 15), QPointF(22, 29));
      p.drawLine(QPointF(15, 22), QPointF(29, 22));
      break;
    }
    case toolbar::kChange: {  // a sheet with a pencil
      p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 3, 17, 23));
      p.setPen(QPen(QColor(0xd9, 0x8c, 0x1e), 5, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(QPointF(13, 25), QPointF(27, 9));
      p.setPen(QPen(QColor(0x33, 0x33, 0x33), 2));
      p.drawLine(QPointF(10, 29), QPointF(13, 25));
      break;
    }
    case toolbar::kDelete: {  // a red cross
      p.setPen(QPen(kRed, 5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(8, 8), QPointF(24, 24));
      p.drawLine(QPointF(24, 8), QPointF(8, 24));
      break;
    }
    case toolbar::kHistory: {  // ditto marks
      QFont f("DejaVu Sans");
      f.setPixelSize(30);
      f.setBold(true);
      p.setFont(f);
      p.setPen(kArrow);
      p.drawText(QRectF(0, 2, kSize, kSize), Qt::AlignCenter, "\"");
      break;
    }
    case toolbar::kHelp: {  // a question mark in a circle
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0xf2, 0xc9, 0x1e));
      p.drawEllipse(QRectF(3, 3, 26, 26));
      QFont f("DejaVu Sans");
      f.setPixelSize(20);
      f.setBold(true);
      p.setFont(f);
      p.setPen(QColor(0x22, 0x22, 0x22));
      p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, "?");
      break;
    }
    default:
      break;
  }
}

}  // namespace

QIcon toolbarIcon(int code) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  draw(p, code);
  p.end();
  return QIcon(pixmap);
}

void drawProgramMark(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double u = r.width() / 32.0;
  // A form sheet with its rows, and a green tick of a report sent.
  p.setPen(QPen(QColor(0x1f, 0x4e, 0x9a), 2 * u));
  p.setBrush(QColor(0xfa, 0xfa, 0xf5));
  p.drawRect(QRectF(r.x() + 5 * u, r.y() + 2 * u, 20 * u, 27 * u));
  p.setPen(QPen(QColor(0x7a, 0x8c, 0xb0), 1.6 * u));
  for (int i = 0; i < 4; ++i) {
    const double y = r.y() + (8 + 5 * i) * u;
    p.drawLine(QPointF(r.x() + 9 * u, y), QPointF(r.x() + 21 * u, y));
  }
  p.setPen(QPen(QColor(0x2e, 0x8b, 0x3e), 4 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(
      QPolygonF({QPointF(r.x() + 14 * u, r.y() + 22 * u), QPointF(r.x() + 19 * u, r.y() + 27 * u),
                 QPointF(r.x() + 29 * u, r.y() + 14 * u)}));
  p.restore();
}

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    drawProgramMark(p, QRectF(0, 0, size, size));
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace obrazac::ui
