// Every table of the system, in the order of its groups, and the relations between them.
#include <vector>

#include "data/dictionary.h"
#include "data/dictionary_parts.h"

namespace obrazac {
namespace {

std::vector<TableDecl> buildTables() {
  std::vector<TableDecl> t;
  decl::addCodeListTables(t);
  decl::addRegisterTables(t);
  decl::addArchiveTables(t);
  decl::addTextFileTables(t);
  return t;
}

std::vector<RelationDecl> buildRelations() {
  using enum DeleteRule;
  return {
      // Code lists: deleting a code leaves the rows that use it.
      {"VOB", "VEZ", "KEYVOB_VOI", {{"SIFRA", "VOB"}}, None},
      {"VUP", "VEZ", "KEYVOI_OO", {{"SIFRA", "VOI"}}, None},
      {"TBO", "VEZ", "KEYOO_VOB", {{"SIFRA", "OO"}}, None},
      {"VOB", "STA2", "KEYVOB_VOI", {{"SIFRA", "VOB"}}, None},
      {"STA2", "STA3", "KEYOO", {{"VOB", "VOB"}, {"VOI", "VOI"}}, None},
      {"PGR", "GRE", "KEYTIP", {{"REDBROJ", "TIP"}}, None},
      // Register: an obligor takes its employees and a form header its rows; nothing else
      // cascades, so an obligor's forms outlive it.
      {"POS", "RAD", "KEYRBRFIRME", {{"REDBROJ", "REDBROJ"}}, Cascade},
      {"A", "OSI", "KEYOBRGODMJE", {{"KONVEZA", "KONVEZA"}}, Cascade},
      {"RAD", "OSI", "KEYJMBG", {{"JMBG", "JMBG"}}, None},
      {"ULZ", "ULZ1", "KEYVRSTA", {{"REDBROJ", "REDBROJ"}}, None},
      // An archived file takes the rows of its forms.
      {"ARH", "ARO", "KEYID", {{"ID", "ID"}}, Cascade},
  };
}

}  // namespace

std::span<const TableDecl> allTables() {
  static const std::vector<TableDecl> tables = buildTables();
  return tables;
}

std::span<const RelationDecl> allRelations() {
  static const std::vector<RelationDecl> relations = buildRelations();
  return relations;
}

}  // namespace obrazac
