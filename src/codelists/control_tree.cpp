#include "codelists/control_tree.h"

#include "data/fixed_width.h"

namespace obrazac {
namespace {

std::string field(const Record& r, const char* name) {
  return std::string(clipRight(r.text(r.index(name))));
}

bool opened(Table& t) {
  return t.isOpen() || t.open() == 0;
}

}  // namespace

std::vector<ControlTreeNode> controlTreeRoots(Context& ctx) {
  std::vector<ControlTreeNode> nodes;
  Table& t = ctx.table("VOB");
  if (!opened(t) || t.setPhysical() != 0) return nodes;
  while (t.next() == 0) {
    const Record& r = t.record();
    ControlTreeNode n;
    n.level = 1;
    n.vob = field(r, "SIFRA");
    n.position = t.position();
    n.text = std::string(r.text(r.index("SIFRA"))) + " " + field(r, "SKROPIS");
    nodes.push_back(std::move(n));
  }
  return nodes;
}

std::vector<ControlTreeNode> controlTreeChildren(Context& ctx, const ControlTreeNode& parent) {
  std::vector<ControlTreeNode> nodes;
  if (parent.level != 1 && parent.level != 2) return nodes;
  const bool second = parent.level == 1;
  Table& t = ctx.table(second ? "STA2" : "STA3");
  if (!opened(t)) return nodes;
  Record& r = t.record();
  r.clear();
  r.setText(r.index("VOB"), parent.vob);
  if (!second) r.setText(r.index("VOI"), parent.voi);
  if (t.set(second ? "KEYVOB_VOI" : "KEYOO") != 0) return nodes;
  while (t.next() == 0) {
    if (field(r, "VOB") != parent.vob || (!second && field(r, "VOI") != parent.voi)) break;
    ControlTreeNode n;
    n.level = parent.level + 1;
    n.vob = parent.vob;
    n.voi = field(r, "VOI");
    n.position = t.position();
    const char* code = second ? "VOI" : "OO";
    if (!second) n.oo = field(r, "OO");
    n.text = std::string(r.text(r.index(code))) + " " + field(r, "NAZIV");
    nodes.push_back(std::move(n));
  }
  return nodes;
}

bool controlTreeActionApplies(ControlTreeAction action, int level) {
  return action == ControlTreeAction::Insert ? level >= 2 : level == 3;
}

}  // namespace obrazac
