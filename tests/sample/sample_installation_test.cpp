#include "sample/sample_installation.h"

#include <gtest/gtest.h>

#include "check/input_check_run.h"
#include "codelists/municipality_list.h"
#include "register/identifier_checks.h"
#include "submission/output_files.h"
#include "support/register_fixture.h"

namespace obrazac {
namespace {

using testing::fieldOf;
using testing::RegisterFixture;

class SampleInstallation : public ::testing::Test, protected RegisterFixture {
 protected:
  void SetUp() override {
    summary = buildSampleInstallation(ctx, std::filesystem::path(OBRAZAC_DATA_DIR) / "opcine.csv");
    ASSERT_TRUE(summary.status.ok()) << summary.status.text();
  }

  // Whether a record with these field values exists under the key.
  bool has(std::string_view prefix, std::string_view key,
           std::initializer_list<std::pair<std::string_view, std::string>> values) {
    Table& t = opened(prefix);
    t.record().clear();
    for (const auto& [field, value] : values) t.record().setText(t.record().index(field), value);
    return t.get(key) == 0;
  }

  // Calls fn with every record of a table in file order.
  template <typename Fn>
  void each(std::string_view prefix, Fn fn) {
    Context other(dir.path());
    Table& t = other.table(prefix);
    ASSERT_EQ(t.open(AccessMode::ReadOnly), 0);
    while (t.next() == 0) fn(t.record());
  }

  SampleSummary summary;
};

TEST_F(SampleInstallation, HoldsTheWholeMunicipalityListAndTheSampleRegister) {
  EXPECT_EQ(summary.municipalities, 556);
  EXPECT_EQ(summary.obligors, 3);
  EXPECT_EQ(summary.employees, 8);
  EXPECT_EQ(summary.monthlyRows, 9);
  EXPECT_EQ(count("OPC"), 556);
  Table& opc = opened("OPC");
  opc.record().clear();
  set(opc.record(), "SIFRA", "1333");
  ASSERT_EQ(opc.get("KEYSIFRA"), 0);
  EXPECT_EQ(fieldOf(opc.record(), "NAZIV"), "ZAGREB");
  EXPECT_EQ(fieldOf(opc.record(), "GRAD"), "D");
}

TEST_F(SampleInstallation, CodesTheRulesTestAreThereWithTheirFlags) {
  const std::tuple<const char*, const char*, const char*> kinds[] = {
      {"02", "NE", "DA"}, {"17", "NE", "NE"}, {"21", "NE", "DA"},
      {"30", "NE", "DA"}, {"31", "DA", "NE"}, {"01", "DA", "NE"}};
  for (const auto& [code, mb, mbg] : kinds) {
    ASSERT_TRUE(has("VOB", "KEYSIFRA", {{"SIFRA", code}})) << code;
    const Record& r = ctx.table("VOB").record();
    EXPECT_EQ(fieldOf(r, "MB01") + fieldOf(r, "MBG"), std::string(mb) + mbg) << code;
  }
  for (const char* code : {"01", "03", "05", "06", "88", "99"})
    EXPECT_TRUE(has("VUP", "KEYSIFRA", {{"SIFRA", code}})) << code;
  EXPECT_GT(count("TBO"), 0);
  EXPECT_GT(count("STA"), 0);
  // The tree shows the control table: each leaf is a combination of it.
  each("STA3", [&](const Record& leaf) {
    EXPECT_TRUE(has("VEZ", "KEYVOB_VOI",
                    {{"VOB", leaf.text(leaf.index("VOB"))},
                     {"VOI", leaf.text(leaf.index("VOI"))},
                     {"OO", leaf.text(leaf.index("OO"))}}));
  });
  EXPECT_EQ(count("STA1"), count("VOB"));
}

TEST_F(SampleInstallation, EveryMonthlyRowIsValidAgainstTheCodeListsAndHasItsRates) {
  int nonMembers = 0;
  each("RAD", [&](const Record& r) {
    const std::string jmbg = r.text(r.index("JMBG"));
    EXPECT_TRUE(ProvjeraJMBG(jmbg)) << jmbg;
    EXPECT_TRUE(has("OPC", "KEYSIFRA", {{"SIFRA", r.text(r.index("OPCINA"))}})) << jmbg;
    EXPECT_TRUE(has("VEZ", "KEYVOB_VOI",
                    {{"VOB", r.text(r.index("VRSOBV"))},
                     {"VOI", r.text(r.index("VRSTAUPLA"))},
                     {"OO", r.text(r.index("OSNOVA1"))}}))
        << jmbg;
    EXPECT_TRUE(has("STO1", "KEYOSNOV",
                    {{"VRSTOBRACUNA", r.text(r.index("VRSTAUPLA"))},
                     {"VRSTAOBVEZNIKA", r.text(r.index("VRSOBV"))},
                     {"OSNOVOBRA", r.text(r.index("OSNOVA1"))},
                     {"STAZ", r.text(r.index("OSNOVA3"))},
                     {"CLANDN", r.text(r.index("CLANDN"))}}))
        << jmbg;
    EXPECT_NE(fieldOf(r, "PREZIME").find("PRIMJER"), std::string::npos);
    if (fieldOf(r, "CLANDN") == "N") {
      ++nonMembers;
      EXPECT_TRUE(r.decimal(r.index("IZNOS10")).isZero());
    }
  });
  EXPECT_EQ(nonMembers, 1);
}

TEST_F(SampleInstallation, ObligorsAndTheAuthorisedPersonCarryValidNumbers) {
  std::vector<std::string> kinds;
  each("POS", [&](const Record& r) {
    kinds.push_back(fieldOf(r, "VRSTOBVEZNIKA"));
    EXPECT_NE(fieldOf(r, "NAZIV").find("PRIMJER"), std::string::npos);
    const std::string mb = r.text(r.index("MB01")), jmbg = r.text(r.index("JMBG"));
    EXPECT_TRUE(isAbsentMB(mb) ? ProvjeraJMBG(jmbg) && !isAbsentJMBG(jmbg) : ProvjeraMB(mb))
        << mb << "/" << jmbg;
  });
  EXPECT_EQ(kinds, (std::vector<std::string>{"01", "02", "31"}));

  each("APL", [&](const Record& apl) {
    EXPECT_TRUE(ProvjeraMB(apl.text(apl.index("MB01"))));
    EXPECT_TRUE(isAbsentJMBG(apl.text(apl.index("JMBG"))));
    const auto out = submission::outputFolder(apl.text(apl.index("IZLAZDIR")), dir.path());
    EXPECT_TRUE(std::filesystem::is_directory(out)) << out;
    EXPECT_EQ(std::filesystem::canonical(out).parent_path(),
              std::filesystem::canonical(dir.path()));
  });
}

// The payroll file of the first obligor is the month's rows of that obligor, every line good
// for the input check.
TEST_F(SampleInstallation, PaymentFileOfTheFirstObligorPassesTheInputCheck) {
  const check::InputSelection selection{1,
                                        "01",
                                        std::to_string(kSampleYear),
                                        std::to_string(kSampleMonth),
                                        1,
                                        30,
                                        dir.path() / "ulaz" / kSamplePaymentFile};
  RecordingReporter reporter;
  const auto out =
      check::runInputCheck(ctx, FixedClock(Date::fromParts(12, 15, 2025)), selection, reporter);
  ASSERT_TRUE(out.status.ok()) << out.status.text();
  EXPECT_EQ(out.summary.linesRead, 4);
  EXPECT_EQ(out.summary.linesAccepted, 4);
  EXPECT_EQ(out.findings, 0);
}

}  // namespace
}  // namespace obrazac
