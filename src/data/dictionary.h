// The data dictionary of the whole system: every keyed table, text-file table and relation,
// declared once. Lookups by prefix ("POS") or by file name ("TBPOSLOD.DAT", any letter case).
#pragma once

#include <span>
#include <string_view>

#include "data/table_decl.h"

namespace obrazac {

std::span<const TableDecl> allTables();
std::span<const RelationDecl> allRelations();

const TableDecl* tableByPrefix(std::string_view prefix);
// The first declaration on that file (RAD before RAD1, OSI before RAD2).
const TableDecl* tableByFile(std::string_view fileName);

}  // namespace obrazac
