#include "codelists/control_tree.h"

#include <map>

#include "codelists/code_lookup.h"
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

namespace {

// Walks the rows of `prefix` under the parent's codes in `key` (VOB, VOI, ... first), calling
// `visit` with each row and its position.
template <class Visit>
void walkUnder(Context& ctx, const char* prefix, const char* key, const ControlTreeNode& parent,
               Visit visit) {
  Table& t = ctx.table(prefix);
  if (!opened(t)) return;
  Record& r = t.record();
  r.clear();
  r.setText(r.index("VOB"), parent.vob);
  if (parent.level == 2) r.setText(r.index("VOI"), parent.voi);
  if (t.set(key) != 0) return;
  while (t.next() == 0) {
    if (field(r, "VOB") != parent.vob || (parent.level == 2 && field(r, "VOI") != parent.voi))
      break;
    visit(r, t.position());
  }
}

}  // namespace

std::vector<ControlTreeNode> controlTreeChildren(Context& ctx, const ControlTreeNode& parent) {
  if (parent.level != 1 && parent.level != 2) return {};
  const bool second = parent.level == 1;
  const char* code = second ? "VOI" : "OO";
  std::map<std::string, ControlTreeNode> byCode;  // in the order of the child's code
  const auto child = [&](const Record& r) {
    ControlTreeNode n;
    n.level = parent.level + 1;
    n.vob = parent.vob;
    n.voi = second ? field(r, "VOI") : parent.voi;
    if (!second) n.oo = field(r, "OO");
    return n;
  };
  walkUnder(ctx, second ? "STA2" : "STA3", second ? "KEYVOB_VOI" : "KEYOO", parent,
            [&](const Record& r, const Position& at) {
              ControlTreeNode n = child(r);
              n.position = at;
              n.text = std::string(r.text(r.index(code))) + " " + field(r, "NAZIV");
              byCode.emplace(field(r, code), std::move(n));
            });
  std::vector<ControlTreeNode> onlyInTable;
  walkUnder(ctx, "VEZ", "KEYVOB_VOI", parent, [&](const Record& r, const Position&) {
    if (!byCode.contains(field(r, code))) onlyInTable.push_back(child(r));
  });
  for (ControlTreeNode& n : onlyInTable) {
    const std::string& own = second ? n.voi : n.oo;
    if (byCode.contains(own)) continue;
    const std::string name = codeDescription(ctx, second ? "VUP" : "TBO", own, "SKROPIS");
    n.text = padRight(own, 2) + " " + name;
    byCode.emplace(own, std::move(n));
  }
  std::vector<ControlTreeNode> nodes;
  for (auto& [c, n] : byCode) nodes.push_back(std::move(n));
  return nodes;
}

bool controlTreeActionApplies(ControlTreeAction action, int level) {
  return action == ControlTreeAction::Insert ? level >= 1 : level == 3;
}

}  // namespace obrazac
