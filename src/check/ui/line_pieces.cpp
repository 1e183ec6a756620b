#include "check/ui/line_pieces.h"

#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>

#include "data/codepage.h"

namespace obrazac::ui {

LinePieces::LinePieces(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    auto* ruler = new QLabel(kColumnRuler, this);
    ruler->setFont(fixed);
    ruler->setAccessibleName("Ravnalo");
    auto* piece = new QLabel(this);
    piece->setFont(fixed);
    piece->setTextFormat(Qt::PlainText);
    piece->setTextInteractionFlags(Qt::TextSelectableByMouse);
    piece->setAccessibleName(QString("Znakovi %1-%2").arg(i * 50 + 1).arg(i * 50 + 50));
    column->addWidget(ruler);
    column->addWidget(piece);
    pieces_[i] = piece;
  }
}

void LinePieces::showLine(std::string_view line) {
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const std::string_view part = i * 50 < line.size() ? line.substr(i * 50, 50) : "";
    // Blanks shown as they are: the columns stay under the ruler.
    pieces_[i]->setText(QString::fromStdString(utf8FromCp1250(part)));
  }
}

}  // namespace obrazac::ui
