#include "codelists/ui/stablo.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QTreeWidget>

#include "codelists/ui/azur_veznatab.h"
#include "codelists/ui/code_list_print.h"
#include "data/codepage.h"
#include "frame/ui/box_reporter.h"
#include "prints/control_table_report.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using S = Stablo;

constexpr ControlDescription kControls[] = {
    {.kind = K::List, .id = S::kTree},
    {.kind = K::Button, .id = S::kDodaj, .prompt = "&Dodaj"},
    {.kind = K::Button, .id = S::kPromijeni, .prompt = "&Promijeni"},
    {.kind = K::Button, .id = S::kObrisi, .prompt = "&Obriši"},
    {.kind = K::Button, .id = S::kOtvoriSve, .prompt = "&Otvori sve"},
    {.kind = K::Button, .id = S::kSkupiSve, .prompt = "&Skupi sve"},
    {.kind = K::Button, .id = S::kIspisi, .prompt = "&Ispiši"},
    {.kind = K::Button,
     .id = S::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

constexpr int kShownChars = 200;

}  // namespace

Stablo::Stablo(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "Stablo"),
      tree_(new QTreeWidget(this)),
      popup_(new QMenu(this)) {
  setWindowTitle(QString::fromUtf8(
      "Kontrole podataka u zavisnosti od vrste obveznika, vrste obračuna i osnove obračuna"));
  setDialogSize(360, 240);
  tree_->setHeaderHidden(true);
  tree_->setAccessibleName(QString::fromUtf8("Vezne kontrole"));
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  describe(kControls, {{kTree, tree_}});
  registerControl(kTree, tree_);

  const std::pair<const char*, int> items[] = {
      {"&Dodaj", kDodaj}, {"&Promijeni", kPromijeni},  {"&Obriši", kObrisi},
      {nullptr, 0},       {"&Otvori sve", kOtvoriSve}, {"&Skupi sve", kSkupiSve}};
  for (const auto& [text, control] : items) {
    if (!text) {
      popup_->addSeparator();
      continue;
    }
    QAction* a = popup_->addAction(QString::fromUtf8(text));
    a->setObjectName(QString::number(control));
    connect(a, &QAction::triggered, this, [this, control] {
      takeEvent({EventKind::Accepted, control});
    });
  }
  connect(tree_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popup_->popup(tree_->viewport()->mapToGlobal(at)); });
  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    loadChildren(item);
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
  });
  connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
  });
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });
  connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    if (node(item).level == 3) act(ControlTreeAction::Change);
  });
}

const ControlTreeNode& Stablo::node(const QTreeWidgetItem* item) const {
  return nodes_.at(item);
}

void Stablo::declare() {
  firstField_ = kTree;
}

bool Stablo::openTables() {
  for (const char* prefix : {"VOB", "STA2", "STA3", "VEZ"})
    if (!openTable(prefix)) return false;
  return true;
}

int Stablo::takeWindowEvent(const Event& e) {
  if (e.kind == EventKind::OpenWindow) reload({}, {});
  return ProcedureWindow::takeWindowEvent(e);
}

int Stablo::takeAccepted(int control) {
  switch (control) {
    case kDodaj:
      act(ControlTreeAction::Insert);
      return level::kNotify;
    case kPromijeni:
      act(ControlTreeAction::Change);
      return level::kNotify;
    case kObrisi:
      act(ControlTreeAction::Delete);
      return level::kNotify;
    case kOtvoriSve:
    case kSkupiSve:
      for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        setExpandedAll(tree_->topLevelItem(i), control == kOtvoriSve);
      return level::kNotify;
    case kIspisi:
      print();
      return level::kNotify;
    default:
      return ProcedureWindow::takeAccepted(control);
  }
}

void Stablo::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(new AzurVEZNATAB(desktop(), threadHandle()), request, std::move(then));
}

// --- the tree --------------------------------------------------------------------------------

QTreeWidgetItem* Stablo::addNode(QTreeWidgetItem* parent, ControlTreeNode n) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
  item->setText(0, QString::fromStdString(utf8FromCp1250(n.text)).left(kShownChars));
  if (n.level < 3) {
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
  }
  nodes_[item] = std::move(n);
  return item;
}

void Stablo::loadChildren(QTreeWidgetItem* item) {
  if (!loaded_.insert(item).second) return;
  const ControlTreeNode parent = node(item);
  for (ControlTreeNode& child : controlTreeChildren(thread().context(), parent))
    addNode(item, std::move(child));
  if (item->childCount() == 0)
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void Stablo::setExpandedAll(QTreeWidgetItem* item, bool expanded) {
  if (expanded) item->setExpanded(true);  // reads the children first
  for (int i = 0; i < item->childCount(); ++i) setExpandedAll(item->child(i), expanded);
  if (!expanded) item->setExpanded(false);
}

void Stablo::reload(const std::set<NodeId>& open, NodeId highlight) {
  tree_->clear();
  nodes_.clear();
  loaded_.clear();
  for (ControlTreeNode& n : controlTreeRoots(thread().context())) addNode(nullptr, std::move(n));
  QTreeWidgetItem* current = nullptr;
  std::vector<QTreeWidgetItem*> pending;
  for (int i = tree_->topLevelItemCount() - 1; i >= 0; --i)
    pending.push_back(tree_->topLevelItem(i));
  while (!pending.empty()) {
    QTreeWidgetItem* item = pending.back();
    pending.pop_back();
    const NodeId id = idOf(node(item));
    if (id == highlight) current = item;
    if (!open.contains(id)) continue;
    item->setExpanded(true);
    for (int i = item->childCount() - 1; i >= 0; --i) pending.push_back(item->child(i));
  }
  if (!current && tree_->topLevelItemCount() > 0) current = tree_->topLevelItem(0);
  tree_->setCurrentItem(current);
  updateButtons();
}

void Stablo::updateButtons() {
  const QTreeWidgetItem* item = tree_->currentItem();
  const int level = item ? node(item).level : 0;
  const std::pair<int, ControlTreeAction> actions[] = {{kDodaj, ControlTreeAction::Insert},
                                                       {kPromijeni, ControlTreeAction::Change},
                                                       {kObrisi, ControlTreeAction::Delete}};
  for (const auto& [control, action] : actions) {
    const bool applies = controlTreeActionApplies(action, level);
    this->control(control)->setEnabled(applies);
    for (QAction* a : popup_->actions())
      if (a->objectName() == QString::number(control)) a->setEnabled(applies);
  }
}

// The form works on the combination left in the thread's VEZ buffer: the node's codes, with the
// basis blank for an insert.
void Stablo::act(ControlTreeAction action) {
  QTreeWidgetItem* item = tree_->currentItem();
  if (!item || !controlTreeActionApplies(action, node(item).level)) return;
  const ControlTreeNode n = node(item);
  Record& vez = thread().table("VEZ").record();
  vez.clear();
  vez.setText(vez.index("VOB"), n.vob);
  vez.setText(vez.index("VOI"), n.voi);
  if (action != ControlTreeAction::Insert) vez.setText(vez.index("OO"), n.oo);
  std::set<NodeId> open;
  for (const auto& [shown, shownNode] : nodes_)
    if (shown->isExpanded()) open.insert(idOf(shownNode));
  if (action == ControlTreeAction::Insert) open.insert(idOf(n));
  const int request = action == ControlTreeAction::Insert   ? request::kInsert
                      : action == ControlTreeAction::Change ? request::kChange
                                                            : request::kDelete;
  QPointer<Stablo> self(this);
  callProcedure(1, request, [self, open, id = idOf(n)](int response) {
    if (self && response == response::kCompleted) self->reload(open, id);
  });
}

void Stablo::print() {
  Context& ctx = thread().context();
  const auto file = tablePath(ctx.workDir(), ctx.table("TEK").decl());
  printReport(
      *this, "VEZ", QString::fromUtf8("Vezne kontrole"),
      [this, &ctx] {
        BoxReporter reporter(desktop().prompter);
        return prints::controlTableReport(ctx, reporter);
      },
      [this, file] {
        desktop().prompter.message(QString::fromUtf8("Kontrole su zapisane u datoteku %1")
                                       .arg(QString::fromStdString(file.string())));
      });
}

}  // namespace obrazac::ui
