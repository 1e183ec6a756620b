#include "frame/ui/preview_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "frame/page_list.h"
#include "frame/ui/dialog_units.h"
#include "frame/ui/settings_manager.h"

namespace obrazac::ui {
namespace {

constexpr const char* kAskPagesSection = "_PreviewAskPagesWindow_";
constexpr int kLargestLayout = 10;

QSpinBox* spinBox(QWidget* parent, int low, int high, int value, const QString& name) {
  auto* s = new QSpinBox(parent);
  s->setRange(low, high);
  s->setValue(value);
  s->setAccessibleName(name);
  return s;
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setAccessibleName(name);
  return b;
}

}  // namespace

JumpDialog::JumpDialog(int page, int pages, QWidget* parent)
    : QDialog(parent), page_(spinBox(this, 1, pages, page, "Page")) {
  setWindowTitle("Jump to a Report Page");
  setObjectName("JumpDialog");
  page_->setToolTip("Select a page of the report");
  auto* label = new QLabel("&Page:", this);
  label->setBuddy(page_);
  QPushButton* ok = button("OK", "OK", this);
  ok->setDefault(true);
  ok->setToolTip("Jump to the selected page");
  QPushButton* cancel = button("Cancel", "Cancel", this);
  cancel->setToolTip("Cancel this selection");
  auto* row = new QHBoxLayout(this);
  row->addWidget(label);
  row->addWidget(page_);
  row->addWidget(ok);
  row->addWidget(cancel);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  setMinimumWidth(DialogUnits(font()).x(181));
}

int JumpDialog::page() const {
  return page_->value();
}

ChangeDisplayDialog::ChangeDisplayDialog(int across, int down, QWidget* parent)
    : QDialog(parent),
      across_(spinBox(this, 1, kLargestLayout, across, "Across")),
      down_(spinBox(this, 1, kLargestLayout, down, "Down")) {
  setWindowTitle("Change the Report Display");
  setObjectName("ChangeDisplayDialog");
  auto* group = new QGroupBox("Pages Displayed", this);
  auto* form = new QFormLayout(group);
  form->addRow("Across", across_);
  form->addRow("Down", down_);
  QPushButton* ok = button("OK", "OK", this);
  ok->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int ChangeDisplayDialog::across() const {
  return across_->value();
}
int ChangeDisplayDialog::down() const {
  return down_->value();
}

PagesToPrintDialog::PagesToPrintDialog(const QString& list, int pages, SettingsManager* settings,
                                       QWidget* parent)
    : QDialog(parent),
      entry_(new QLineEdit(list, this)),
      reset_(button("&Reset", "Reset", this)),
      settings_(settings) {
  setWindowTitle("Pages to Print");
  setObjectName("PagesToPrintDialog");
  entry_->setMaxLength(255);
  entry_->setAccessibleName("Pages to Print");
  auto* label = new QLabel("&Pages to Print:", this);
  label->setBuddy(entry_);
  QPushButton* ok = button("&Ok", "Ok", this);
  ok->setDefault(true);
  QPushButton* cancel = button("&Cancel", "Cancel", this);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(entry_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(reset_);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(buttons);
  setMinimumWidth(DialogUnits(font()).x(260));
  connect(reset_, &QPushButton::clicked, this,
          [this, pages] { entry_->setText(QString::fromStdString(allPages(pages))); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  if (settings_)
    if (const auto place = settings_->read(kAskPagesSection))
      move(DialogUnits(font()).point(place->x, place->y));
}

QString PagesToPrintDialog::list() const {
  return entry_->text();
}

void PagesToPrintDialog::done(int result) {
  if (settings_) {
    const DialogUnits du(font());
    settings_->write(kAskPagesSection, WindowPlace{du.unitsX(x()), du.unitsY(y()), {}, {}});
  }
  QDialog::done(result);
}

}  // namespace obrazac::ui
