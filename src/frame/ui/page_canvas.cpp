#include "frame/ui/page_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "render/page_painter.h"

namespace obrazac::ui {
namespace {

constexpr int kMargin = 8;
constexpr std::size_t kKeptImages = 16;
constexpr double kMmPerInch = 25.4;

// The largest size of the page's proportions within `box`.
QSize fitted(const prints::Page& page, QSize box) {
  QSize s(static_cast<int>(page.width() * 100), static_cast<int>(page.height() * 100));
  s.scale(box.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
  return s;
}

}  // namespace

PageCanvas::PageCanvas(const prints::Pages& pages, const PreviewLayout& layout, QWidget* parent)
    : QWidget(parent), pages_(pages), layout_(layout) {
  setAccessibleName("Report pages");
  setBackgroundRole(QPalette::Dark);
  setAutoFillBackground(true);
}

void PageCanvas::relayout(QSize viewport) {
  viewport_ = viewport;
  QSize size = viewport;
  if (!layout_.tiled() && layout_.pages() > 0) {
    const auto placed = placements();
    if (!placed.empty())
      size = size.expandedTo(placed.front().second.size() + QSize(2 * kMargin, 2 * kMargin));
  }
  setFixedSize(size);
  update();
}

std::vector<std::pair<int, QRect>> PageCanvas::placements() const {
  std::vector<std::pair<int, QRect>> placed;
  if (layout_.pages() == 0) return placed;
  const QSize inner = viewport_ - QSize(2 * kMargin, 2 * kMargin);
  if (layout_.tiled()) {
    const int across = layout_.across(), down = layout_.down();
    const QSize cell((inner.width() - (across - 1) * kMargin) / across,
                     (inner.height() - (down - 1) * kMargin) / down);
    for (int i = 0; i < layout_.shown(); ++i) {
      const int page = layout_.firstPage() + i;
      const QSize s = fitted(pages_[static_cast<std::size_t>(page - 1)], cell);
      const QPoint cellAt(kMargin + (i % across) * (cell.width() + kMargin),
                          kMargin + (i / across) * (cell.height() + kMargin));
      placed.emplace_back(page, QRect(cellAt + QPoint((cell.width() - s.width()) / 2,
                                                      (cell.height() - s.height()) / 2),
                                      s));
    }
    return placed;
  }
  const int page = layout_.currentPage();
  const prints::Page& p = pages_[static_cast<std::size_t>(page - 1)];
  QSize s;
  if (layout_.zoomPercent() == kPageWidth) {
    // The page runs taller than the window, so the width leaves room for the vertical scroll bar.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    s = fitted(p, QSize(inner.width() - scrollBar, 1 << 20));
  } else {
    const double pixelsPerMm = logicalDpiX() / kMmPerInch * layout_.zoomPercent() / 100.0;
    s = QSize(static_cast<int>(p.width() * pixelsPerMm),
              static_cast<int>(p.height() * pixelsPerMm));
  }
  const int x = std::max(kMargin, (viewport_.width() - s.width()) / 2);
  placed.emplace_back(page, QRect(QPoint(x, kMargin), s));
  return placed;
}

const QImage& PageCanvas::image(int page, QSize size) {
  for (auto it = cache_.begin(); it != cache_.end(); ++it)
    if (it->page == page && it->image.size() == size) {
      cache_.splice(cache_.begin(), cache_, it);
      return cache_.front().image;
    }
  const prints::Page& p = pages_[static_cast<std::size_t>(page - 1)];
  const double dotsPerInch = size.width() / (p.width() / kMmPerInch);
  cache_.push_front({page, render::pageImage(p, dotsPerInch).scaled(size)});
  ++rendered_;
  if (cache_.size() > kKeptImages) cache_.pop_back();
  return cache_.front().image;
}

void PageCanvas::paintEvent(QPaintEvent* e) {
  QPainter painter(this);
  for (const auto& [page, rect] : placements()) {
    if (!rect.intersects(e->rect())) continue;
    painter.drawImage(rect.topLeft(), image(page, rect.size()));
    const bool focus = layout_.tiled() && layout_.shown() > 1 && page == layout_.currentPage();
    painter.setPen(QPen(focus ? palette().highlight().color() : Qt::black, focus ? 3 : 1));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
}

void PageCanvas::mousePressEvent(QMouseEvent* e) {
  for (const auto& [page, rect] : placements())
    if (rect.contains(e->position().toPoint())) emit pageClicked(page);
}

}  // namespace obrazac::ui
