#include "frame/ui/browse_list.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "data/codepage.h"
#include "frame/save_message.h"
#include "frame/ui/update_form.h"

namespace obrazac::ui {
namespace {

constexpr int kMaxShadow = 40;

}  // namespace

// The rows of the page, as the view shows them.
class BrowseList::PageModel final : public QAbstractTableModel {
 public:
  explicit PageModel(BrowseList& list) : QAbstractTableModel(&list), list_(list) {}
  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : list_.rowCount();
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : list_.columnCount();
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return list_.cellText(index.row(), index.column());
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return list_.column(section).title;
  }
  void refresh() {
    beginResetModel();
    endResetModel();
  }

 private:
  BrowseList& list_;
};

BrowseList::BrowseList(ProcedureWindow& window, const std::string& prefix, int listControl)
    : QObject(&window),
      window_(window),
      prefix_(prefix),
      listControl_(listControl),
      pager_(window.thread().table(prefix)) {
  box_ = new QWidget(&window);
  auto* layout = new QVBoxLayout(box_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  tabs_ = new QTabBar(box_);
  tabs_->setDrawBase(true);
  tabs_->setExpanding(false);
  layout->addWidget(tabs_);

  locatorRow_ = new QWidget(box_);
  auto* locatorLayout = new QHBoxLayout(locatorRow_);
  locatorLayout->setContentsMargins(4, 0, 0, 0);
  locatorPrompt_ = new QLabel(locatorRow_);
  entry_ = new QLineEdit(locatorRow_);
  locatorPrompt_->setBuddy(entry_);
  locatorLayout->addWidget(locatorPrompt_);
  locatorLayout->addWidget(entry_);
  locatorLayout->addStretch(1);
  locatorRow_->hide();
  layout->addWidget(locatorRow_);

  auto* listRow = new QHBoxLayout;
  listRow->setSpacing(0);
  view_ = new QTableView(box_);
  model_ = new PageModel(*this);
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view_->setTabKeyNavigation(false);
  view_->setWordWrap(false);
  view_->setAlternatingRowColors(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  view_->installEventFilter(this);
  view_->viewport()->installEventFilter(this);
  thumb_ = new QScrollBar(Qt::Vertical, box_);
  thumb_->setRange(0, 100);
  thumb_->setPageStep(10);
  thumb_->setTracking(false);
  listRow->addWidget(view_, 1);
  listRow->addWidget(thumb_);
  layout->addLayout(listRow, 1);

  popup_ = new QMenu(view_);
  insertItem_ = popup_->addAction("&Insert", this, [this] { pressButton(insertControl_); });
  changeItem_ = popup_->addAction("&Change", this, [this] { pressButton(changeControl_); });
  deleteItem_ = popup_->addAction("&Delete", this, [this] { pressButton(deleteControl_); });
  selectItem_ = popup_->addAction("&Select", this, [this] { pressButton(selectControl_); });

  window.registerControl(listControl_, view_);

  connect(view_, &QTableView::pressed, this, [this](const QModelIndex& index) {
    if (syncing_ || !index.isValid() || index.row() == pager_.current()) return;
    pager_.setCurrent(index.row());
    newSelection();
  });
  connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (!index.isValid()) return;
    pressButton(selecting_ ? selectControl_ : changeControl_);
  });
  connect(view_, &QWidget::customContextMenuRequested, this, &BrowseList::showPopup);
  connect(tabs_, &QTabBar::currentChanged, this, &BrowseList::selectSortOrder);
  connect(entry_, &QLineEdit::textEdited, this, [this](const QString& text) {
    shadow_ = text.left(kMaxShadow);
    locateShadow();
  });
  connect(thumb_, &QScrollBar::actionTriggered, this, [this](int action) {
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd:
        move(toolbar::kDown);
        break;
      case QAbstractSlider::SliderSingleStepSub:
        move(toolbar::kUp);
        break;
      case QAbstractSlider::SliderPageStepAdd:
        move(toolbar::kPageDown);
        break;
      case QAbstractSlider::SliderPageStepSub:
        move(toolbar::kPageUp);
        break;
      case QAbstractSlider::SliderToMinimum:
        move(toolbar::kTop);
        break;
      case QAbstractSlider::SliderToMaximum:
        move(toolbar::kBottom);
        break;
      default:
        return;
    }
    // The slider sets its own value after this signal: put the thumb back where the record is.
    QTimer::singleShot(0, this, [this] {
      const QSignalBlocker block(thumb_);
      thumb_->setValue(thumbValue_);
    });
  });
  connect(thumb_, &QScrollBar::sliderReleased, this, [this] {
    if (window_.inCall()) return;
    pager_.thumbTo(thumb_->sliderPosition());
    newSelection();
  });
}

BrowseList::~BrowseList() = default;

void BrowseList::addSortOrder(SortOrder order) {
  orders_.push_back(std::move(order));
  const QSignalBlocker block(tabs_);
  tabs_->addTab(orders_.back().tab);
  // A hidden tab bar does not tell its layout that it grew.
  tabs_->setMinimumHeight(tabs_->sizeHint().height());
  if (orders_.size() == 1) applyOrder();
}

void BrowseList::addColumn(Column column) {
  const int field = table().decl().fieldIndex(column.field);
  const int width = view_->fontMetrics().averageCharWidth() * column.width + 12;
  columns_.push_back(std::move(column));
  columnFields_.push_back(field);
  model_->refresh();
  view_->setColumnWidth(static_cast<int>(columns_.size()) - 1, width);
}

void BrowseList::setButtons(int insert, int change, int remove, int select, int help) {
  insertControl_ = insert;
  changeControl_ = change;
  deleteControl_ = remove;
  selectControl_ = select;
  helpControl_ = help;
}

void BrowseList::init() {
  selecting_ = window_.request() == request::kSelect;
  if (selecting_) savedBuffer_ = std::make_unique<Record>(table().record());
  window_.addBrowse(this);
  if (ToolbarDispatcher* t = window_.toolbar()) {
    ToolbarTarget target;
    target.browse = this;
    target.control = listControl_;
    target.insertButton = insertControl_;
    target.changeButton = changeControl_;
    target.deleteButton = deleteControl_;
    target.selectButton = selectControl_;
    target.helpButton = helpControl_;
    t->addTarget(target);
  }
  updateButtons();
}

void BrowseList::setAlerts() {
  // Insert, Delete, Ctrl+Enter, double and right click and the locator's keys reach the list
  // through its event filter.
}

void BrowseList::kill() {
  if (!selecting_ || !savedBuffer_) return;
  if (window_.response() == response::kCompleted) {
    if (const auto* row = pager_.highlighted()) table().reget(row->position);
  } else {
    table().record() = *savedBuffer_;
  }
}

// --- the sort order, ranges and locators ------------------------------------------------------

void BrowseList::applyOrder() {
  if (orders_.empty()) return;
  const SortOrder& o = orders_[static_cast<std::size_t>(active_)];
  BrowsePager::Order order;
  order.key = table().decl().keyIndex(o.key);
  order.rangeComponents = o.rangeComponents;
  order.primeRange = o.primeRange;
  order.filter = o.filter;
  pager_.setOrder(order);
  lastRange_ = std::make_unique<Record>(rangeValues());
  locatorRow_->setVisible(o.locator == Locator::Entry);
  locatorPrompt_->setText(o.locatorPrompt);
  entry_->setToolTip(o.locatorTip);
  entry_->setMaxLength(kMaxShadow);
  entry_->setFixedWidth(view_->fontMetrics().averageCharWidth() * (o.locatorWidth + 2) + 8);
  entry_->clear();
  shadow_.clear();
}

void BrowseList::selectSortOrder(int index) {
  if (index < 0 || index >= static_cast<int>(orders_.size()) || index == active_) return;
  active_ = index;
  applyOrder();
  pager_.refill();
  newSelection();
}

Record BrowseList::rangeValues() const {
  Record r(pager_.table().decl());
  pager_.primeRange(r);
  return r;
}

bool BrowseList::takeLocatorKey(QKeyEvent* key) {
  if (orders_.empty()) return false;
  const SortOrder& o = orders_[static_cast<std::size_t>(active_)];
  const QString text = key->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint();
  const int field = pager_.freeField();
  if (field < 0) return false;
  const bool nocase = table().decl().keys[static_cast<std::size_t>(pager_.order().key)].nocase;
  if (o.locator == Locator::Entry) {
    if (key->key() == Qt::Key_Backspace) {
      shadow_.chop(1);
    } else if (printable && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      if (shadow_.size() >= kMaxShadow) return true;
      shadow_ += nocase ? text.toUpper() : text;
    } else {
      return false;
    }
    entry_->setText(shadow_);
    locateShadow();
    return true;
  }
  if (o.locator == Locator::Step && printable &&
      !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    const std::string c = cp1250FromUtf8(text.left(1).toStdString());
    auto startsWith = [&](const Record& r) {
      if (!isTextField(r.field(field))) return false;
      const std::string& v = r.text(field);
      if (v.empty()) return false;
      return nocase ? QString::fromStdString(utf8FromCp1250(v.substr(0, 1))).toUpper() ==
                          QString::fromStdString(utf8FromCp1250(c)).toUpper()
                    : v.compare(0, 1, c) == 0;
    };
    if (!pager_.empty()) pager_.down();
    const auto* row = pager_.highlighted();
    if (!row || !startsWith(row->record)) {
      Record probe = rangeValues();
      if (isTextField(probe.field(field)))
        probe.setText(field, c);
      else
        probe.assign(field, text.left(1).toStdString());
      pager_.locate(probe);
    }
    newSelection();
    return true;
  }
  return false;
}

void BrowseList::locateShadow() {
  const int field = pager_.freeField();
  if (field < 0) return;
  Record probe = rangeValues();
  if (isTextField(probe.field(field)))
    probe.setText(field, cp1250FromUtf8(shadow_.toStdString()));
  else
    probe.assign(field, shadow_.toStdString());
  pager_.locate(probe);
  newSelection();
}

// --- filling and showing ---------------------------------------------------------------------

int BrowseList::fittingRows() const {
  const int rowHeight = std::max(1, view_->verticalHeader()->defaultSectionSize());
  return std::max(1, view_->viewport()->height() / rowHeight);
}

bool BrowseList::needsRefresh() const {
  return pageSizeDirty_ || !lastRange_ || !(*lastRange_ == rangeValues());
}

void BrowseList::resetSort(bool force) {
  if (window_.inCall()) return;
  if (!force && !needsRefresh()) return;
  pageSizeDirty_ = false;
  lastRange_ = std::make_unique<Record>(rangeValues());
  pager_.setPageSize(fittingRows());
  pager_.refill();
}

void BrowseList::pageSizeChanged() {
  if (fittingRows() == pager_.pageSize() || window_.inCall() || !window_.isOpened()) return;
  const bool grows = fittingRows() > pager_.pageSize();
  pager_.setPageSize(fittingRows());
  if (grows) pager_.refill();
  updateWindow();
}

int BrowseList::rowCount() const {
  return static_cast<int>(pager_.rows().size());
}

QString BrowseList::cellText(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return {};
  const Record& r = pager_.rows()[static_cast<std::size_t>(row)].record;
  const Column& c = columns_[static_cast<std::size_t>(column)];
  if (c.format) return c.format(r);
  const int field = columnFields_[static_cast<std::size_t>(column)];
  return field < 0 ? QString() : fieldText(r, field);
}

void BrowseList::updateWindow() {
  syncing_ = true;
  model_->refresh();
  if (pager_.current() >= 0) {
    const QModelIndex index = model_->index(pager_.current(), 0);
    view_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  syncing_ = false;
  if (!shadow_.isEmpty() || entry_->text() != shadow_) entry_->setText(shadow_);
  updateButtons();
  if (!window_.inCall()) {
    thumbValue_ = pager_.thumbPosition();
    const QSignalBlocker block(thumb_);
    thumb_->setValue(thumbValue_);
  }
  window_.updateToolbar();
}

void BrowseList::updateButtons() {
  const bool rows = !pager_.empty();
  auto enable = [&](int id, bool on) {
    if (QWidget* w = window_.control(id)) w->setEnabled(on);
  };
  enable(changeControl_, rows);
  enable(deleteControl_, rows);
  if (QWidget* s = window_.control(selectControl_)) {
    if (selecting_) {
      s->setVisible(true);
      s->setEnabled(rows && window_.request() == request::kSelect);
      if (auto* button = qobject_cast<QPushButton*>(s)) button->setDefault(true);
    } else if (hideSelect) {
      s->setEnabled(false);
      s->setVisible(false);
    }
  }
  insertItem_->setVisible(insertControl_ != 0);
  insertItem_->setEnabled(window_.controlEnabled(insertControl_));
  changeItem_->setVisible(changeControl_ != 0);
  changeItem_->setEnabled(window_.controlEnabled(changeControl_));
  deleteItem_->setVisible(deleteControl_ != 0);
  deleteItem_->setEnabled(window_.controlEnabled(deleteControl_));
  selectItem_->setVisible(selecting_ && selectControl_ != 0);
  selectItem_->setEnabled(window_.controlEnabled(selectControl_));
}

void BrowseList::refreshCurrent() {
  const auto* row = pager_.highlighted();
  if (!row) return;
  table().watch();
  if (table().reget(row->position) != 0) {
    pager_.refill();
    updateWindow();
  }
}

void BrowseList::newSelection() {
  updateWindow();
  window_.takeEvent({EventKind::NewSelection, listControl_});
}

void BrowseList::move(int code) {
  if (window_.inCall()) return;
  switch (code) {
    case toolbar::kBottom:
      pager_.bottom();
      break;
    case toolbar::kTop:
      pager_.top();
      break;
    case toolbar::kPageDown:
      pager_.pageDown();
      break;
    case toolbar::kPageUp:
      pager_.pageUp();
      break;
    case toolbar::kDown:
      pager_.down();
      break;
    case toolbar::kUp:
      pager_.up();
      break;
    default:
      return;
  }
  newSelection();
}

// --- buttons, keys and the popup ---------------------------------------------------------------

void BrowseList::pressButton(int control) {
  if (control && window_.controlEnabled(control)) window_.takeEvent({EventKind::Accepted, control});
}

void BrowseList::takeEvent(const Event& e) {
  if (e.kind != EventKind::Accepted || e.control == 0) return;
  if (e.control == insertControl_) {
    window_.updateBrowses();
    ask(request::kInsert);
  } else if (e.control == changeControl_) {
    window_.updateBrowses();
    ask(request::kChange);
  } else if (e.control == deleteControl_) {
    window_.updateBrowses();
    ask(request::kDelete);
  } else if (e.control == selectControl_) {
    window_.setResponse(response::kCompleted);
  }
}

bool BrowseList::takeKey(QKeyEvent* key) {
  const bool rows = !pager_.empty();
  const bool ctrl = key->modifiers() & Qt::ControlModifier;
  switch (key->key()) {
    case Qt::Key_Down:
      move(toolbar::kDown);
      return true;
    case Qt::Key_Up:
      move(toolbar::kUp);
      return true;
    case Qt::Key_PageDown:
      move(toolbar::kPageDown);
      return true;
    case Qt::Key_PageUp:
      move(toolbar::kPageUp);
      return true;
    case Qt::Key_Home:
      move(toolbar::kTop);
      return true;
    case Qt::Key_End:
      move(toolbar::kBottom);
      return true;
    case Qt::Key_Insert:
      pressButton(insertControl_);
      return true;
    case Qt::Key_Delete:
      if (rows) pressButton(deleteControl_);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ctrl) {
        if (rows) pressButton(changeControl_);
        return true;
      }
      return false;
    default:
      return takeLocatorKey(key);
  }
}

void BrowseList::showPopup(const QPoint& pos) {
  const int row = view_->rowAt(pos.y());
  if (row >= 0 && row != pager_.current()) {
    pager_.setCurrent(row);
    newSelection();
  }
  updateButtons();
  popup_->popup(view_->viewport()->mapToGlobal(pos));
}

bool BrowseList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::KeyPress) {
    if (window_.inCall()) return true;
    return takeKey(static_cast<QKeyEvent*>(event));
  }
  if (watched == view_->viewport()) {
    if (event->type() == QEvent::Resize) {
      pageSizeDirty_ = fittingRows() != pager_.pageSize();
      QTimer::singleShot(0, this, [this] { pageSizeChanged(); });
    } else if (event->type() == QEvent::Wheel) {
      const int steps = static_cast<QWheelEvent*>(event)->angleDelta().y() / 40;
      for (int i = 0; i < std::abs(steps); ++i) move(steps > 0 ? toolbar::kUp : toolbar::kDown);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

// --- the request protocol with the update form -------------------------------------------------

void BrowseList::ask(int request) {
  ProcedureThread& thread = window_.thread();
  thread.navigation = 0;
  if (request == request::kInsert) {
    table().clear();
    pager_.primeRange(table().record());
    RecordManager& manager = thread.manager(prefix_);
    for (;;) {
      const SaveResult r = manager.reserveAutoNumber();
      if (r.ok()) break;
      // An auto-number that could not be taken asks whether to try again.
      const StandardMessageCall m = saveMessage(r, 4);
      if (window_.errors().throwMessage(m.id, m.values) == level::kBenign &&
          r.status == SaveStatus::AutoNumberFailed)
        continue;
      pager_.refill();
      updateWindow();
      return;
    }
  } else if (pager_.empty()) {
    return;
  }
  QPointer<BrowseList> self(this);
  window_.callProcedure(askProcedure_, request, [self, request](int response) {
    if (self) self->answer(request, response);
  });
}

void BrowseList::answer(int request, int response) {
  if (window_.isDead()) return;
  if (response == response::kCompleted && request != request::kDelete)
    pager_.refillAt(table().position(), table().record());
  else
    pager_.refill();
  const int navigation = window_.thread().navigation;
  int next = request;
  if (navigation == toolbar::kInsert ||
      (navigation == toolbar::kDown && request == request::kInsert)) {
    next = request::kInsert;
  } else if (toolbar::isNavigation(navigation) && !pager_.empty()) {
    move(navigation);
  } else {
    updateWindow();
    view_->setFocus();
    emit askFinished(response);
    return;
  }
  updateWindow();
  if (next != request::kInsert) refreshCurrent();
  ask(next);
}

}  // namespace obrazac::ui
