#include "frame/ui/dialog_units.h"

#include <QFontMetrics>
#include <cstdlib>

namespace obrazac::ui {

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics m(font);
  // The average width of the 52 Latin letters, rounded, is the font's character width.
  const int letters = m.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = std::max(1, (letters / 26 + 1) / 2);
  baseY_ = std::max(1, m.height());
}

int DialogUnits::scale(int a, int b, int c) {
  if (c == 0) return 0;
  const long long p = static_cast<long long>(a) * b;
  const long long q = (std::llabs(p) * 2 + c) / (2LL * c);
  return static_cast<int>(p < 0 ? -q : q);
}

}  // namespace obrazac::ui
