#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "cli/structured_output.h"
#include "data/date.h"
#include "sample/sample_installation.h"
#include "support/cli_runner.h"
#include "support/register_save_cases.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using testing::RegisterSaveCase;
using testing::TypedValues;

// The option the tool takes for each field of the cases.
const std::map<std::string, std::string> kOptionOf = {
    {"POS:REDBROJ", "number"}, {"POS:VRSTOBVEZNIKA", "kind"},  {"POS:MB01", "mb"},
    {"POS:MB02", "mb2"},       {"POS:JMBG", "jmbg"},           {"POS:NAZIV", "name"},
    {"POS:ADRESA", "address"}, {"POS:KONTAKT", "contact"},     {"RAD:JMBG", "jmbg"},
    {"RAD:PREZIME", "name"},   {"RAD:OPCINA", "municipality"}, {"RAD:CLANDN", "member"},
    {"RAD:VRSOBV", "kind"},    {"RAD:VRSTAUPLA", "type"},      {"RAD:OSNOVA1", "basis"},
    {"RAD:GODOBRA", "year"},   {"RAD:MJEOBRA", "month"},       {"RAD:ODDANA", "from"},
    {"RAD:DODANA", "to"},      {"RAD:IZNOS7", "iv7"},          {"RAD:IZNOS8", "iv8"},
    {"RAD:IZNOS9", "iv9"},     {"RAD:IZNOS10", "iv10"},        {"RAD:IZNOS11", "iv11"},
};

std::string quoted(const std::string& text) {
  std::string q = "'";
  for (const char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

TypedValues changed(TypedValues values, const TypedValues& changes) {
  for (const auto& [label, value] : changes)
    for (auto& v : values)
      if (v.first == label) v.second = value;
  return values;
}

std::string valueOf(const TypedValues& values, const std::string& label) {
  for (const auto& [l, value] : values)
    if (l == label) return value;
  return {};
}

// The base with the case's changes, as options of the tool.
std::string optionsOf(const TypedValues& base, const TypedValues& changes) {
  const TypedValues values = changed(base, changes);
  std::string words;
  for (const auto& [label, value] : values)
    words += " --" + kOptionOf.at(label) + " " + quoted(value);
  return words;
}

class RegisterCli : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(run("init --demo").exitCode, 0); }

  testing::CliStreams run(const std::string& args) {
    return testing::runCliStreams("--dir " + quoted(dir_.path().string()) + " " + args +
                                  " </dev/null");
  }
  std::int64_t employeeRows() { return std::stoll(run("table TBZAPOSL.DAT count").out); }
  // The row of a person under an obligor, as the JSON list gives it.
  testing::JsonValue rowOf(int employer, const std::string& jmbg) {
    const auto rows = testing::parseJson(
        run("employee list --employer " + std::to_string(employer) + " --format json").out);
    EXPECT_TRUE(rows);
    if (rows)
      for (const auto& row : rows->items)
        if (row.at("jmbg").text == jmbg) return row;
    ADD_FAILURE() << "no row of " << jmbg;
    return {};
  }
  std::filesystem::path write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return dir_ / name;
  }
  // A refusal names the field the form would put the focus on, by option and caption.
  static void expectOutcome(const RegisterSaveCase& c, const testing::CliStreams& r) {
    SCOPED_TRACE(c.name);
    if (c.message.empty()) {
      EXPECT_EQ(r.exitCode, 0) << r.err;
    } else {
      EXPECT_EQ(r.exitCode, 1) << r.out;
      const std::string named = c.field.empty() ? "\n" : " (--" + kOptionOf.at(c.field) + ", ";
      EXPECT_NE(r.err.find(c.message + named), std::string::npos) << r.err;
    }
    if (!c.warning.empty()) {
      EXPECT_NE(r.err.find(c.warning + "\n"), std::string::npos) << r.err;
    }
  }

  testing::TempDir dir_;
};

TEST_F(RegisterCli, ObligorSavesAndRefusalsFollowTheForm) {
  int number = 10;
  for (const auto& c : testing::obligorSaveCases()) {
    TypedValues changes = c.changes;
    bool numbered = false;
    for (const auto& [label, _] : changes) numbered = numbered || label == "POS:REDBROJ";
    if (!numbered) changes.emplace_back("POS:REDBROJ", std::to_string(number++));
    expectOutcome(c, run("obligor add" + optionsOf(testing::obligorSaveBase(), changes)));
  }
  // A running number taken is the store's refusal; none given proposes the next free one.
  const auto taken =
      run("obligor add" + optionsOf(testing::obligorSaveBase(), {{"POS:REDBROJ", "1"}}));
  EXPECT_EQ(taken.exitCode, 1);
  EXPECT_NE(taken.err.find("Duplicate Key Error"), std::string::npos) << taken.err;
  const auto stored = testing::parseJson(run("obligor list --format json").out);
  ASSERT_TRUE(stored);
  const int next = std::stoi(stored->items.back().at("number").text) + 1;
  TypedValues unnumbered = testing::obligorSaveBase();
  unnumbered.erase(unnumbered.begin());
  const auto proposed = run("obligor add" + optionsOf(unnumbered, {}));
  EXPECT_EQ(proposed.out, "Dodan obveznik " + std::to_string(next) + " (Šimić i sinovi d.o.o.)\n")
      << proposed.err;

  // A change is held against the same tests.
  EXPECT_EQ(run("obligor change --number 1 --jmbg 1503975123451").exitCode, 1);
  EXPECT_EQ(run("obligor change --number 1 --contact 'Đuro Žagar'").exitCode, 0);
  const auto listed = testing::parseJson(run("obligor list --format json").out);
  ASSERT_TRUE(listed);
  EXPECT_EQ(listed->items.front().at("contact").text, "Đuro Žagar");
  EXPECT_EQ(listed->items.front().at("number").text, "1");
}

TEST_F(RegisterCli, MonthlyRowSavesAndRefusalsFollowTheForm) {
  const int currentYear = SystemClock().currentYear();
  for (const auto& c : testing::monthlySaveCases(currentYear)) {
    expectOutcome(
        c, run("employee add --employer 1" + optionsOf(testing::monthlySaveBase(), c.changes)));
    if (!c.message.empty()) continue;
    // The next case finds the person without rows again, as a saved row would excuse its zeros.
    const TypedValues saved = changed(testing::monthlySaveBase(), c.changes);
    EXPECT_EQ(run("employee delete --employer 1 --yes --jmbg " + valueOf(saved, "RAD:JMBG") +
                  " --row-to " + valueOf(saved, "RAD:DODANA"))
                  .exitCode,
              0);
  }

  // A zero amount passes a rule above zero when the same person has a positive amount that month
  // in another row, under any obligor; a person without one is refused.
  const TypedValues zeros = {{"RAD:IZNOS7", "0"},
                             {"RAD:IZNOS8", "0"},
                             {"RAD:IZNOS9", "0"},
                             {"RAD:IZNOS10", "0"},
                             {"RAD:IZNOS11", "0"}};
  TypedValues elsewhere = zeros;
  elsewhere.emplace_back("RAD:JMBG", sampleJmbg(2, 5, 1980, 33, 11));  // a sample employee of 1
  EXPECT_EQ(
      run("employee add --employer 2" + optionsOf(testing::monthlySaveBase(), elsewhere)).exitCode,
      0);
  TypedValues alone = zeros;
  alone.emplace_back("RAD:JMBG", sampleJmbg(1, 2, 1991, 33, 100));  // no row anywhere
  const auto refused =
      run("employee add --employer 2" + optionsOf(testing::monthlySaveBase(), alone));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("Greška - Iznos obračunane plaće mora biti >0. "), std::string::npos);

  EXPECT_EQ(run("employee add --employer 9 --jmbg 1503975123451").err,
            "Greška 35 (Record Not Found): obveznik 9 ne postoji\n");
  EXPECT_EQ(run("employee add --employer 1 --year 20251").exitCode, 2);
  EXPECT_EQ(run("employee add --employer 1 --iv8 1.005").exitCode, 2);
}

TEST_F(RegisterCli, ContributionsAreProposedFromTheRatesWhenNotGiven) {
  TypedValues base = testing::monthlySaveBase();
  std::erase_if(base,
                [](const auto& v) { return v.first == "RAD:IZNOS9" || v.first == "RAD:IZNOS10"; });
  const std::string jmbg = " --employer 3 --jmbg 1503975123451";
  ASSERT_EQ(
      run("employee add --employer 3" + optionsOf(base, {{"RAD:IZNOS8", "1234.57"}})).exitCode, 0);
  auto amounts = [&] {
    const auto row = rowOf(3, "1503975123451");
    return row.at("iv9").text + " " + row.at("iv10").text;
  };
  // A member of the second pillar: 15.00 + 0.00 and 5.00 + 0.00 percent.
  EXPECT_EQ(amounts(), "185.19 61.73");
  // A change proposes again only from a changed value the amounts are computed from.
  ASSERT_EQ(run("employee change" + jmbg + " --iv9 100 --iv10 40").exitCode, 0);
  ASSERT_EQ(run("employee change" + jmbg + " --name 'ŠIMIĆ-HORVAT ANA'").exitCode, 0);
  EXPECT_EQ(amounts(), "100.00 40.00");
  ASSERT_EQ(run("employee change" + jmbg + " --iv8 1000").exitCode, 0);
  EXPECT_EQ(amounts(), "150.00 50.00");
  // Leaving the second pillar: 20.00 percent for the first, nothing for the second.
  ASSERT_EQ(run("employee change" + jmbg + " --member N").exitCode, 0);
  EXPECT_EQ(amounts(), "200.00 0.00");
}

TEST_F(RegisterCli, ChoosesOneRowOfAPersonAndDeletesIt) {
  const std::string ana = " --employer 1 --jmbg " + sampleJmbg(17, 9, 1985, 33, 512);
  EXPECT_EQ(run("employee delete" + ana + " --yes").exitCode, 2) << "two rows: which one?";
  EXPECT_EQ(run("employee delete" + ana + " --row-to 31 --yes").exitCode, 1);
  const auto rows = employeeRows();
  const auto deleted = run("employee delete" + ana + " --row-to 15 --yes");
  EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
  EXPECT_EQ(employeeRows(), rows - 1);
  EXPECT_EQ(run("employee change" + ana + " --iv11 700").exitCode, 0) << "one row left";
}

TEST_F(RegisterCli, DeletingAnObligorTakesItsEmployeesAlong) {
  const auto before = employeeRows();
  const auto ofFirst = testing::parseCsv(run("employee list --employer 1 --format csv").out);
  ASSERT_TRUE(ofFirst);
  const auto firstRows = static_cast<std::int64_t>(ofFirst->size()) - 1;
  ASSERT_GT(firstRows, 0);

  const auto kept = run("obligor delete --number 1");  // no answer on standard input: no
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_EQ(employeeRows(), before);

  const auto deleted = run("obligor delete --number 1 --yes");
  EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
  EXPECT_EQ(employeeRows(), before - firstRows);
  EXPECT_EQ(run("employee list --employer 1 --format csv").out.find('\n') + 1,
            run("employee list --employer 1 --format csv").out.size())
      << "the header alone";
  // A new obligor under the freed number starts without employees.
  ASSERT_EQ(
      run("obligor add" + optionsOf(testing::obligorSaveBase(), {{"POS:REDBROJ", "1"}})).exitCode,
      0);
  EXPECT_EQ(employeeRows(), before - firstRows);
}

TEST_F(RegisterCli, ListsAlignCroatianLettersAndReadBackAsImport) {
  const std::string text = run("employee list --employer 1").out;
  // Every row puts the municipality under its header, counting characters, not bytes.
  auto column = [](const std::string& line, const std::string& what) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < line.find(what); ++i)
      chars += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;
    return chars;
  };
  const auto header = text.substr(0, text.find('\n'));
  const auto ana = text.substr(text.rfind('\n', text.find("KOVAČEVIĆ")) + 1);
  EXPECT_EQ(column(header, "Općina"), column(ana.substr(0, ana.find('\n')), "5410")) << text;

  const auto csv = run("employee list --employer 2 --format csv").out;
  const auto file = write("natrag.csv", csv);
  const auto rows = employeeRows();
  const auto back = run("employee import " + quoted(file.string()) + " --employer 2");
  EXPECT_EQ(back.exitCode, 0) << back.err;
  EXPECT_EQ(employeeRows(), rows + 2);
}

TEST_F(RegisterCli, ImportStoresAllRowsOrNoneAndReportsEachRefusal) {
  const std::string header =
      "jmbg,name,member,type,basis,year,month,from,to,iv7,iv8,iv9,iv10,iv11\n";
  const std::string good =
      "1503975123451,\"ŠIMIĆ, ANA\",D,01,01,2025,11,1,30,1000,1000,150,50,700\n";
  const auto rows = employeeRows();
  const auto refused =
      run("employee import " +
          quoted(write("los.csv", header + good +
                                      "1503975123451,ŠIMIĆ ANA,D,01,01,2025,13,1,30,"
                                      "1000,1000,150,50,700\n" +
                                      good +
                                      "1503975123451,ŠIMIĆ ANA,D,01,01,20x5,11,1,"
                                      "30,1000,1000,150,50,700\n")
                     .string()) +
          " --employer 1");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err,
            "Redak 3: Pogrešna oznaka mjeseca (stupac month, Mjesec obračuna)\n"
            "Redak 5: '20x5' nije broj od najviše 4 znamenke (stupac year, Godina obrade)\n"
            "Ništa nije uvezeno: odbijeno 2 od 4 redaka.\n");
  EXPECT_EQ(employeeRows(), rows);

  // A spreadsheet of this locale: byte order mark, semicolons, decimal commas, CR LF. The second
  // row's zero base is excused by the first row of the same person and month in the file.
  const auto semicolons = write("zarez.csv",
                                "\xEF\xBB\xBFjmbg;name;member;type;basis;year;month;from;to;iv7;"
                                "iv8;iv11\r\n"
                                "1503975123451;ĐURĐA;D;01;01;2025;11;1;15;1234,57;1234,57;900\r\n"
                                "\r\n"
                                "1503975123451;ĐURĐA;D;01;02;2025;11;16;30;0;0;0\r\n");
  const auto taken = run("employee import " + quoted(semicolons.string()) + " --employer 3");
  EXPECT_EQ(taken.out, "Uvezeno 2 redaka za obveznika 3.\n") << taken.err;
  const auto first = rowOf(3, "1503975123451");
  EXPECT_EQ(first.at("name").text, "ĐURĐA");
  EXPECT_EQ(first.at("to").text, "15");
  EXPECT_EQ(first.at("iv9").text, "185.19");

  const auto unknown = run("employee import " +
                           quoted(write("x.csv", "jmbg,plaća\n1,2\n").string()) + " --employer 1");
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_NE(unknown.err.find("nepoznat stupac 'plaća'"), std::string::npos);

  const auto sample =
      run("employee import " + quoted((dir_.path() / "ulaz" / kSampleEmployeesFile).string()) +
          " --employer 1");
  EXPECT_EQ(sample.out, "Uvezeno 5 redaka za obveznika 1.\n") << sample.err;
}

}  // namespace
}  // namespace obrazac
