// The tree of the control table: the kinds of obligor (TBVRSOBV.DAT, in the order they were
// stored), under each the kinds of calculation of STABLO02.DAT, under each the bases of
// STABLO03.DAT. A leaf stands for the control-table row of its three codes, whether that row
// exists or not. Every combination the control table holds shows too, named from the code lists,
// where the tree's own tables lack it (a new installation has none), so a row entered from the
// tree can be found there again. What the tree's actions do depends on the level of the node.
#pragma once

#include <string>
#include <vector>

#include "data/context.h"

namespace obrazac {

struct ControlTreeNode {
  int level = 0;             // 1 kind of obligor, 2 kind of calculation, 3 basis
  std::string text;          // code, a blank and the name (Windows-1250, trailing blanks removed)
  std::string vob, voi, oo;  // the node's codes; those below its level are empty
  Position position;         // its record in the table of its level; none for a node only the
                             // control table holds
};

// The first level; a table that cannot be read gives no nodes.
std::vector<ControlTreeNode> controlTreeRoots(Context& ctx);
// The children of a node of level 1 or 2 in the order of their codes, those of the tree's table
// of the next level and those the control table holds under the node; none under a leaf.
std::vector<ControlTreeNode> controlTreeChildren(Context& ctx, const ControlTreeNode& parent);

enum class ControlTreeAction { Insert, Change, Delete };

// Insert works on every node: on a kind of obligor the form chooses the kind of calculation and
// the basis, on a kind of calculation the basis (a leaf inserts for its parent); change and
// delete work on a leaf's control-table row. Anything else does nothing.
bool controlTreeActionApplies(ControlTreeAction action, int level);

}  // namespace obrazac
