#include "form/sending_header.h"

#include <cstdio>

#include "app/application_parameters.h"
#include "data/date_text.h"
#include "data/fixed_width.h"
#include "register/entry_rules.h"
#include "register/obligor_lookup.h"

namespace obrazac::form {
namespace {

using F = HeaderField;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return clipRight(text.substr(first));
}

// Entries take digits only, as their pictures do.
bool isDigits(std::string_view entry) {
  const auto t = trimmed(entry);
  if (t.empty()) return false;
  for (const char c : t)
    if (c < '0' || c > '9') return false;
  return true;
}

int valueOf(std::string_view entry) {
  const auto t = trimmed(entry);
  long long v = 0;
  for (const char c : t) {
    if (c < '0' || c > '9') break;
    v = v * 10 + (c - '0');
    if (v > 1'000'000'000) break;
  }
  return static_cast<int>(v);
}

// Written with leading zeros to two places, a month stays two characters up to 99.
bool twoDigits(int value) {
  return value >= 0 && value <= 99;
}

bool monthFreeType(std::string_view paymentType) {
  return paymentType == "03" || paymentType == "05" || paymentType == "06";
}

struct Messages {
  EntryCheck check;
  HeaderField field;
  // Adds a message; returns true when it ends the event.
  bool add(std::string_view text, bool stops) {
    check.messages.push_back({std::string(text), field});
    check.stopped = stops;
    return stops;
  }
};

constexpr std::string_view kYearBelow2005 = "Greška. Godina mora biti veća od 2004";

// The two year checks every year entry has; `below2005` is the text of the third, or empty for
// a year entry without it.
void checkYear(Messages& m, std::string_view entry, std::string_view below2005, bool lastStops) {
  if (!isDigits(entry)) m.add("Greška. Godina mora biti numerik", false);
  const int value = valueOf(entry);
  if (value < 1000) m.add("Greška. Godina mora biti 4-znamenkasta", false);
  if (!below2005.empty() && value < 2005) m.add(below2005, lastStops);
}

// The calculation month; `full` adds the two-digit rule and, when accepted as an entry, the
// payment-type rule of the sending window.
void checkMonth(Messages& m, const SendingHeader& h, bool full, bool withPaymentType) {
  if (!isDigits(h.month)) {
    m.add("Mjesec mora biti numerik", true);
    return;
  }
  const int value = h.monthValue();
  if (full && !twoDigits(value)) {
    m.add("Mjesec je 2-znamenkasti broj", true);
    return;
  }
  if (value > 12) {
    m.add("Pogrešna oznaka mjeseca", true);
    return;
  }
  if (full && withPaymentType && monthFreeType(h.paymentType) && value != 0)
    m.add("Za uplate 03 05 i 06 mjesec mora biti = 00", true);
}

void checkDay(Messages& m, const SendingHeader& h, std::string_view entry) {
  if (!isDigits(entry)) {
    m.add("Greška. Dozvoljene su samo brojke", true);
    return;
  }
  if (h.monthValue() > 0 && dayBeyondMonth(valueOf(entry), h.monthValue(), h.yearValue()))
    m.add("Pogrešan dan", true);
}

void checkPaymentMonth(Messages& m, std::string_view entry, std::string_view above12) {
  if (!isDigits(entry)) m.add("Greška. Mjesec mora biti numerik", false);
  const int value = valueOf(entry);
  if (!twoDigits(value)) m.add("Greška. Mjesec mora biti 2-znamenkasta", false);
  if (value > 12) m.add(above12, true);
}

std::string twoDigitText(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

}  // namespace

int SendingHeader::yearValue() const {
  return valueOf(year);
}
int SendingHeader::monthValue() const {
  return valueOf(month);
}
int SendingHeader::firstDayValue() const {
  return valueOf(firstDay);
}
int SendingHeader::lastDayValue() const {
  return valueOf(lastDay);
}
int SendingHeader::paymentYearValue() const {
  return valueOf(paymentYear);
}
int SendingHeader::paymentMonthValue() const {
  return valueOf(paymentMonth);
}
int SendingHeader::formNumberValue() const {
  return valueOf(formNumber);
}

SendingHeader defaultSendingHeader(const Clock& clock) {
  const CivilDate today = clock.today().civil();
  SendingHeader h;
  h.year = h.paymentYear = std::to_string(today.year);
  h.month = h.paymentMonth = twoDigitText(today.month);
  h.firstDay = h.lastDay = "0";
  h.sendingDate = clock.today();
  return h;
}

Status chooseEmployer(Context& ctx, SendingHeader& header) {
  header.obligorKind.clear();
  if (Status read = readObligor(ctx, header.employer); !read.ok()) return read;
  const Record& r = ctx.table("POS").record();
  header.obligorKind = r.text(r.index("VRSTOBVEZNIKA"));
  header.formNumber = std::to_string(r.integer(r.index("IDENTIFIKATOR")) + 1);
  return {};
}

EntryCheck checkEntry(const SendingHeader& h, HeaderField entry, HeaderWindow window) {
  const bool sending = window == HeaderWindow::Sending;
  Messages m{{}, entry};
  switch (entry) {
    case F::Year:
      // The takeover window has its own wording of this message.
      checkYear(m, h.year, sending ? kYearBelow2005 : "Greška. Godina mor abiti veća od 2004",
                true);
      break;
    case F::Month:
      checkMonth(m, h, sending, true);
      break;
    case F::FirstDay:
      checkDay(m, h, h.firstDay);
      break;
    case F::LastDay:
      checkDay(m, h, h.lastDay);
      break;
    case F::PaymentYear:
      checkYear(m, h.paymentYear, sending ? kYearBelow2005 : "", false);
      break;
    case F::PaymentMonth:
      checkPaymentMonth(m, h.paymentMonth,
                        sending ? "Pogrešna oznaka mjeseca" : "Greška. Pogrešna oznaka mjeseca");
      break;
    default:
      break;
  }
  return m.check;
}

EntryCheck acceptEntry(SendingHeader& h, HeaderField entry, HeaderWindow window) {
  const bool takeover = window == HeaderWindow::Takeover;
  if (takeover && entry == F::Year) h.paymentYear = h.year;
  EntryCheck check = checkEntry(h, entry, window);
  if (check.stopped) return check;
  if (entry == F::Year) h.paymentYear = h.year;
  if (entry == F::Month) h.paymentMonth = h.month;
  return check;
}

std::optional<HeaderMessage> takeSendingDate(SendingHeader& header, std::string_view typed) {
  const auto date = readDate(typed);
  if (!date) return HeaderMessage{notADate(typed), F::SendingDate};
  header.sendingDate = *date;
  return std::nullopt;
}

std::optional<HeaderMessage> checkAuthorisedPerson(Context& ctx) {
  // A missing parameter record is an authorised person still to be entered.
  if (readParameters(ctx) != 0 || authorisedPersonMissing(ctx.table("APL").record()))
    return HeaderMessage{std::string(kAuthorisedPersonMessage), F::None};
  return std::nullopt;
}

ProcessingCheck checkProcessing(Context& ctx, const SendingHeader& h, HeaderWindow window) {
  const bool sending = window == HeaderWindow::Sending;
  ProcessingCheck result;
  auto fail = [&](std::string_view text, HeaderField field) {
    result.failure = HeaderMessage{std::string(text), field};
    return result;
  };

  if (auto refused = checkAuthorisedPerson(ctx)) {
    result.failure = std::move(refused);
    return result;
  }

  Messages year{{}, F::Year};
  checkYear(year, h.year, kYearBelow2005, true);
  if (year.check.stopped) {
    result.failure = year.check.messages.back();
    year.check.messages.pop_back();
  }
  result.notices = std::move(year.check.messages);
  if (result.failure) return result;

  Messages month{{}, F::Month};
  checkMonth(month, h, sending, false);
  if (month.check.stopped) return fail(month.check.messages.back().text, F::Month);

  // The takeover window asks for the sending method after the form number rules.
  if (sending && h.method == SendingMethod::None)
    return fail("Obavezno izaberite način slanja podataka", F::Method);
  if (sending && clipRight(h.paymentType).size() < 2)
    return fail("Obavezno izaberite vrstu uplate", F::PaymentType);
  // The identifier holds three digits of the form number: a missing or longer one would file
  // the form under a number the user did not give.
  if (!isDigits(h.formNumber) || h.formNumberValue() < 1 || h.formNumberValue() > 999)
    return fail("Obavezno upište broj identifikatora", F::FormNumber);
  if (h.obligorKind == "30" && h.formNumberValue() > 49)
    return fail(sending ? "Za VOB=30 red. broj unutar indetifikatora mora biti <50"
                        : "Za VOB=30 red. broj unutar indetifikatora mora biti < 50",
                F::FormNumber);
  if (h.obligorKind == "31" && h.formNumberValue() < 50)
    return fail("Za VOB=31 red. broj unutar indetifikatora mora biti >=50", F::FormNumber);
  // The identifier of kind 31 has room for two digits of the form number only; a third would
  // be cut off and two forms would share one identifier.
  if (h.obligorKind == "31" && h.formNumberValue() > 99)
    return fail("Za VOB=31 red. broj unutar indetifikatora mora biti <100", F::FormNumber);
  if (!sending) {
    if (h.method == SendingMethod::None)
      return fail("Obavezno izaberite način slanja podataka", F::Method);
    return result;
  }

  if (const Status read = readObligor(ctx, h.employer); !read.ok())
    return fail(read.text(), F::Employer);
  return result;
}

}  // namespace obrazac::form
