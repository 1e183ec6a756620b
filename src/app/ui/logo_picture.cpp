#include "app/ui/logo_picture.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include "frame/ui/toolbar_icons.h"

namespace obrazac::ui {

void LogoPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF r = rect();
  QLinearGradient sky(r.topLeft(), r.bottomRight());
  sky.setColorAt(0, QColor(0x0b, 0x2e, 0x6b));
  sky.setColorAt(1, QColor(0x2a, 0x6f, 0xc9));
  p.fillRect(r, sky);

  const double h = r.height();
  const double mark = kind_ == Kind::Banner ? h * 0.62 : h * 0.8;
  const QRectF markBox(r.x() + h * 0.12, r.y() + (h - mark) / 2, mark, mark);
  p.setBrush(QColor(255, 255, 255, 40));
  p.setPen(Qt::NoPen);
  p.drawEllipse(markBox.adjusted(-h * 0.06, -h * 0.06, h * 0.06, h * 0.06));
  drawProgramMark(p, markBox);

  const double left = markBox.right() + h * 0.18;
  const QRectF text(left, r.y(), r.right() - left - h * 0.08, h);
  QFont big("Liberation Sans");
  big.setBold(true);
  big.setPixelSize(static_cast<int>(h * (kind_ == Kind::Banner ? 0.26 : 0.36)));
  p.setFont(big);
  p.setPen(Qt::white);
  if (kind_ == Kind::Small) {
    const QString name = "OBRAZAC R-S";
    while (big.pixelSize() > 6 && QFontMetricsF(big).horizontalAdvance(name) > text.width())
      big.setPixelSize(big.pixelSize() - 1);
    p.setFont(big);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, name);
    return;
  }
  p.drawText(QRectF(text.x(), r.y() + h * 0.12, text.width(), h * 0.34),
             Qt::AlignLeft | Qt::AlignVCenter, "OBRAZAC R-Sm");
  QFont small("Liberation Sans");
  small.setPixelSize(static_cast<int>(h * 0.11));
  p.setFont(small);
  p.setPen(QColor(0xdd, 0xe8, 0xf8));
  p.drawText(QRectF(text.x(), r.y() + h * 0.48, text.width(), h * 0.16),
             Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8("Priprema i dostava podataka o osiguranicima"));
  p.drawText(QRectF(text.x(), r.y() + h * 0.62, text.width(), h * 0.16),
             Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8("i plaćenim doprinosima za registar VELOR"));
  p.setPen(QPen(QColor(0xf2, 0xc9, 0x1e), h * 0.02));
  p.drawLine(QPointF(text.x(), r.y() + h * 0.82), QPointF(text.right(), r.y() + h * 0.82));
}

}  // namespace obrazac::ui
