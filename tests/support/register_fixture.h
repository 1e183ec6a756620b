// A small register in a temporary working folder for the tests of the form and the sending: the
// parameter record, obligors and their monthly rows, written with the table store directly.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "sample/sample_installation.h"
#include "data/codepage.h"
#include "data/context.h"
#include "data/decimal.h"
#include "data/fixed_width.h"
#include "form/sending_header.h"
#include "support/temp_dir.h"

namespace obrazac::testing {

struct MonthlyRow {
  std::string jmbg;
  std::string name = "PRIMJER OSOBA";
  int firstDay = 1;
  int lastDay = 31;
  std::string gross = "1000.00";
  std::string member = "D";
  std::string base = "01";
  int month = 1;
  int year = 2025;
  std::string kind = "01";  // VOI
};

class RegisterFixture {
 public:
  RegisterFixture() : ctx(dir.path()) {}

  TempDir dir;
  Context ctx;

  static void set(Record& r, std::string_view field, std::string_view utf8) {
    r.setText(r.index(field), cp1250(utf8));
  }
  static void set(Record& r, std::string_view field, std::int64_t value) {
    r.setInteger(r.index(field), value);
  }

  Table& opened(std::string_view prefix) {
    Table& t = ctx.table(prefix);
    if (!t.isOpen()) {
      EXPECT_EQ(t.open(), 0) << prefix;
    }
    return t;
  }

  // The parameter record of an authorised legal person with its output folder "izlaz".
  void addParameters(std::string_view mb01 = "34567895", std::string_view jmbg = "0000000000000",
                     std::string_view outputFolder = "izlaz/") {
    Table& t = opened("APL");
    Record& r = t.record();
    r.clear();
    set(r, "RB", 1);
    set(r, "MB01", mb01);
    set(r, "MB02", "0000");
    set(r, "JMBG", jmbg);
    set(r, "NAZIV", "PRIMJER servis");
    set(r, "ADRESA", "Primjerna 1");
    set(r, "KONOSO", "Ana");
    set(r, "IZLAZDIR", outputFolder);
    ASSERT_EQ(t.add(), 0);
    std::filesystem::create_directories(dir.path() / "izlaz");
  }

  void addObligor(int number, std::string_view kind = "01", std::string_view mb01 = "12345679",
                  std::string_view jmbg = "0000000000000",
                  std::string_view name = "PRIMJER d.o.o.") {
    Table& t = opened("POS");
    Record& r = t.record();
    r.clear();
    set(r, "REDBROJ", number);
    set(r, "MB01", mb01);
    set(r, "MB02", "0000");
    set(r, "JMBG", jmbg);
    set(r, "NAZIV", name);
    set(r, "ADRESA", "Ilica 1");
    set(r, "VRSTOBVEZNIKA", kind);
    ASSERT_EQ(t.add(), 0);
  }

  void addRow(int obligor, const MonthlyRow& m) {
    Table& t = opened("RAD");
    Record& r = t.record();
    r.clear();
    set(r, "REDBROJ", obligor);
    set(r, "JMBG", m.jmbg);
    set(r, "PREZIME", m.name);
    set(r, "OPCINA", "1333");
    set(r, "VRSTAUPLA", m.kind);
    set(r, "CLANDN", m.member);
    set(r, "OSNOVA1", m.base);
    set(r, "GODOBRA", m.year);
    set(r, "MJEOBRA", m.month);
    set(r, "ODDANA", m.firstDay);
    set(r, "DODANA", m.lastDay);
    const Decimal gross = *Decimal::parse(m.gross);
    for (const char* f : {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"})
      r.setDecimal(r.index(f), gross);
    ASSERT_EQ(t.add(), 0);
  }

  // n persons with one full-month row each.
  void addPersons(int obligor, int n) {
    for (int i = 0; i < n; ++i) addRow(obligor, {.jmbg = sampleJmbg(1, 1, 1980, 33, i * 7)});
  }

  // The header of a single sending of January 2025, days 1-31, kind "01", form 1.
  form::SendingHeader header(int obligor = 1) {
    form::SendingHeader h;
    h.employer = obligor;
    h.paymentType = "01";
    h.year = h.paymentYear = "2025";
    h.month = "01";
    h.paymentMonth = "02";
    h.firstDay = "1";
    h.lastDay = "31";
    h.formNumber = "1";
    h.sendingDate = Date::fromParts(2, 10, 2025);
    h.method = form::SendingMethod::Single;
    Table& pos = opened("POS");
    pos.record().clear();
    set(pos.record(), "REDBROJ", obligor);
    if (pos.get("KEYREDBROJ") == 0)
      h.obligorKind = pos.record().text(pos.record().index("VRSTOBVEZNIKA"));
    return h;
  }

  // The page A record of a form link, read in a context of its own.
  Record pageA(std::string_view link) {
    Context other(dir.path());
    Table& t = other.table("A");
    EXPECT_EQ(t.open(AccessMode::ReadOnly), 0);
    Record& r = t.record();
    r.clear();
    set(r, "KONVEZA", link);
    EXPECT_EQ(t.get("KEYIDENTIKATOR"), 0) << link;
    return r;
  }

  std::int64_t count(std::string_view prefix) {
    Context other(dir.path());
    Table& t = other.table(prefix);
    if (t.open(AccessMode::ReadOnly) != 0) return 0;
    return t.records();
  }
};

// A text field as the user reads it: UTF-8 without its trailing blanks.
inline std::string fieldOf(const Record& r, std::string_view name) {
  return utf8FromCp1250(clipRight(r.text(r.index(name))));
}

}  // namespace obrazac::testing
