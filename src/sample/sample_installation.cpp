#include "sample/sample_installation.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/application_parameters.h"
#include "codelists/municipality_list.h"
#include "data/codepage.h"
#include "data/decimal.h"
#include "data/dictionary.h"
#include "data/fixed_width.h"
#include "register/identifier_checks.h"

namespace obrazac {
namespace fs = std::filesystem;

namespace {

// Adds rows to one table in one transaction; the first failure is kept and later rows are
// skipped.
class Rows {
 public:
  Rows(Context& ctx, std::string_view prefix, std::string& error)
      : table_(ctx.table(prefix)), error_(error) {
    if (!error_.empty()) return;
    int rc = table_.open();
    if (rc == err::kFileAlreadyOpen) rc = 0;
    if (rc == 0) rc = table_.begin();
    if (rc != 0) fail();
  }
  ~Rows() {
    if (error_.empty() && table_.commit() != 0) fail();
    if (!error_.empty()) table_.rollback();
  }

  Rows& row() {
    table_.record().clear();
    return *this;
  }
  Rows& text(std::string_view field, std::string_view utf8) {
    Record& r = table_.record();
    r.setText(r.index(field), cp1250FromUtf8(utf8));
    return *this;
  }
  Rows& number(std::string_view field, std::int64_t value) {
    Record& r = table_.record();
    r.setInteger(r.index(field), value);
    return *this;
  }
  Rows& amount(std::string_view field, const Decimal& value) {
    Record& r = table_.record();
    r.setDecimal(r.index(field), value);
    return *this;
  }
  void add() {
    if (error_.empty() && table_.add() != 0) fail();
  }

 private:
  void fail() {
    if (error_.empty()) error_ = table_.decl().file + ": " + std::string(table_.errorText());
  }
  Table& table_;
  std::string& error_;
};

Decimal money(const char* text) {
  return *Decimal::parse(text);
}

std::string digits(long long value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*lld", width, value);
  return text;
}

// ---------------------------------------------------------------------------------------------
// Code lists. The codes that the rules test ("02", "17", "21", "30", "31" of the kinds of
// obligor, "03", "05", "06", "88", "99" of the kinds of calculation) are all present.

struct KindOfObligor {
  const char* code;
  const char* shortText;
  const char* text;
  const char* needsMB;
  const char* needsMBG;
};
constexpr KindOfObligor kKindsOfObligor[] = {
    {"01", "Pravna osoba - poslodavac", "Pravna osoba koja isplaćuje plaću svojim radnicima", "DA",
     "NE"},
    {"02", "Fizička osoba - poslodavac",
     "Fizička osoba (obrtnik, slobodno zanimanje) koja isplaćuje plaću svojim radnicima", "NE",
     "DA"},
    {"17", "Obveznik bez MB i MBG",
     "Diplomatsko ili konzularno predstavništvo i drugi obveznik bez matičnog broja", "NE", "NE"},
    {"21", "Osiguranik koji sam plaća doprinose",
     "Osiguranik koji sam obračunava i plaća doprinose za sebe", "NE", "DA"},
    {"30", "Isplatitelj primitka - fizička osoba",
     "Fizička osoba koja isplaćuje primitke po osnovi drugog dohotka", "NE", "DA"},
    {"31", "Isplatitelj primitka - pravna osoba",
     "Pravna osoba koja isplaćuje primitke po osnovi drugog dohotka", "DA", "NE"},
};

struct Code {
  const char* code;
  const char* shortText;
  const char* text;
};
constexpr Code kKindsOfCalculation[] = {
    {"01", "Plaća za obračunski mjesec", "Obračun i isplata plaće za obračunski mjesec"},
    {"03", "Naknade izvan mjesečnog obračuna",
     "Naknade koje se ne vežu uz obračunski mjesec (mjesec 00)"},
    {"05", "Godišnji obračun drugog dohotka",
     "Godišnji obračun doprinosa iz drugog dohotka (mjesec 00)"},
    {"06", "Obračun za prethodne godine",
     "Naknadni obračun doprinosa za prethodne godine (mjesec 00)"},
    {"88", "Podaci izvan kontrolne tablice",
     "Podaci koji se ne provjeravaju prema kontrolnoj tablici"},
    {"99", "Ispravak ranije poslanih podataka", "Ispravak ranije poslanih podataka obrasca"},
};
constexpr Code kBases[] = {
    {"01", "Radni odnos", "Osiguranik u radnom odnosu kod poslodavca"},
    {"02", "Radni odnos - nepuno radno vrijeme",
     "Osiguranik u radnom odnosu s nepunim radnim vremenom"},
    {"10", "Drugi dohodak", "Primitak po osnovi drugog dohotka"},
};
constexpr Code kIncreasedDuration[] = {
    {"1", "12 mjeseci = 14 mjeseci staža",
     "Staž s povećanim trajanjem: 12 mjeseci rada računa se kao 14 mjeseci"},
    {"2", "12 mjeseci = 15 mjeseci staža",
     "Staž s povećanim trajanjem: 12 mjeseci rada računa se kao 15 mjeseci"},
    {"3", "12 mjeseci = 16 mjeseci staža",
     "Staž s povećanim trajanjem: 12 mjeseci rada računa se kao 16 mjeseci"},
    {"4", "12 mjeseci = 18 mjeseci staža",
     "Staž s povećanim trajanjem: 12 mjeseci rada računa se kao 18 mjeseci"},
};

// The sample's marker on every invented description.
std::string sample(const char* text) {
  return std::string(text) + " (primjer)";
}

void addCodeLists(Context& ctx, std::string& error) {
  {
    Rows vob(ctx, "VOB", error);
    for (const auto& k : kKindsOfObligor)
      vob.row()
          .text("SIFRA", k.code)
          .text("SKROPIS", k.shortText)
          .text("OPIS", sample(k.text))
          .text("MB01", k.needsMB)
          .text("MBG", k.needsMBG)
          .add();
  }
  auto codes = [&](std::string_view prefix, std::initializer_list<Code> list) {
    Rows rows(ctx, prefix, error);
    for (const auto& c : list)
      rows.row()
          .text("SIFRA", c.code)
          .text("SKROPIS", c.shortText)
          .text("OPIS", sample(c.text))
          .add();
  };
  codes("VUP", {kKindsOfCalculation[0], kKindsOfCalculation[1], kKindsOfCalculation[2],
                kKindsOfCalculation[3], kKindsOfCalculation[4], kKindsOfCalculation[5]});
  codes("TBO", {kBases[0], kBases[1], kBases[2]});
  codes("STA", {kIncreasedDuration[0], kIncreasedDuration[1], kIncreasedDuration[2],
                kIncreasedDuration[3]});
}

// The control table: for every kind of obligor the monthly salary on bases "01" and "02" and
// the yearly calculations "05" and "06" (month 00), with the tree that shows it, and the rates
// of each combination for members and non-members of the second pillar, without and with each
// increased-duration code.
struct Combination {
  const char* voi;
  const char* oo;
  bool yearly;
};
constexpr Combination kCombinations[] = {
    {"01", "01", false}, {"01", "02", false}, {"05", "10", true}, {"06", "01", true}};

const char* shortTextOf(std::string_view code, std::initializer_list<Code> list) {
  for (const auto& c : list)
    if (c.code == code) return c.shortText;
  return "";
}

void addControlTable(Context& ctx, std::string& error) {
  {
    Rows vez(ctx, "VEZ", error);
    for (const auto& k : kKindsOfObligor)
      for (const auto& c : kCombinations)
        vez.row()
            .text("VOB", k.code)
            .text("VOI", c.voi)
            .text("OO", c.oo)
            .text("OBRMJE", c.yearly ? "= 0 " : ">0  ")
            .text("GODINA", ">0  ")
            .text("DANOD", c.yearly ? ">=0 " : ">0  ")
            .text("DANDO", c.yearly ? ">=0 " : ">0  ")
            .text("PLAGOD", ">0  ")
            .text("PLAMJE", ">0  ")
            .text("IZNOS7", ">0  ")
            .text("IZNOS8", ">0  ")
            .text("IZNOS9", ">=0 ")
            .text("IZNOS10", ">=0 ")
            .text("IZNOS11", ">=0 ")
            .add();
  }
  const auto voiList = {kKindsOfCalculation[0], kKindsOfCalculation[2], kKindsOfCalculation[3]};
  const auto ooList = {kBases[0], kBases[1], kBases[2]};
  {
    Rows level1(ctx, "STA1", error);
    for (const auto& k : kKindsOfObligor)
      level1.row()
          .text("VOB", k.code)
          .text("NAZIV", std::string(k.code) + " - " + k.shortText)
          .add();
  }
  {
    Rows level2(ctx, "STA2", error);
    for (const auto& k : kKindsOfObligor)
      for (const char* voi : {"01", "05", "06"})
        level2.row()
            .text("VOB", k.code)
            .text("VOI", voi)
            .text("NAZIV", shortTextOf(voi, voiList))
            .add();
  }
  {
    Rows level3(ctx, "STA3", error);
    for (const auto& k : kKindsOfObligor)
      for (const auto& c : kCombinations)
        level3.row()
            .text("VOB", k.code)
            .text("VOI", c.voi)
            .text("OO", c.oo)
            .text("NAZIV", shortTextOf(c.oo, ooList))
            .add();
  }
  Rows rates(ctx, "STO1", error);
  for (const auto& k : kKindsOfObligor)
    for (const auto& c : kCombinations)
      for (const char* staz : {" ", "1", "2", "3", "4"})
        for (const char* member : {"D", "N"}) {
          const bool isMember = member[0] == 'D';
          rates.row()
              .text("VRSTOBRACUNA", c.voi)
              .text("VRSTAOBVEZNIKA", k.code)
              .text("OSNOVOBRA", c.oo)
              .text("STAZ", staz)
              .text("CLANDN", member)
              .amount("PRVISTUP1", money(isMember ? "15.00" : "20.00"))
              .amount("PRVISTUP2", money(staz[0] == ' ' ? "0" : "4.86"))
              .amount("DRUGISTUP1", money(isMember ? "5.00" : "0"))
              .amount("DRUGISTUP2", Decimal())
              .add();
        }
}

// ---------------------------------------------------------------------------------------------
// The parameter record and the folders.

std::string folderValue(const fs::path& folder, const fs::path& workDir) {
  constexpr std::size_t kWidth = 128;  // APL:RADDIR and the other folders
  std::string text = fs::absolute(folder).lexically_normal().string();
  if (text.back() != fs::path::preferred_separator) text.push_back(fs::path::preferred_separator);
  if (text.size() <= kWidth) return text;
  // Too long for the field: the folder relative to the working folder.
  std::string relative = folder.lexically_relative(workDir).string();
  if (relative.empty() || relative == ".") return {};
  return relative + static_cast<char>(fs::path::preferred_separator);
}

void addParameters(Context& ctx, std::string& error) {
  const fs::path work = ctx.workDir();
  std::error_code ec;
  for (const char* sub : {"ulaz", "izlaz"}) {
    fs::create_directories(work / sub, ec);
    if (ec && error.empty()) error = (work / sub).string() + ": " + ec.message();
  }
  Rows apl(ctx, "APL", error);
  apl.row()
      .number("RB", 1)
      .text("MB01", sampleMB(3456789))
      .text("MB02", "0000")
      .text("JMBG", "0000000000000")
      .text("NAZIV", "PRIMJER knjigovodstveni servis d.o.o.")
      .text("ADRESA", "Primjerna ulica 1, 10000 Zagreb")
      .text("KONOSO", "Ana Primjerić")
      .text("TELEFON", "01/1234567")
      .text("EMAIL", "servis@primjer.hr")
      .text("NAZSJED", "ZAGREB")
      .text("SIFSJED", "1333")
      .text("RADDIR", folderValue(work, work))
      .text("ULAZDIR", folderValue(work / "ulaz", work))
      .text("IZLAZDIR", folderValue(work / "izlaz", work))
      .add();
}

// ---------------------------------------------------------------------------------------------
// Obligors, employees and their monthly rows.

struct Obligor {
  int number;
  std::string mb01, mb02, jmbg;
  const char* name;
  const char* address;
  const char* contact;
  const char* phone;
  const char* email;
  const char* kind;
  int lastForm;
};

struct MonthlyRow {
  int obligor;
  std::string jmbg;
  const char* name;
  const char* municipality;
  const char* member;  // "D" or "N"
  const char* base;    // OO
  const char* increased;
  int month;
  int firstDay, lastDay;
  const char* gross;
};

// Contributions of a row from the rates of its combination: pillar I 15 % (20 % for a
// non-member) plus 4.86 % on top for increased duration, pillar II 5 % for members; the net
// amount is the gross less both contributions and a flat 15 % of the rest for tax.
struct RowAmounts {
  Decimal rate1, rate1Extra, rate2;
  std::array<Decimal, 5> items;  // IV.7 to IV.11
};

RowAmounts amountsOf(const MonthlyRow& m) {
  RowAmounts a;
  const Decimal gross = money(m.gross);
  const bool member = m.member[0] == 'D';
  a.rate1 = money(member ? "15.00" : "20.00");
  a.rate1Extra = money(m.increased[0] == ' ' ? "0" : "4.86");
  a.rate2 = money(member ? "5.00" : "0");
  const Decimal hundred(100);
  const Decimal pillar1 = (gross * (a.rate1 + a.rate1Extra) / hundred).roundTo(2);
  const Decimal pillar2 = (gross * a.rate2 / hundred).roundTo(2);
  const Decimal net = ((gross - pillar1 - pillar2) * money("0.85")).roundTo(2);
  a.items = {gross, gross, pillar1, pillar2, net};
  return a;
}

void addMonthlyRow(Rows& rad, const Obligor& o, const MonthlyRow& m) {
  const RowAmounts a = amountsOf(m);
  rad.row()
      .number("REDBROJ", o.number)
      .text("JMBG", m.jmbg)
      .text("PREZIME", m.name)
      .text("OPCINA", m.municipality)
      .text("VRSOBV", o.kind)
      .text("VRSTAUPLA", "01")
      .text("CLANDN", m.member)
      .text("OSNOVA1", m.base)
      .text("OSNOVA3", m.increased)
      .number("GODOBRA", kSampleYear)
      .number("MJEOBRA", m.month)
      .number("ODDANA", m.firstDay)
      .number("DODANA", m.lastDay)
      .amount("IZNOS7", a.items[0])
      .amount("IZNOS8", a.items[1])
      .amount("IZNOS9", a.items[2])
      .amount("IZNOS10", a.items[3])
      .amount("IZNOS11", a.items[4])
      .amount("PRVISTUP1", a.rate1)
      .amount("PRVISTUP2", a.rate1Extra)
      .amount("DRUGISTUP1", a.rate2)
      .amount("DRUGISTUP2", Decimal())
      .add();
}

// The same row as a line of 194 characters of a payroll program's payment file: fields side
// by side, amounts as a sign and 14 digits of hundredths.
std::string paymentLine(const Obligor& o, const MonthlyRow& m, int sequence) {
  std::string line;
  auto put = [&line](std::string_view value, std::size_t width) {
    line += padRight(value.substr(0, std::min(value.size(), width)), width);
  };
  put(digits(sequence, 5), 5);
  put(o.mb01 + o.mb02, 12);
  put(o.jmbg, 13);
  put(o.kind, 2);
  put("01", 2);
  put(digits(o.lastForm + 1, 4), 4);
  put(digits(kSampleYear, 4), 4);
  put(digits(m.month, 2), 2);
  put(digits(m.firstDay, 2), 2);
  put(digits(m.lastDay, 2), 2);
  put(m.jmbg, 13);
  put(cp1250(m.name), 50);
  put(m.municipality, 4);
  put(m.member, 1);
  put(m.base, 2);
  put(m.increased, 1);
  for (const Decimal& amount : amountsOf(m).items) {
    const auto units = amount.toUnits(2);
    line += units < 0 ? '-' : '+';
    line += digits(units < 0 ? -units : units, 14);
  }
  return line;
}

void writeFile(const fs::path& file, std::string_view text, std::string& error) {
  std::FILE* f = std::fopen(file.c_str(), "wb");
  const bool written = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
  if ((f && std::fclose(f) != 0) || !written) {
    if (error.empty()) error = file.string() + ": datoteka nije zapisana";
  }
}

// The sample month of the first obligor as the payment file its payroll program would deliver.
void writePaymentFile(const fs::path& file, const Obligor& o, const std::vector<MonthlyRow>& rows,
                      std::string& error) {
  std::string text;
  int sequence = 0;
  for (const auto& r : rows)
    if (r.obligor == o.number && r.month == kSampleMonth)
      text += paymentLine(o, r, ++sequence) + "\r\n";
  writeFile(file, text, error);
}

// The first obligor's people in the month after the sample month, with a new employee.
void writeEmployeesFile(const fs::path& file, std::string& error) {
  const int month = kSampleMonth % 12 + 1;
  const int year = kSampleYear + (kSampleMonth == 12 ? 1 : 0);
  const std::string when = std::to_string(year) + "," + std::to_string(month) + ",";
  const std::string last = std::to_string(daysInMonth(year, month));
  std::string text =
      "jmbg,name,municipality,member,type,basis,increased,year,month,from,to,iv7,iv8,iv9,iv10,"
      "iv11\n";
  auto row = [&](const std::string& jmbg, const char* name, const char* municipality,
                 const char* member, const char* basis, const std::string& days,
                 const char* amounts) {
    text += jmbg + ",\"" + name + "\"," + municipality + "," + member + ",01," + basis + ",," +
            when + days + "," + amounts + "\n";
  };
  row(sampleJmbg(2, 5, 1980, 33, 11), "HORVAT MARKO (PRIMJER)", "1333", "D", "01", "1," + last,
      "1850.00,1850.00,,,1258.00");
  row(sampleJmbg(17, 9, 1985, 33, 512), "KOVAČEVIĆ ANA (PRIMJER)", "5410", "D", "01", "1,15",
      "900.00,900.00,135.00,45.00,612.00");
  row(sampleJmbg(17, 9, 1985, 33, 512), "KOVAČEVIĆ ANA (PRIMJER)", "5410", "D", "02", "16," + last,
      "1100.00,1100.00,165.00,55.00,748.00");
  row(sampleJmbg(23, 1, 1962, 33, 25), "BABIĆ JOSIP (PRIMJER)", "3808", "N", "01", "1," + last,
      "2100.00,2100.00,,,1428.00");
  row(sampleJmbg(4, 7, 1999, 33, 808), "ŽIVKOVIĆ ĐURĐA (PRIMJER)", "1333", "D", "01", "1," + last,
      "1300.00,1300.00,,,884.00");
  writeFile(file, text, error);
}

void addObligors(Context& ctx, SampleSummary& summary, std::string& error) {
  const std::vector<Obligor> obligors = {
      {1, sampleMB(1234567), "0000", "0000000000000", "PRIMJER d.o.o.", "Ilica 1, 10000 Zagreb",
       "Ivana Primjer", "01/2345678", "info@primjer.hr", "01", 0},
      {2, "00000000", "0000", sampleJmbg(14, 3, 1975, 33, 101), "PRIMJER obrt, vl. Ivan Novak",
       "Obrtnička 7, 21000 Split", "Ivan Novak", "021/345678", "obrt@primjer.hr", "02", 0},
      {3, sampleMB(7654321), "0000", "0000000000000", "PRIMJER isplatitelj d.d.",
       "Korzo 3, 51000 Rijeka", "Petar Primjer", "051/456789", "isplate@primjer.hr", "31", 49},
  };
  const int y = kSampleYear, m = kSampleMonth;
  const std::vector<MonthlyRow> rows = {
      // A legal person: a full month, a person with two parts of the month, a non-member of the
      // second pillar, and a person who left in the month before (no row in the sample month).
      {1, sampleJmbg(2, 5, 1980, 33, 11), "HORVAT MARKO (PRIMJER)", "1333", "D", "01", " ", m, 1,
       30, "1850.00"},
      {1, sampleJmbg(17, 9, 1985, 33, 512), "KOVAČEVIĆ ANA (PRIMJER)", "5410", "D", "01", " ", m, 1,
       15, "900.00"},
      {1, sampleJmbg(17, 9, 1985, 33, 512), "KOVAČEVIĆ ANA (PRIMJER)", "5410", "D", "02", " ", m,
       16, 30, "1100.00"},
      {1, sampleJmbg(23, 1, 1962, 33, 25), "BABIĆ JOSIP (PRIMJER)", "3808", "N", "01", " ", m, 1,
       30, "2100.00"},
      {1, sampleJmbg(8, 12, 1990, 33, 640), "MARIĆ PETRA (PRIMJER)", "1333", "D", "01", " ", m - 1,
       1, 31, "1500.00"},
      // A natural person.
      {2, sampleJmbg(30, 6, 1995, 38, 33), "JURIĆ LUKA (PRIMJER)", "4090", "D", "01", " ", m, 1, 30,
       "1200.00"},
      {2, sampleJmbg(11, 11, 1988, 38, 577), "ŠIMIĆ MARIJA (PRIMJER)", "4090", "D", "02", " ", m, 1,
       30, "750.00"},
      // An obligor of kind "31", one person with increased duration.
      {3, sampleJmbg(5, 4, 1978, 30, 44), "PAVLOVIĆ TOMISLAV (PRIMJER)", "3735", "D", "01", "1", m,
       1, 30, "2400.00"},
      {3, sampleJmbg(19, 8, 1983, 30, 590), "TOMIĆ IVANA (PRIMJER)", "3735", "D", "01", " ", m, 1,
       30, "1950.00"},
  };
  {
    Rows pos(ctx, "POS", error);
    for (const auto& o : obligors)
      pos.row()
          .number("REDBROJ", o.number)
          .text("MB01", o.mb01)
          .text("MB02", o.mb02)
          .text("JMBG", o.jmbg)
          .text("NAZIV", o.name)
          .text("ADRESA", o.address)
          .text("KONTAKT", o.contact)
          .text("TELEFON", o.phone)
          .text("EMAIL", o.email)
          .text("VRSTOBVEZNIKA", o.kind)
          .number("IDENTIFIKATOR", o.lastForm)
          .number("OBRGOD", y)
          .add();
  }
  Rows rad(ctx, "RAD", error);
  std::string previous;
  for (const auto& r : rows) {
    addMonthlyRow(rad, obligors[static_cast<std::size_t>(r.obligor - 1)], r);
    if (r.jmbg != previous) ++summary.employees;
    previous = r.jmbg;
  }
  writePaymentFile(ctx.workDir() / "ulaz" / kSamplePaymentFile, obligors[0], rows, error);
  writeEmployeesFile(ctx.workDir() / "ulaz" / kSampleEmployeesFile, error);
  summary.obligors = static_cast<int>(obligors.size());
  summary.monthlyRows = static_cast<int>(rows.size());
}

}  // namespace

form::SendingHeader sampleMonthHeader(int employer) {
  form::SendingHeader h;
  h.employer = employer;
  h.paymentType = "01";
  h.year = std::to_string(kSampleYear);
  h.month = std::to_string(kSampleMonth);
  h.paymentYear = std::to_string(kSamplePaymentYear);
  h.paymentMonth = std::to_string(kSamplePaymentMonth);
  h.firstDay = "1";
  h.lastDay = "30";
  h.formNumber = "1";
  h.sendingDate = Date::fromParts(12, 15, 2025);
  h.method = form::SendingMethod::Single;
  return h;
}

Status createInstallationTables(Context& ctx) {
  for (const auto& decl : allTables()) {
    if (decl.kind != TableKind::Keyed || !decl.create) continue;
    Table& t = ctx.table(decl.prefix);
    if (const int rc = t.create()) return Status::store(rc, decl.file);
  }
  return {};
}

SampleSummary buildSampleInstallation(Context& ctx, const fs::path& municipalityList) {
  SampleSummary summary;
  if (municipalityList.empty()) {
    summary.status = Status::refused("nije pronađen popis općina (data/opcine.csv)");
    return summary;
  }
  if (Status made = createInstallationTables(ctx); !made.ok()) {
    summary.status = std::move(made);
    return summary;
  }
  const auto loaded = loadMunicipalityList(ctx, municipalityList);
  if (!loaded.status.ok()) {
    summary.status = loaded.status;
    return summary;
  }
  summary.municipalities = loaded.loaded;
  std::string error;
  addCodeLists(ctx, error);
  addControlTable(ctx, error);
  addParameters(ctx, error);
  addObligors(ctx, summary, error);
  if (!error.empty()) summary.status = Status::refused(error);
  return summary;
}

std::string sampleJmbg(int day, int month, int year, int region, int serial) {
  for (;; ++serial) {
    const std::string head = digits(day, 2) + digits(month, 2) + digits(year % 1000, 3) +
                             digits(region, 2) + digits(serial % 1000, 3);
    for (char check = '0'; check <= '9'; ++check)
      if (ProvjeraJMBG(head + check)) return head + check;
  }
}

std::string sampleMB(int firstSevenDigits) {
  for (;; ++firstSevenDigits) {
    const std::string head = digits(firstSevenDigits % 10'000'000, 7);
    for (char check = '0'; check <= '9'; ++check)
      if (ProvjeraMB(head + check)) return head + check;
  }
}

}  // namespace obrazac
