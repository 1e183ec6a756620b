// The page display of the print preview: draws the pages in view at the zoom in force, one page
// or the tiled pages, and renders a page image only when that page is shown (a few are kept),
// so a report of hundreds of pages opens at once. A click on a tiled page puts it in focus.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <list>

#include "frame/preview_layout.h"
#include "prints/page.h"

namespace obrazac::ui {

class PageCanvas final : public QWidget {
  Q_OBJECT

 public:
  PageCanvas(const prints::Pages& pages, const PreviewLayout& layout, QWidget* parent = nullptr);

  // Works out its size again for the layout and the viewport's width and height.
  void relayout(QSize viewport);
  // Page images rendered so far (for tests of the lazy drawing).
  int rendered() const { return rendered_; }

 signals:
  void pageClicked(int page);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  // Where each shown page goes, as (page, rectangle).
  std::vector<std::pair<int, QRect>> placements() const;
  const QImage& image(int page, QSize size);

  const prints::Pages& pages_;
  const PreviewLayout& layout_;
  QSize viewport_;
  struct Cached {
    int page;
    QImage image;
  };
  std::list<Cached> cache_;  // most recently used first
  int rendered_ = 0;
};

}  // namespace obrazac::ui
