#include "frame/ui/progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "frame/record_walker.h"
#include "frame/ui/dialog_units.h"

namespace obrazac::ui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent),
      bar_(new QProgressBar(this)),
      text_(new QLabel(this)),
      percent_(new QLabel(this)),
      cancel_(new QPushButton("Cancel", this)) {
  setWindowTitle("Progress...");
  setObjectName("ProgressWindow");
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  bar_->setAccessibleName("Progress");
  text_->setAccessibleName("Progress text");
  percent_->setAccessibleName("Percent complete");
  percent_->setAlignment(Qt::AlignCenter);
  text_->setAlignment(Qt::AlignCenter);
  cancel_->setAccessibleName("Cancel");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar_);
  layout->addWidget(text_);
  layout->addWidget(percent_);
  layout->addWidget(cancel_, 0, Qt::AlignCenter);
  setFixedSize(DialogUnits(font()).size(142, 59).expandedTo(sizeHint()));
  connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::cancelled);
}

// The text is rewritten only when the whole-number percentage changes.
void ProgressWindow::setPercent(int percent) {
  if (percent == bar_->value() && !percent_->text().isEmpty()) return;
  bar_->setValue(percent);
  percent_->setText(QString::fromStdString(obrazac::percentText(percent)));
}

void ProgressWindow::setText(const QString& text) {
  text_->setText(text);
}

// The window's close box cancels like the button.
void ProgressWindow::closeEvent(QCloseEvent* e) {
  e->ignore();
  emit cancelled();
}

}  // namespace obrazac::ui
