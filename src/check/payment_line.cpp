#include "check/payment_line.h"

#include "data/fixed_width.h"

namespace obrazac::check {
namespace {

// The columns of the line in their order, with the member each fills.
struct Column {
  const char* field;
  std::size_t width;
  std::string PaymentLine::*text;
};

constexpr Column kColumns[] = {
    {"RBOSOB", 5, &PaymentLine::rbosob},
    {"MB", 12, &PaymentLine::mb},
    {"MB2", 13, &PaymentLine::mb2},
    {"VRSOBV", 2, &PaymentLine::vrsobv},
    {"VRSTAUPLA", 2, &PaymentLine::vrstaupla},
    {"IDENTIFIKATOR", 4, &PaymentLine::identifikator},
    {"GODOBRA", 4, &PaymentLine::godobra},
    {"OBRMJE", 2, &PaymentLine::obrmje},
    {"OBRRAZD1", 2, &PaymentLine::obrrazd1},
    {"OBRRAZD2", 2, &PaymentLine::obrrazd2},
    {"JMBG", 13, &PaymentLine::jmbg},
    {"PREZIME", 50, &PaymentLine::prezime},
    {"OPCINA", 4, &PaymentLine::opcina},
    {"CLANDN", 1, &PaymentLine::clandn},
    {"OSNOVA1", 2, &PaymentLine::osnova1},
    {"OSNOVA3", 1, &PaymentLine::osnova3},
};
constexpr const char* kAmountFields[] = {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"};
constexpr std::size_t kAmountWidth = 15;

void assignField(std::string& to, std::string_view from, std::size_t width) {
  to.assign(from.substr(0, width));
  to.resize(width, ' ');
}

// The values read from the texts, once every text is in place.
void readValues(PaymentLine& line) {
  line.year = readLineNumber(line.godobra);
  line.month = readLineNumber(line.obrmje);
  line.firstDay = readLineNumber(line.obrrazd1);
  line.lastDay = readLineNumber(line.obrrazd2);
  for (std::size_t i = 0; i < line.amounts.size(); ++i)
    line.amounts[i] = readLineAmount(line.amountText[i]);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void readPaymentLine(const Record& osi1, PaymentLine& line) {
  for (const auto& c : kColumns) assignField(line.*c.text, osi1.text(osi1.index(c.field)), c.width);
  for (std::size_t i = 0; i < line.amountText.size(); ++i)
    assignField(line.amountText[i], osi1.text(osi1.index(kAmountFields[i])), kAmountWidth);
  readValues(line);
}

void readPaymentLine(std::string_view text, PaymentLine& line) {
  std::size_t at = 0;
  auto take = [&](std::string& to, std::size_t width) {
    assignField(to, at < text.size() ? text.substr(at, width) : std::string_view{}, width);
    at += width;
  };
  for (const auto& c : kColumns) take(line.*c.text, c.width);
  for (auto& amount : line.amountText) take(amount, kAmountWidth);
  readValues(line);
}

PaymentLine paymentLineOf(const Record& osi1) {
  PaymentLine line;
  readPaymentLine(osi1, line);
  return line;
}

PaymentLine paymentLineFromText(std::string_view text) {
  PaymentLine line;
  readPaymentLine(text, line);
  return line;
}

Decimal readLineAmount(std::string_view field) {
  bool negative = !field.empty() && field.front() == '-';
  bool seenDigit = false;
  std::int64_t hundredths = 0;
  // At most 14 digits (places 2-15): the value always fits.
  for (char c : field.substr(field.empty() ? 0 : 1, kAmountWidth - 1)) {
    if (isDigit(c)) {
      hundredths = hundredths * 10 + (c - '0');
      seenDigit = true;
    } else if (c == '-' && !seenDigit) {
      negative = true;
    }
  }
  return Decimal::fromUnits(negative ? -hundredths : hundredths, 2);
}

int readLineNumber(std::string_view field) {
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  const auto value = Decimal::parse(field.substr(first));
  if (!value) return 0;
  // The fields are at most four characters wide, so the value always fits.
  return static_cast<int>(value->integerPart());
}

void fillPersonRow(Record& row, const PaymentLine& line, int year, int month,
                   std::string_view paymentType) {
  auto text = [&row](const char* field, std::string_view value) {
    if (const int i = row.find(field); i >= 0) row.setText(i, value);
  };
  auto number = [&row](const char* field, std::int64_t value) {
    if (const int i = row.find(field); i >= 0) row.setInteger(i, value);
  };
  text("JMBG", line.jmbg);
  text("PREZIME", line.prezime);
  text("OPCINA", line.opcina);
  text("CLANDN", line.clandn);
  text("OSNOVA1", line.osnova1);
  text("OSNOVA3", line.osnova3);
  number("OBRRAZD1", line.firstDay);
  number("OBRRAZD2", line.lastDay);
  number("GODOBRA", year);
  number("OBRMJE", month);
  text("VRSUPL", paymentType);
  for (std::size_t i = 0; i < line.amounts.size(); ++i)
    if (const int f = row.find(kAmountFields[i]); f >= 0) row.setDecimal(f, line.amounts[i]);
}

}  // namespace obrazac::check
