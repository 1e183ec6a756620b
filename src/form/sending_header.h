// The header of the sending window: which obligor, kind of calculation, period, payment month,
// date of sending and form number a processing run works on, with the checks made when an entry
// is accepted and when "&Obrada obveznika" is pressed. Entries are held as typed, so the checks
// see what the user wrote; a check answers with the messages to show (UTF-8) and the entry that
// gets the focus back, and never shows anything itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/context.h"
#include "data/date.h"
#include "data/status.h"

namespace obrazac::form {

enum class HeaderField {
  None,
  Employer,
  PaymentType,
  Year,
  Month,
  FirstDay,
  LastDay,
  PaymentYear,
  PaymentMonth,
  SendingDate,
  FormNumber,
  Method,
  InputFile,  // "Ulazna datoteka" of the takeover window
};

enum class SendingMethod { None, Single, Collective };  // "Pojedinačno slanje", "Zbirno slanje"
enum class CollectiveJob { NewFile, AddToFile };        // "Novi file", "Dodaj u file"

struct SendingHeader {
  int employer = 0;         // GLO:Firma, POS:REDBROJ of the chosen obligor
  std::string obligorKind;  // GLO:VO, POS:VRSTOBVEZNIKA of the chosen obligor (Windows-1250)
  std::string paymentType;  // GLO:VrsUpl, a VOI code (Windows-1250)
  // The entries as typed: digits, possibly not.
  std::string year, month, firstDay, lastDay, paymentYear, paymentMonth, formNumber;
  Date sendingDate;  // "Datum slanja"
  SendingMethod method = SendingMethod::Single;
  CollectiveJob job = CollectiveJob::NewFile;

  // The value of an entry: its leading digits after blanks, 0 when there are none.
  int yearValue() const;
  int monthValue() const;
  int firstDayValue() const;
  int lastDayValue() const;
  int paymentYearValue() const;
  int paymentMonthValue() const;
  int formNumberValue() const;
};

// The window's values when it opens: current year and month for the period and the payment,
// today as the date of sending, single sending, days 0 until entered.
SendingHeader defaultSendingHeader(const Clock& clock);

// Chooses the obligor as the window's obligor list does: employer number, its kind and, as the
// proposed form number, its last used form number + 1. A failure names the obligor and why it
// could not be read; the header then keeps the number and a blank kind.
Status chooseEmployer(Context& ctx, SendingHeader& header);

// The window whose header is checked: the sending window, or the window that forms the form
// from taken-over payment data, whose checks differ in a few texts and rules: a calculation
// month without its two-digit and payment-type rules, a payment year without its lower bound,
// and a processing button that checks neither the payment type nor the obligor.
enum class HeaderWindow { Sending, Takeover };

// A message of a check and the entry that gets the focus back.
struct HeaderMessage {
  std::string text;  // UTF-8, exactly as shown
  HeaderField field = HeaderField::None;
  bool operator==(const HeaderMessage&) const = default;
};

// Accepting one entry: every message shown, in order; `stopped` when the last one ended the
// event (the focus stays on the entry).
struct EntryCheck {
  std::vector<HeaderMessage> messages;
  bool stopped = false;
  bool ok() const { return messages.empty(); }
};
EntryCheck checkEntry(const SendingHeader& header, HeaderField entry,
                      HeaderWindow window = HeaderWindow::Sending);

// Accepting an entry as the window does: the entry's checks, and a calculation year or month
// that passes them is proposed as the payment year or month. The takeover window copies the
// year before its checks, so even a refused year becomes the payment year.
EntryCheck acceptEntry(SendingHeader& header, HeaderField entry,
                       HeaderWindow window = HeaderWindow::Sending);

// "Datum slanja" as typed (UTF-8): the date it names becomes the header's date of sending; a text
// that names no date leaves the header as it was and gives the message that refuses it, the same
// for the window and the command line.
std::optional<HeaderMessage> takeSendingDate(SendingHeader& header, std::string_view typed);

// The checks of "&Obrada obveznika": messages that are shown and let the checks go on, then the
// first failing check that ends the run. Reads the parameter record (APL buffer) and, for the
// sending window, the obligor (POS buffer) into the context's buffers; the takeover reads its
// obligor later in its run.
struct ProcessingCheck {
  std::vector<HeaderMessage> notices;
  std::optional<HeaderMessage> failure;
  bool ok() const { return !failure.has_value(); }
};
ProcessingCheck checkProcessing(Context& ctx, const SendingHeader& header,
                                HeaderWindow window = HeaderWindow::Sending);

// The first of those checks alone: the authorised person of the parameters (read into the APL
// buffer) is still to be entered. Gives the message that refuses the run.
std::optional<HeaderMessage> checkAuthorisedPerson(Context& ctx);

// The authorised-person message of the sending windows.
inline constexpr std::string_view kAuthorisedPersonMessage =
    "Obavezno ispravite podatke o ovlaštenoj osobi. | Izmjenu izvršite kroz "
    "Servisi/Aplikacijski parametri";

}  // namespace obrazac::form
