#include "render/page_painter.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include "data/file_replace.h"

namespace obrazac::render {
namespace {

using prints::Align;
using prints::FontRole;

constexpr double kMmPerInch = 25.4;

QFont fontOf(FontRole role) {
  struct Look {
    const char* family;
    double points;
    bool bold;
  };
  const Look look = [role]() -> Look {
    switch (role) {
      case FontRole::Small:
        return {"Liberation Sans", 6.5, false};
      case FontRole::Heading:
        return {"Liberation Sans", 9, true};
      case FontRole::Title:
        return {"Liberation Sans", 12, true};
      case FontRole::Fixed:
        return {"DejaVu Sans Mono", 9, false};
      case FontRole::FixedSmall:
        return {"DejaVu Sans Mono", 7.5, false};
      case FontRole::Body:
        break;
    }
    return {"Liberation Sans", 8.5, false};
  }();
  QFont font(look.family);
  font.setPointSizeF(look.points);
  font.setBold(look.bold);
  font.setStyleHint(role == FontRole::Fixed || role == FontRole::FixedSmall ? QFont::Monospace
                                                                            : QFont::SansSerif);
  return font;
}

Qt::Alignment alignmentOf(Align a) {
  switch (a) {
    case Align::Center:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

class MillimetrePainter {
 public:
  MillimetrePainter(QPainter& p, double pageWidth)
      : p_(p), dotsPerMm_(p.device()->logicalDpiX() / kMmPerInch), pageWidth_(pageWidth) {}

  double dots(double mm) const { return mm * dotsPerMm_; }
  QRectF rect(double x, double y, double w, double h) const {
    return {dots(x), dots(y), dots(w), dots(h)};
  }
  void pen(double weight) {
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, dots(weight)));
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
  }

  void operator()(const prints::Text& t) {
    if (t.text.empty()) return;
    p_.setFont(fontOf(t.role));
    p_.setPen(Qt::black);
    const double width = t.width > 0 ? t.width : pageWidth_ - t.x;
    const int clipping = t.clip && t.width > 0 ? 0 : Qt::TextDontClip;
    p_.drawText(rect(t.x, t.y, width, 10), alignmentOf(t.align) | Qt::AlignTop | clipping,
                QString::fromStdString(t.text));
  }
  void operator()(const prints::Boxes& b) {
    p_.setFont(fontOf(FontRole::Fixed));
    for (std::size_t i = 0; i < b.chars.size(); ++i) {
      const QRectF box = rect(b.x + static_cast<double>(i) * b.boxWidth, b.y, b.boxWidth, b.height);
      pen(0.25);
      p_.drawRect(box);
      p_.drawText(box, Qt::AlignCenter, QString::fromStdString(b.chars[i]));
    }
  }
  void operator()(const prints::Line& l) {
    pen(l.weight);
    p_.drawLine(QPointF(dots(l.x1), dots(l.y1)), QPointF(dots(l.x2), dots(l.y2)));
  }
  void operator()(const prints::Rect& r) {
    pen(r.weight);
    p_.drawRect(rect(r.x, r.y, r.width, r.height));
  }

 private:
  QPainter& p_;
  double dotsPerMm_;
  double pageWidth_;
};

QPageLayout layoutOf(const prints::Page& page) {
  return QPageLayout(QPageSize(QPageSize::A4),
                     page.orientation == prints::Orientation::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait,
                     QMarginsF());
}

}  // namespace

void drawPage(QPainter& painter, const prints::Page& page) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  MillimetrePainter mm(painter, page.width());
  for (const auto& item : page.items) std::visit(mm, item);
  painter.restore();
}

QImage pageImage(const prints::Page& page, double dotsPerInch) {
  const auto size = [&](double mm) {
    return static_cast<int>(mm / kMmPerInch * dotsPerInch + 0.5);
  };
  QImage image(size(page.width()), size(page.height()), QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(dotsPerInch / 0.0254 + 0.5);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawPage(painter, page);
  return image;
}

QString printPages(QPagedPaintDevice& device, const prints::Pages& pages) {
  if (pages.empty()) return QStringLiteral("There are no records available to process.");
  device.setPageLayout(layoutOf(pages.front()));
  QPainter painter;
  if (!painter.begin(&device)) return QStringLiteral("Ispis se ne može započeti");
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      device.setPageLayout(layoutOf(pages[i]));
      device.newPage();
    }
    drawPage(painter, pages[i]);
  }
  painter.end();
  return {};
}

QString writePdf(const prints::Pages& pages, const QString& path) {
  // Drawn in memory first: the file is put in place only whole (a full disk keeps the old one).
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&bytes);
    pdf.setResolution(600);
    pdf.setCreator(QStringLiteral("obrazac"));
    if (QString failed = printPages(pdf, pages); !failed.isEmpty()) return failed;
  }
  const QByteArray& data = bytes.data();
  const std::string why =
      replaceFile(path.toStdString(),
                  std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
  return QString::fromStdString(why);
}

}  // namespace obrazac::render
