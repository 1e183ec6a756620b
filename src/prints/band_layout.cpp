#include "prints/band_layout.h"

namespace obrazac::prints {

double BandLayout::bottom() const {
  const double paper = pages_.empty() ? 0 : pages_.back().height();
  return paper - kMargin - frame_.footerHeight;
}

void BandLayout::newPage() {
  Page& page = pages_.emplace_back();
  page.orientation = frame_.orientation;
  if (frame_.header) frame_.header(page, kMargin);
  if (frame_.footer) frame_.footer(page, bottom());
  y_ = kMargin + frame_.headerHeight;
}

void BandLayout::add(double height, const Band& detail) {
  // A band taller than a whole page still gets a page of its own rather than an endless loop.
  if (pages_.empty() || (y_ + height > bottom() && y_ > kMargin + frame_.headerHeight)) newPage();
  detail(pages_.back(), y_);
  y_ += height;
}

Pages BandLayout::finish() {
  return std::move(pages_);
}

}  // namespace obrazac::prints
