// The groups of tables that make up the data dictionary, each declared in its own file and
// appended in this order: code lists, register and form tables, the archive of produced files,
// text files.
#pragma once

#include <vector>

#include "data/table_decl.h"

namespace obrazac::decl {

void addCodeListTables(std::vector<TableDecl>& tables);
void addRegisterTables(std::vector<TableDecl>& tables);
void addArchiveTables(std::vector<TableDecl>& tables);
void addTextFileTables(std::vector<TableDecl>& tables);

}  // namespace obrazac::decl
