#include "register/obligor_checks.h"

#include <gtest/gtest.h>

#include "data/codepage.h"
#include "data/dictionary.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

constexpr std::string_view kMb = "12345679";        // right check digit
constexpr std::string_view kMb9 = "91234565";       // right check digit, starts with 9
constexpr std::string_view kMbg = "1503975123451";  // right check digit
constexpr std::string_view kZeroMbg = "0000000000000";

class ObligorSave : public ::testing::Test {
 protected:
  void SetUp() override {
    Table& t = ctx_.table("VOB");
    ASSERT_EQ(t.open(), 0);
    // Kind, whether it requires an MB, whether it requires an MBG.
    for (auto [kind, mb, mbg] :
         {std::tuple{"01", "DA", "NE"}, std::tuple{"02", "NE", "DA"}, std::tuple{"03", "NE", "DA"},
          std::tuple{"17", "NE", "NE"}, std::tuple{"21", "NE", "DA"}}) {
      Record& r = t.record();
      r.clear();
      r.setText(r.index("SIFRA"), kind);
      r.setText(r.index("SKROPIS"), std::string("vrsta ") + kind);
      r.setText(r.index("MB01"), mb);
      r.setText(r.index("MBG"), mbg);
      ASSERT_EQ(t.add(), 0);
    }
  }

  Record obligor(std::string_view kind, std::string_view mb, std::string_view mbg) const {
    Record pos(*tableByPrefix("POS"));
    pos.setText(pos.index("NAZIV"), cp1250("Šimić d.o.o."));
    pos.setText(pos.index("ADRESA"), "Ilica 1");
    pos.setText(pos.index("KONTAKT"), "Ana");
    pos.setText(pos.index("VRSTOBVEZNIKA"), kind);
    pos.setText(pos.index("MB01"), mb);
    pos.setText(pos.index("JMBG"), mbg);
    pos.setInteger(pos.index("REDBROJ"), 1);
    return pos;
  }

  testing::TempDir dir_;
  Context ctx_{dir_.path()};
};

TEST_F(ObligorSave, IdentifiersByKindInTheOrderOfTheTests) {
  struct Case {
    std::string_view kind, mb, mbg;
    std::string_view message;  // empty: the save passes
    std::string_view field;
    bool beep = false;
  } cases[] = {
      {"17", "", "", "", ""},
      {"02", kMb9, kMbg, "", ""},
      {"01", kMb, kZeroMbg, "", ""},
      {"03", "", kMbg, "", ""},
      {"99", "", "", "Pogrešna vrsta obveznika. Ispravite !", ""},
      // Neither identifier, also as a new obligor starts (blank MB, zero MBG) or as zero MB.
      {"01", "00000000", kZeroMbg, "Obvezno upišite ili MB ili MBG", "POS:MB01"},
      {"01", "", "", "Obvezno upišite ili MB ili MBG", "POS:MB01"},
      {"03", "", kZeroMbg, "Obvezno upišite ili MB ili MBG", "POS:MB01"},
      {"01", "00000000", "", "Obvezno upišite ili MB ili MBG", "POS:MB01"},
      {"21", kMb9, kMbg,
       "Greška. Nije dozvoljeno upisati MB i MBG, izuzev ako MB počinje sa 8 ili 9", "POS:MB01"},
      {"02", kMb, kMbg,
       "Greška. Nije dozvoljeno upisati MB i MBG, izuzev ako MB počinje sa 8 ili 9", "POS:MB01"},
      {"01", "1234", kZeroMbg, "Za VOB=01 MB pravne osobe mora se upisati", "POS:MB01"},
      {"03", kMb, "", "Za VOB=03 MB pravne osobe se ne upisuje, izuzev ako počinje sa 8 ili 9",
       "POS:MB01"},
      {"21", kMb, "", "Za VOB=21 MBG mora se upisati", "POS:JMBG"},  // 21 may carry an MB
      {"03", kMb9, "", "Za VOB=03 MBG mora se upisati", "POS:JMBG"},
      {"03", "", "150397512345", "Za VOB=03 MBG mora se upisati", "POS:JMBG"},
      {"01", "00000000", kMbg, "Za VOB=01 MBG se ne upisuje", "POS:JMBG"},
      {"01", "12345678", kZeroMbg, "Pogrešan MB Firme", "POS:MB01", true},
      {"01", "1234567x", kZeroMbg, "Pogrešan MB Firme", "POS:MB01", true},
      {"01", " 2345676", kZeroMbg, "Pogrešan MB Firme", "POS:MB01", true},
      {"17", "", "150397512345", "MBG je netočan - nema 13 znamenaka.", "POS:JMBG"},
      {"03", "", "1503975123450", "MBG nije točan. ISPRAVITE Podatak", "POS:JMBG", true},
      {"03", "", "+503975123458", "MBG nije točan. ISPRAVITE Podatak", "POS:JMBG", true},
  };
  for (const auto& c : cases) {
    const CheckResult r = checkObligorSave(ctx_, obligor(c.kind, c.mb, c.mbg));
    SCOPED_TRACE(std::string(c.kind) + " '" + std::string(c.mb) + "' '" + std::string(c.mbg) + "'");
    if (c.message.empty()) {
      EXPECT_FALSE(r) << r->message;
    } else {
      ASSERT_TRUE(r);
      EXPECT_EQ(*r, (CheckFailure{std::string(c.message), std::string(c.field), c.beep}));
    }
  }
}

TEST_F(ObligorSave, NameAddressAndContactComeFirst) {
  Record pos = obligor("99", "", "");
  pos.setText(pos.index("KONTAKT"), "");
  pos.setText(pos.index("NAZIV"), "   ");
  EXPECT_EQ(checkObligorSave(ctx_, pos)->message,
            "Greška broj 6. Naziv ili prezime i ime je obvezan podatak");
  pos.setText(pos.index("NAZIV"), "Obrt");
  pos.setText(pos.index("ADRESA"), "");
  EXPECT_EQ(checkObligorSave(ctx_, pos)->field, "POS:ADRESA");
  pos.setText(pos.index("ADRESA"), "Ilica 1");
  EXPECT_EQ(*checkObligorSave(ctx_, pos),
            (CheckFailure{"Greška broj 8. Kontakt osoba se obvezno upisuje", "POS:KONTAKT"}));
}

// A row stored under running number 0 would be found by no lookup; the test comes after the
// identifiers, so they are judged first.
TEST_F(ObligorSave, RunningNumberZeroIsRefusedAfterTheIdentifiers) {
  Record pos = obligor("01", kMb, kZeroMbg);
  pos.setInteger(pos.index("REDBROJ"), 0);
  EXPECT_EQ(*checkObligorSave(ctx_, pos),
            (CheckFailure{"Redni broj firme mora biti veći od 0", "POS:REDBROJ"}));
  pos.setText(pos.index("MB01"), "12345678");
  EXPECT_EQ(checkObligorSave(ctx_, pos)->message, "Pogrešan MB Firme");
}

}  // namespace
}  // namespace obrazac
