// A folder of the previous year's data as the takeover finds it: the obligors' table and an
// employees' table TBZAPOSL.DAT whose rows have every period field, amount and rate set. The
// employees' table comes either in this program's employee layout or in last year's longer
// layout (the fields of ZAP2004.DAT under the table name TBZAPOSL).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "data/context.h"
#include "data/dictionary.h"
#include "data/keyed_table.h"

namespace obrazac::testing {

enum class EmployeeLayout { Current, LastYear };

using FieldValues = std::vector<std::pair<std::string, std::string>>;  // name, UTF-8 text

// Sets the fields the record has; a field of the other layout is passed over.
inline void fill(Record& r, const FieldValues& values) {
  r.clear();
  for (const auto& [name, value] : values) {
    const int i = r.find(name);
    if (i < 0) continue;
    const auto error = r.assign(i, value);
    ASSERT_FALSE(error) << name << "=" << value << ": " << *error;
  }
}

inline const std::vector<FieldValues>& previousYearObligors() {
  static const std::vector<FieldValues> rows = {
      {{"REDBROJ", "1"}, {"MB01", "01234567"}, {"NAZIV", "Čolak obrt"}, {"OBRGOD", "2004"}},
      {{"REDBROJ", "2"},
       {"JMBG", "1503975123451"},
       {"NAZIV", "Šimić d.o.o."},
       {"IDENTIFIKATOR", "12"}}};
  return rows;
}

inline const std::vector<FieldValues>& previousYearEmployees() {
  static const std::vector<FieldValues> rows = {
      {{"REDBROJ", "1"},       {"JMBG", "0101980330001"}, {"PREZIME", "Đurić Žarko"},
       {"OPCINA", "0132"},     {"VRSOBV", "01"},          {"VRSTAUPLA", "01"},
       {"CLANDN", "D"},        {"OSNOVA1", "01"},         {"OSNOVA2", "7"},
       {"OSNOVA3", "1"},       {"OSNOVA4", "2"},          {"OSNOVA5", "0099"},
       {"GODOBRA", "2004"},    {"MJEOBRA", "12"},         {"ODDANA", "5"},
       {"DODANA", "20"},       {"IZNOS6", "11.11"},       {"IZNOS7", "5432.10"},
       {"IZNOS8", "5000.00"},  {"IZNOS9", "750.00"},      {"IZNOS10", "250.00"},
       {"IZNOS11", "3800.55"}, {"PRVISTUP1", "15.00"},    {"PRVISTUP2", "0.50"},
       {"DRUGISTUP1", "5.00"}, {"DRUGISTUP2", "0.25"},    {"KOEF1", "1.20"}},
      {{"REDBROJ", "1"},
       {"JMBG", "1503975123451"},
       {"PREZIME", "Čolak Ana"},
       {"OPCINA", "1333"},
       {"VRSOBV", "02"},
       {"VRSTAUPLA", "03"},
       {"CLANDN", "N"},
       {"OSNOVA1", "11"},
       {"GODOBRA", "2004"},
       {"MJEOBRA", "11"},
       {"ODDANA", "1"},
       {"DODANA", "30"},
       {"IZNOS7", "100.00"},
       {"IZNOS8", "90.00"},
       {"IZNOS9", "18.00"},
       {"PRVISTUP1", "20.00"}},
      {{"REDBROJ", "2"},
       {"JMBG", "2902960385006"},
       {"PREZIME", "Šimić Ivo"},
       {"OPCINA", "0132"},
       {"VRSOBV", "01"},
       {"VRSTAUPLA", "01"},
       {"CLANDN", "D"},
       {"OSNOVA1", "01"},
       {"OSNOVA3", "4"},
       {"GODOBRA", "2004"},
       {"MJEOBRA", "12"},
       {"ODDANA", "1"},
       {"DODANA", "31"},
       {"IZNOS8", "7000.00"},
       {"IZNOS11", "5000.00"},
       {"DRUGISTUP2", "5.00"}}};
  return rows;
}

inline void buildPreviousYearFolder(const std::filesystem::path& dir,
                                    EmployeeLayout layout = EmployeeLayout::Current) {
  std::filesystem::create_directories(dir);
  Context ctx(dir);
  Table& obligors = ctx.table("POS");
  ASSERT_EQ(obligors.open(), 0);
  for (const auto& row : previousYearObligors()) {
    fill(obligors.record(), row);
    ASSERT_EQ(obligors.add(), 0);
  }
  obligors.close();

  // Last year's layout: the fields of ZAP2004.DAT in a file of its own name.
  TableDecl lastYear = *tableByPrefix("ZAP");
  lastYear.file = "TBZAPOSL.DAT";
  lastYear.create = true;
  const TableDecl& decl = layout == EmployeeLayout::Current ? *tableByPrefix("RAD") : lastYear;
  KeyedTable employees(decl, dir / "TBZAPOSL.DAT");
  ASSERT_EQ(employees.open(), 0);
  for (const auto& row : previousYearEmployees()) {
    fill(employees.record(), row);
    ASSERT_EQ(employees.add(), 0);
  }
  employees.close();
  std::filesystem::remove_all(dir / ".locks");  // last year's folder as it was left
}

}  // namespace obrazac::testing
