// Stablo: the tree of the control table. Kinds of obligor, under each the kinds of calculation,
// under each the bases; a node's children are read when it is first expanded. Insert works on
// every node (on a kind of obligor the form chooses the rest of the combination), change and
// delete on a leaf's control-table row, each through AzurVEZNATAB; the buttons and menu items
// that would do nothing on the highlighted node are disabled. After a completed form the tree is
// read again with the same nodes open (after an insert also the node worked on, so the new row
// shows) and the highlight back on the node worked on. "&Ispiši" prints the control table and
// writes its text copy.
#pragma once

#include <QPointer>
#include <map>
#include <set>
#include <utility>

#include "codelists/control_tree.h"
#include "frame/ui/procedure_window.h"

class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace obrazac::ui {

class Stablo final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kTree = 1,
    kDodaj = 2,
    kPromijeni = 3,
    kObrisi = 4,
    kOtvoriSve = 5,
    kSkupiSve = 6,
    kIspisi = 7,
    kZatvori = 8,
  };

  Stablo(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  QTreeWidget* tree() const { return tree_; }
  QMenu* popup() const { return popup_; }
  // The node an item shows.
  const ControlTreeNode& node(const QTreeWidgetItem* item) const;
  void callProcedure(int number, int request, Done then) override;

 protected:
  void declare() override;
  bool openTables() override;
  int takeAccepted(int control) override;
  int takeWindowEvent(const Event& e) override;

 private:
  // A node by its level and codes: a node only the control table holds has no record of its own.
  using NodeId = std::pair<int, std::string>;
  static NodeId idOf(const ControlTreeNode& n) {
    return {n.level, n.vob + '|' + n.voi + '|' + n.oo};
  }

  void reload(const std::set<NodeId>& open, NodeId highlight);
  QTreeWidgetItem* addNode(QTreeWidgetItem* parent, ControlTreeNode node);
  void loadChildren(QTreeWidgetItem* item);
  void setExpandedAll(QTreeWidgetItem* item, bool expanded);
  void act(ControlTreeAction action);
  void updateButtons();
  void print();

  QTreeWidget* tree_;
  QMenu* popup_;
  std::map<const QTreeWidgetItem*, ControlTreeNode> nodes_;
  std::set<const QTreeWidgetItem*> loaded_;
};

}  // namespace obrazac::ui
