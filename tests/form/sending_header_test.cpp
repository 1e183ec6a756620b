#include "form/sending_header.h"

#include <gtest/gtest.h>

#include "form/form_identity.h"
#include "support/register_fixture.h"

namespace obrazac::form {
namespace {

using testing::RegisterFixture;

std::vector<std::string> texts(const std::vector<HeaderMessage>& messages) {
  std::vector<std::string> t;
  for (const auto& m : messages) t.push_back(m.text);
  return t;
}

TEST(SendingHeaderEntries, MessagesOfEachEntryInOrderAndWhetherTheyStop) {
  struct Case {
    HeaderField entry;
    std::string year, month, day, paymentType;
    std::vector<std::string> messages;
    bool stops;
  };
  const Case cases[] = {
      {HeaderField::Year, "2004", "01", "1", "01", {"Greška. Godina mora biti veća od 2004"}, true},
      {HeaderField::Year,
       "205",
       "01",
       "1",
       "01",
       {"Greška. Godina mora biti 4-znamenkasta", "Greška. Godina mora biti veća od 2004"},
       true},
      {HeaderField::Year,
       "2o05",
       "01",
       "1",
       "01",
       {"Greška. Godina mora biti numerik", "Greška. Godina mora biti 4-znamenkasta",
        "Greška. Godina mora biti veća od 2004"},
       true},
      {HeaderField::Year, "2005", "01", "1", "01", {}, false},
      {HeaderField::Month, "2005", "x", "1", "01", {"Mjesec mora biti numerik"}, true},
      {HeaderField::Month, "2005", "123", "1", "01", {"Mjesec je 2-znamenkasti broj"}, true},
      {HeaderField::Month, "2005", "13", "1", "01", {"Pogrešna oznaka mjeseca"}, true},
      {HeaderField::Month, "2005", "3", "1", "01", {}, false},
      {HeaderField::Month,
       "2005",
       "3",
       "1",
       "05",
       {"Za uplate 03 05 i 06 mjesec mora biti = 00"},
       true},
      {HeaderField::Month, "2005", "00", "1", "06", {}, false},
      {HeaderField::FirstDay, "2008", "02", "29", "01", {}, false},
      {HeaderField::FirstDay, "2005", "02", "29", "01", {"Pogrešan dan"}, true},
      {HeaderField::FirstDay, "2100", "02", "29", "01", {}, false},  // every fourth year
      {HeaderField::LastDay, "2005", "04", "31", "01", {"Pogrešan dan"}, true},
      {HeaderField::LastDay, "2005", "00", "45", "05", {}, false},  // no month, no last day
      {HeaderField::LastDay, "2005", "04", "3a", "01", {"Greška. Dozvoljene su samo brojke"}, true},
  };
  for (const auto& c : cases) {
    SendingHeader h;
    h.year = c.year;
    h.month = c.month;
    h.firstDay = h.lastDay = c.day;
    h.paymentType = c.paymentType;
    const EntryCheck check = checkEntry(h, c.entry);
    EXPECT_EQ(texts(check.messages), c.messages) << c.year << "/" << c.month << "/" << c.day;
    EXPECT_EQ(check.stopped, c.stops) << c.year << "/" << c.month << "/" << c.day;
    for (const auto& m : check.messages) EXPECT_EQ(m.field, c.entry);
  }
}

TEST(SendingHeaderEntries, PaymentYearAndMonthMessagesDoNotStopExceptAWrongMonth) {
  SendingHeader h;
  h.paymentYear = "204";
  h.paymentMonth = "ab";
  auto year = checkEntry(h, HeaderField::PaymentYear);
  EXPECT_EQ(texts(year.messages),
            (std::vector<std::string>{"Greška. Godina mora biti 4-znamenkasta",
                                      "Greška. Godina mora biti veća od 2004"}));
  EXPECT_FALSE(year.stopped);
  EXPECT_EQ(texts(checkEntry(h, HeaderField::PaymentMonth).messages),
            (std::vector<std::string>{"Greška. Mjesec mora biti numerik"}));
  h.paymentMonth = "123";
  auto month = checkEntry(h, HeaderField::PaymentMonth);
  EXPECT_EQ(texts(month.messages),
            (std::vector<std::string>{"Greška. Mjesec mora biti 2-znamenkasta",
                                      "Pogrešna oznaka mjeseca"}));
  EXPECT_TRUE(month.stopped);
}

TEST(TakeoverHeaderEntries, OwnTextsAndFewerChecks) {
  struct Case {
    HeaderField entry;
    std::string value;
    std::vector<std::string> messages;
    bool stops;
  };
  const Case cases[] = {
      {HeaderField::Year,
       "205",
       {"Greška. Godina mora biti 4-znamenkasta", "Greška. Godina mor abiti veća od 2004"},
       true},
      {HeaderField::Month, "x", {"Mjesec mora biti numerik"}, true},
      {HeaderField::Month, "123", {"Pogrešna oznaka mjeseca"}, true},
      {HeaderField::Month, "3", {}, false},  // payment type 05 has no month rule here
      {HeaderField::PaymentYear, "2004", {}, false},
      {HeaderField::PaymentYear, "204", {"Greška. Godina mora biti 4-znamenkasta"}, false},
      {HeaderField::PaymentMonth, "13", {"Greška. Pogrešna oznaka mjeseca"}, true},
  };
  for (const auto& c : cases) {
    SendingHeader h;
    h.year = h.paymentYear = "2025";
    h.month = h.paymentMonth = "01";
    h.paymentType = "05";
    if (c.entry == HeaderField::Year) h.year = c.value;
    if (c.entry == HeaderField::Month) h.month = c.value;
    if (c.entry == HeaderField::PaymentYear) h.paymentYear = c.value;
    if (c.entry == HeaderField::PaymentMonth) h.paymentMonth = c.value;
    const EntryCheck check = checkEntry(h, c.entry, HeaderWindow::Takeover);
    EXPECT_EQ(texts(check.messages), c.messages) << c.value;
    EXPECT_EQ(check.stopped, c.stops) << c.value;
  }
}

TEST(TakeoverHeaderEntries, AcceptedYearBecomesThePaymentYearEvenWhenRefused) {
  SendingHeader h;
  h.paymentYear = "2025";
  h.year = "2004";
  EXPECT_TRUE(acceptEntry(h, HeaderField::Year, HeaderWindow::Takeover).stopped);
  EXPECT_EQ(h.paymentYear, "2004");

  SendingHeader s;
  s.paymentYear = "2025";
  s.year = "2004";
  EXPECT_TRUE(acceptEntry(s, HeaderField::Year).stopped);
  EXPECT_EQ(s.paymentYear, "2025");
  s.month = "07";
  EXPECT_TRUE(acceptEntry(s, HeaderField::Month).ok());
  EXPECT_EQ(s.paymentMonth, "07");
}

class ProcessingChecks : public ::testing::Test, protected RegisterFixture {
 protected:
  void SetUp() override {
    addParameters();
    addObligor(1);
    addObligor(30, "30");
    addObligor(31, "31");
  }
  // A change to the valid header and the failure the window's checks then stop at.
  struct Case {
    const char* what;
    void (*change)(SendingHeader&);
    std::optional<HeaderMessage> expected;
  };
  template <std::size_t N>
  void expectFailures(const Case (&cases)[N], HeaderWindow window) {
    for (const auto& c : cases) {
      SendingHeader h = header();
      c.change(h);
      EXPECT_EQ(checkProcessing(ctx, h, window).failure, c.expected) << c.what;
    }
  }
};

TEST_F(ProcessingChecks, FirstFailingCheckInOrderWithTheEntryToFocus) {
  const Case cases[] = {
      {"valid", [](SendingHeader&) {}, std::nullopt},
      {"year", [](SendingHeader& h) { h.year = "2004"; },
       HeaderMessage{"Greška. Godina mora biti veća od 2004", HeaderField::Year}},
      {"month before method",
       [](SendingHeader& h) {
         h.month = "13";
         h.method = SendingMethod::None;
       },
       HeaderMessage{"Pogrešna oznaka mjeseca", HeaderField::Month}},
      {"method", [](SendingHeader& h) { h.method = SendingMethod::None; },
       HeaderMessage{"Obavezno izaberite način slanja podataka", HeaderField::Method}},
      {"payment type", [](SendingHeader& h) { h.paymentType = "1"; },
       HeaderMessage{"Obavezno izaberite vrstu uplate", HeaderField::PaymentType}},
      {"form number", [](SendingHeader& h) { h.formNumber = "0"; },
       HeaderMessage{"Obavezno upište broj identifikatora", HeaderField::FormNumber}},
      {"kind 30 at 50",
       [](SendingHeader& h) {
         h.employer = 30;
         h.obligorKind = "30";
         h.formNumber = "50";
       },
       HeaderMessage{"Za VOB=30 red. broj unutar indetifikatora mora biti <50",
                     HeaderField::FormNumber}},
      {"kind 31 at 49",
       [](SendingHeader& h) {
         h.employer = 31;
         h.obligorKind = "31";
         h.formNumber = "49";
       },
       HeaderMessage{"Za VOB=31 red. broj unutar indetifikatora mora biti >=50",
                     HeaderField::FormNumber}},
      {"kind 31 at 57",
       [](SendingHeader& h) {
         h.employer = 31;
         h.obligorKind = "31";
         h.formNumber = "57";
       },
       std::nullopt},
      {"kind 31 beyond two digits",
       [](SendingHeader& h) {
         h.employer = 31;
         h.obligorKind = "31";
         h.formNumber = "150";
       },
       HeaderMessage{"Za VOB=31 red. broj unutar indetifikatora mora biti <100",
                     HeaderField::FormNumber}},
      {"missing obligor", [](SendingHeader& h) { h.employer = 9; },
       HeaderMessage{"Greška 35 (Record Not Found): obveznik 9 ne postoji", HeaderField::Employer}},
  };
  expectFailures(cases, HeaderWindow::Sending);
}

TEST_F(ProcessingChecks, TakeoverOrderAndTexts) {
  const Case cases[] = {
      {"valid", [](SendingHeader&) {}, std::nullopt},
      {"year", [](SendingHeader& h) { h.year = "2004"; },
       HeaderMessage{"Greška. Godina mora biti veća od 2004", HeaderField::Year}},
      {"three-digit month", [](SendingHeader& h) { h.month = "123"; },
       HeaderMessage{"Pogrešna oznaka mjeseca", HeaderField::Month}},
      {"kind 30 before method",
       [](SendingHeader& h) {
         h.obligorKind = "30";
         h.formNumber = "50";
         h.method = SendingMethod::None;
       },
       HeaderMessage{"Za VOB=30 red. broj unutar indetifikatora mora biti < 50",
                     HeaderField::FormNumber}},
      {"kind 31 at 49",
       [](SendingHeader& h) {
         h.obligorKind = "31";
         h.formNumber = "49";
       },
       HeaderMessage{"Za VOB=31 red. broj unutar indetifikatora mora biti >=50",
                     HeaderField::FormNumber}},
      {"method", [](SendingHeader& h) { h.method = SendingMethod::None; },
       HeaderMessage{"Obavezno izaberite način slanja podataka", HeaderField::Method}},
      // The takeover reads its obligor later and takes any payment type the lines may carry.
      {"missing obligor and short payment type",
       [](SendingHeader& h) {
         h.employer = 9;
         h.paymentType = "1";
       },
       std::nullopt},
  };
  expectFailures(cases, HeaderWindow::Takeover);
}

TEST_F(ProcessingChecks, YearMessagesBeforeTheStoppingOneAreNotices) {
  SendingHeader h = header();
  h.year = "205";
  const auto check = checkProcessing(ctx, h);
  ASSERT_EQ(check.notices.size(), 1u);
  EXPECT_EQ(check.notices[0].text, "Greška. Godina mora biti 4-znamenkasta");
  EXPECT_EQ(check.failure->text, "Greška. Godina mora biti veća od 2004");
}

TEST_F(ProcessingChecks, ThePaymentTypeMonthRuleIsNotRepeatedByTheButton) {
  SendingHeader h = header();
  h.paymentType = "05";
  h.month = "03";
  EXPECT_TRUE(checkProcessing(ctx, h).ok());
}

TEST(ProcessingChecksParameters, AnAuthorisedPersonStillToBeEnteredOrMissingStopsFirst) {
  for (const bool placeholder : {true, false}) {
    RegisterFixture f;
    if (placeholder) f.addParameters("00000000", "1111111111111");
    f.addObligor(1);
    SendingHeader h = f.header();
    h.year = "1999";
    const auto check = checkProcessing(f.ctx, h);
    ASSERT_TRUE(check.failure) << placeholder;
    EXPECT_EQ(check.failure->text, kAuthorisedPersonMessage);
    EXPECT_TRUE(check.notices.empty());
  }
}

TEST(FormIdentity, IdentifierByKindOfObligorAndLink) {
  struct Case {
    int employer, year, form;
    const char *jmbg, *kind, *id4, *identifier;
  };
  const Case cases[] = {
      {12, 2005, 7, "0000000000000", "01", "5007", "0125007"},  // legal person
      {12, 2005, 7, "1403975331017", "02", "507 ", "012507 "},  // natural person
      {12, 2005, 7, "             ", "01", "5007", "0125007"},
      {3, 2025, 57, "0000000000000", "31", "9557", "0039557"},
      {3, 2026, 7, "1403975331017", "30", "9607", "0039607"},
  };
  for (const auto& c : cases) {
    const auto f = buildFormIdentity(c.employer, c.year, c.form, c.jmbg, c.kind, "01");
    EXPECT_EQ(f.id4, c.id4) << c.kind;
    EXPECT_EQ(f.identifier, c.identifier) << c.kind;
    EXPECT_EQ(f.link, std::string(c.identifier) + "01") << c.kind;
  }
  EXPECT_EQ(outputFileName(12, 2005, 4), "F0125004.TXT");
}

}  // namespace
}  // namespace obrazac::form
