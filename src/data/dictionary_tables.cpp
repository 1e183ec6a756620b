// Every table of the system: code lists, register and form tables, work and text files.
#include <vector>

#include "data/dictionary.h"
#include "data/dictionary_builders.h"

namespace obrazac {
namespace {

using namespace decl;

TableDecl keyed(std::string file, std::string prefix, std::vector<FieldDecl> fields,
                std::vector<KeyDecl> keys, bool oem = true) {
  TableDecl t;
  t.file = std::move(file);
  t.prefix = std::move(prefix);
  t.kind = TableKind::Keyed;
  t.oem = oem;
  t.fields = std::move(fields);
  t.keys = std::move(keys);
  return t;
}

std::vector<TableDecl> buildTables() {
  std::vector<TableDecl> t;

  // Municipalities and cities.
  t.push_back(keyed("TBOPCINE.DAT", "OPC",
                    {shortInt("REDBROJ"), str("GRAD", 1), str("NAZIV", 40), str("SIFRA", 4),
                     dec("POREZ", 5, 2), dec("PRIREZ", 5, 2)},
                    {key("KEYREDB", {"REDBROJ"}, kPrimary | kAutoNumber),
                     key("KEYSIFRA", {"SIFRA"}, kUnique), key("KEYNAZIV", {"NAZIV"}, kUnique)}));

  // Obligors (employers).
  t.push_back(keyed("TBPOSLOD.DAT", "POS",
                    {shortInt("REDBROJ"), str("MB01", 8), str("MB02", 4), str("JMBG", 13),
                     str("NAZIV", 50), str("ADRESA", 50), str("KONTAKT", 50), str("TELEFON", 10),
                     str("EMAIL", 30), str("VRSTOBVEZNIKA", 2), shortInt("IDENTIFIKATOR"),
                     shortInt("OBRGOD"), date("DANOD"), date("DANDO")},
                    {key("KEYREDBROJ", {"REDBROJ"}, kPrimary, "Redni broj fime"),
                     key("KEYMB", {"MB01", "MB02", "REDBROJ"}, kUnique),
                     key("KEYJMBG", {"JMBG", "REDBROJ"}, kUnique),
                     key("KEYNAZIV", {"NAZIV", "REDBROJ"}, kUnique)}));

  // Employees of an obligor, declared twice on one file for a second buffer.
  const std::vector<FieldDecl> employee = {
      shortInt("REDBROJ"),    str("JMBG", 13),         str("PREZIME", 60),
      str("OPCINA", 4),       str("VRSOBV", 2),        str("VRSTAUPLA", 2),
      str("CLANDN", 1),       str("OSNOVA1", 2),       str("OSNOVA3", 1),
      str("OSNOVA4", 1),      str("OSNOVA5", 4),       shortInt("GODOBRA"),
      shortInt("MJEOBRA"),    shortInt("ODDANA"),      shortInt("DODANA"),
      dec("IZNOS7", 11, 2),   dec("IZNOS8", 15, 2),    dec("IZNOS9", 15, 2),
      dec("IZNOS10", 15, 2),  dec("IZNOS11", 15, 2),   dec("PRVISTUP1", 5, 2),
      dec("PRVISTUP2", 5, 2), dec("DRUGISTUP1", 5, 2), dec("DRUGISTUP2", 5, 2)};
  const std::vector<KeyDecl> employeeKeys = {
      key("KEYOSOBA", {"JMBG"}, kDup, "JMBG zaposlenika"),
      key("KEYRBRFIRME", {"REDBROJ", "JMBG", "DODANA"}, kDup | kNoCase, "Redni broj firme"),
      key("KEYPREZIME", {"PREZIME"}, kDup, "Prezime i ime")};
  t.push_back(keyed("TBZAPOSL.DAT", "RAD", employee, employeeKeys));
  t.push_back(keyed("TBZAPOSL.DAT", "RAD1", employee, employeeKeys));

  // Lines and findings of a submission file under formal control.
  t.push_back(keyed("TBIZLAZ.DAT", "ULZ",
                    {longInt("REDBROJ"), str("TIPSLOGA", 1), str("GRESKA", 1), str("REDAK1", 50),
                     str("REDAK2", 50), str("REDAK3", 50), str("REEDAK4", 50), str("REDAK5", 50)},
                    {key("KEYVRSTA", {"REDBROJ"}, kPrimary | kAutoNumber)}, false));
  t.push_back(keyed("TBIZLAZ1.DAT", "ULZ1",
                    {longInt("REDBROJ"), str("KOLONA", 10), str("TIP", 1), str("PREZIME", 50),
                     str("GRESKA", 140)},
                    {key("KEYVRSTA", {"REDBROJ", "KOLONA"}, kDup)}, false));
  return t;
}

std::vector<RelationDecl> buildRelations() {
  return {
      {"POS", "RAD", "KEYRBRFIRME", {{"REDBROJ", "REDBROJ"}}, DeleteRule::Cascade},
      {"ULZ", "ULZ1", "KEYVRSTA", {{"REDBROJ", "REDBROJ"}}, DeleteRule::None},
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
