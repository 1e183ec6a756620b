#include "frame/ui/print_preview.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "frame/page_list.h"
#include "frame/ui/dialog_units.h"
#include "frame/ui/page_canvas.h"
#include "frame/ui/preview_dialogs.h"
#include "frame/ui/report_printer.h"

namespace obrazac::ui {
namespace {

constexpr const char* kPlaceSection = "_PreviewWindow_";
constexpr int kLargestLayout = 10;

// Where the user last put a preview in this run (in pixels).
std::optional<QRect>& placeOfThisRun() {
  static std::optional<QRect> place;
  return place;
}

QString text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// The pages the list keeps, in report order.
prints::Pages keptPages(const prints::Pages& pages, const QString& list) {
  prints::Pages kept;
  for (const int p : pagesToPrint(list.toStdString(), static_cast<int>(pages.size())))
    kept.push_back(pages[static_cast<std::size_t>(p - 1)]);
  return kept;
}

QSpinBox* layoutSpin(QWidget* parent, const QString& name) {
  auto* s = new QSpinBox(parent);
  s->setRange(1, kLargestLayout);
  s->setAccessibleName(name);
  return s;
}

}  // namespace

PrintPreview::PrintPreview(Desktop& desktop, prints::Pages pages, QWidget* parent)
    : QDialog(parent),
      desktop_(desktop),
      pages_(std::move(pages)),
      layout_(static_cast<int>(pages_.size())) {
  setWindowTitle("Report Preview");
  setObjectName("PrintPreview");
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  buildMenus();
  buildToolbar();
  scroll_ = new QScrollArea(this);
  scroll_->setAccessibleName("Report pages");
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  canvas_ = new PageCanvas(pages_, layout_, scroll_);
  scroll_->setWidget(canvas_);
  box->addWidget(scroll_, 1);
  auto* status = new QStatusBar(this);
  status->setSizeGripEnabled(true);
  zoomStatus_ = new QLabel(status);
  zoomStatus_->setAccessibleName("Zoom status");
  pageStatus_ = new QLabel(status);
  pageStatus_->setAccessibleName("Page status");
  status->addPermanentWidget(zoomStatus_);
  status->addPermanentWidget(pageStatus_);
  box->addWidget(status);
  setMinimumSize(DialogUnits(font()).size(291, 120));
  connect(canvas_, &PageCanvas::pageClicked, this, [this](int page) {
    layout_.goToPage(page);
    refresh();
  });
  pagesToPrint_ = QString::fromStdString(allPages(layout_.pages()));
}

PrintPreview::~PrintPreview() = default;

QAction* PrintPreview::action(const QString& name) const {
  return findChild<QAction*>(name);
}

void PrintPreview::buildMenus() {
  auto* bar = new QMenuBar(this);
  layout()->setMenuBar(bar);
  const auto add = [this](QMenu* menu, const QString& name, const QString& caption, auto slot) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  QMenu* file = bar->addMenu("&File");
  add(file, "pagesToPrint", "Pa&ges to Print...", [this] { askPagesToPrint(); });
  add(file, "print", "&Print", &PrintPreview::print);
  add(file, "saveAsPdf", QString::fromUtf8("&Spremi kao PDF..."), &PrintPreview::saveAsPdf);
  file->addSeparator();
  add(file, "exit", "E&xit", &PrintPreview::exitWithoutPrinting);
  QMenu* view = bar->addMenu("&View");
  view->menuAction()->setObjectName("viewMenu");
  add(view, "next", "&Next Page(s)", [this] {
    layout_.next();
    refresh();
  })->setShortcut(QKeySequence(Qt::Key_PageDown));
  add(view, "previous", "&Previous Page(s)", [this] {
    layout_.previous();
    refresh();
  })->setShortcut(QKeySequence(Qt::Key_PageUp));
  add(view, "jump", "&Jump to a page", &PrintPreview::jump);
  add(view, "changeDisplay", "&Change Display", &PrintPreview::changeDisplay);
  QMenu* zoom = bar->addMenu("&Zoom");
  int row = 0;
  for (const ZoomRow& z : zoomTable()) {
    const int index = ++row;
    QAction* a = add(zoom, QString("zoom%1").arg(index), text(z.menuText), [this, index] {
      layout_.setZoomIndex(index);
      refresh();
    });
    a->setCheckable(true);
    zoomActions_ << a;
  }
}

void PrintPreview::buildToolbar() {
  auto* bar = new QToolBar(this);
  bar->setAccessibleName("Preview toolbar");
  layout()->addWidget(bar);
  zoomButton_ = new QToolButton(bar);
  zoomButton_->setText("Zoom");
  zoomButton_->setToolTip("Zoom in on a page of the report");
  zoomButton_->setAccessibleName("Zoom in on a page of the report");
  auto* popup = new QMenu(zoomButton_);
  popup->addActions(zoomActions_);
  zoomButton_->setMenu(popup);
  zoomButton_->setPopupMode(QToolButton::InstantPopup);
  bar->addWidget(zoomButton_);
  QAction* print = bar->addAction("Print");
  print->setToolTip("Print this report");
  connect(print, &QAction::triggered, this, &PrintPreview::print);
  QAction* exit = bar->addAction("Exit");
  exit->setToolTip("Exit without printing the report");
  connect(exit, &QAction::triggered, this, &PrintPreview::exitWithoutPrinting);
  for (QAction* a : {print, exit})
    if (QWidget* w = bar->widgetForAction(a)) w->setAccessibleName(a->toolTip());
  bar->addSeparator();

  const auto prompt = [bar](const QString& caption, QWidget* buddy) {
    auto* l = new QLabel(caption, bar);
    l->setBuddy(buddy);
    l->setContentsMargins(6, 0, 2, 0);
    bar->addWidget(l);
    bar->addWidget(buddy);
  };
  pageSpin_ = new QSpinBox(bar);
  pageSpin_->setAccessibleName("Page");
  pageSpin_->setRange(1, std::max(layout_.pages(), 1));
  prompt("&Page:", pageSpin_);
  acrossSpin_ = layoutSpin(bar, "Across");
  prompt("&Across:", acrossSpin_);
  downSpin_ = layoutSpin(bar, "Down");
  prompt("&Down:", downSpin_);
  zoomList_ = new QComboBox(bar);
  zoomList_->setAccessibleName("Zoom");
  zoomList_->setInsertPolicy(QComboBox::NoInsert);
  for (const ZoomRow& z : zoomTable()) zoomList_->addItem(text(z.menuText));
  zoomList_->setMinimumContentsLength(10);
  prompt("Z&oom:", zoomList_);

  connect(pageSpin_, &QSpinBox::valueChanged, this, [this](int page) {
    layout_.goToPage(page);
    refresh();
  });
  connect(acrossSpin_, &QSpinBox::valueChanged, this, [this](int n) {
    layout_.setAcross(n);
    refresh();
  });
  connect(downSpin_, &QSpinBox::valueChanged, this, [this](int n) {
    layout_.setDown(n);
    refresh();
  });
  connect(zoomList_, &QComboBox::activated, this, [this](int index) {
    layout_.setZoomIndex(index + 1);
    refresh();
  });
}

void PrintPreview::setAllowUserZoom(bool on) {
  zoomList_->setEditable(on);
  if (!on) return;
  zoomList_->lineEdit()->setAccessibleName("Zoom");
  connect(zoomList_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
    layout_.setZoomText(zoomList_->currentText().toStdString());
    refresh();
  });
}

void PrintPreview::display(int zoomRow, int page, int across, int down) {
  printOk_ = false;
  if (pages_.empty()) {
    QTimer::singleShot(0, this, [this] { emit closed(false); });
    return;
  }
  layout_.start(zoomRow, page, across, down);
  pagesToPrint_ = QString::fromStdString(allPages(layout_.pages()));
  if (layout_.pages() > 1)
    pageSpin_->setToolTip(QString("Enter a page number from 1 to %1").arg(layout_.pages()));
  place();
  refresh();
  open();
  QTimer::singleShot(0, this, [this] { refresh(); });
}

void PrintPreview::place() {
  const DialogUnits du(font());
  if (const auto& here = placeOfThisRun()) {
    setGeometry(*here);
  } else if (const auto kept = desktop_.settings.read(kPlaceSection)) {
    move(du.point(kept->x, kept->y));
    if (kept->width && kept->height) resize(du.size(*kept->width, *kept->height));
  } else {
    resize(QSize(900, 700).expandedTo(minimumSize()));
  }
  placed_ = true;
}

// The controls and the view after every change of page, zoom or layout.
void PrintPreview::refresh() {
  const QSignalBlocker blockPage(pageSpin_), blockAcross(acrossSpin_), blockDown(downSpin_);
  pageSpin_->setValue(layout_.currentPage());
  acrossSpin_->setValue(layout_.across());
  downSpin_->setValue(layout_.down());
  pageSpin_->setEnabled(layout_.pageSpinEnabled());
  acrossSpin_->setEnabled(layout_.layoutSpinsEnabled());
  downSpin_->setEnabled(layout_.layoutSpinsEnabled());
  action("previous")->setEnabled(layout_.canPrevious());
  action("next")->setEnabled(layout_.canNext());
  action("jump")->setEnabled(layout_.canJump());
  action("changeDisplay")->setEnabled(layout_.canChangeDisplay());
  action("viewMenu")->setEnabled(layout_.pages() > 1);
  for (int i = 0; i < zoomActions_.size(); ++i)
    zoomActions_[i]->setChecked(i + 1 == layout_.zoomIndex());
  zoomStatus_->setText(QString::fromStdString(layout_.zoomStatus()));
  pageStatus_->setText(QString::fromStdString(layout_.pageStatus()));
  const QSignalBlocker blockZoom(zoomList_);
  const QString zoomText = QString::fromStdString(layout_.zoomListText());
  if (layout_.zoomIndex()) zoomList_->setCurrentIndex(layout_.zoomIndex() - 1);
  if (zoomList_->isEditable()) zoomList_->setEditText(zoomText);
  scroll_->setWidgetResizable(false);
  canvas_->relayout(scroll_->viewport()->size());
}

void PrintPreview::askPagesToPrint(std::function<void(bool)> then) {
  auto* d = new PagesToPrintDialog(pagesToPrint_, layout_.pages(), &desktop_.settings, this);
  d->setAttribute(Qt::WA_DeleteOnClose);
  connect(d, &QDialog::finished, this, [this, d, then](int result) {
    if (result == QDialog::Accepted) pagesToPrint_ = d->list();
    refresh();
    if (then) then(result == QDialog::Accepted);
  });
  d->open();
}

void PrintPreview::print() {
  if (!confirmPages_) {
    printOk_ = true;
    accept();
    return;
  }
  askPagesToPrint([this](bool ok) {
    printOk_ = ok;
    accept();
  });
}

void PrintPreview::exitWithoutPrinting() {
  printOk_ = false;
  reject();
}

void PrintPreview::jump() {
  auto* d = new JumpDialog(layout_.currentPage(), layout_.pages(), this);
  d->setAttribute(Qt::WA_DeleteOnClose);
  connect(d, &QDialog::accepted, this, [this, d] {
    layout_.goToPage(d->page());
    refresh();
  });
  d->open();
}

void PrintPreview::changeDisplay() {
  auto* d = new ChangeDisplayDialog(layout_.across(), layout_.down(), this);
  d->setAttribute(Qt::WA_DeleteOnClose);
  connect(d, &QDialog::accepted, this, [this, d] {
    layout_.changeDisplay(d->across(), d->down());
    refresh();
  });
  d->open();
}

void PrintPreview::saveAsPdf() {
  savePagesAsPdf(desktop_.prompter, this, keptPages(pages_, pagesToPrint_), pdfName_);
}

void PrintPreview::rememberPlace() {
  if (placed_ && isVisible() && !isMaximized() && !isMinimized()) placeOfThisRun() = geometry();
}

void PrintPreview::moveEvent(QMoveEvent* e) {
  QDialog::moveEvent(e);
  rememberPlace();
}

void PrintPreview::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  rememberPlace();
  if (canvas_) canvas_->relayout(scroll_->viewport()->size());
}

prints::Pages PrintPreview::printedPages() const {
  return printOk_ ? keptPages(pages_, pagesToPrint_) : prints::Pages();
}

void PrintPreview::done(int result) {
  if (!isMaximized() && !isMinimized()) {
    const DialogUnits du(font());
    desktop_.settings.write(kPlaceSection, WindowPlace{du.unitsX(x()), du.unitsY(y()),
                                                       du.unitsX(width()), du.unitsY(height())});
  }
  QDialog::done(result);
  emit closed(printOk_);
}

}  // namespace obrazac::ui
