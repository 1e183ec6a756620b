// Dialog units: window sizes and positions are kept in units of the window font, a quarter of
// its average character width across and an eighth of its height down, so a window keeps its
// proportions whatever font and screen it meets.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace obrazac::ui {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

  int baseX() const { return baseX_; }  // average character width in pixels
  int baseY() const { return baseY_; }  // character height in pixels

  int x(int units) const { return scale(units, baseX_, 4); }
  int y(int units) const { return scale(units, baseY_, 8); }
  QSize size(int w, int h) const { return {x(w), y(h)}; }
  QPoint point(int px, int py) const { return {x(px), y(py)}; }
  QRect rect(int px, int py, int w, int h) const { return {point(px, py), size(w, h)}; }

  int unitsX(int pixels) const { return scale(pixels, 4, baseX_); }
  int unitsY(int pixels) const { return scale(pixels, 8, baseY_); }

 private:
  // a * b / c rounded to the nearest whole number, halves away from zero.
  static int scale(int a, int b, int c);

  int baseX_;
  int baseY_;
};

}  // namespace obrazac::ui
