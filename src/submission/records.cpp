#include "submission/records.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "data/field_value.h"
#include "data/fixed_width.h"
#include "data/numeric_text.h"

namespace obrazac::submission {
namespace {

constexpr std::string_view kZeroMB = "000000000000";
constexpr std::string_view kZeroJMBG = "0000000000000";
constexpr std::int64_t kMaxHundredths = 99'999'999'999'999;  // 14 digits

std::string_view field(const Record& r, std::string_view name) {
  return r.text(r.index(name));
}

}  // namespace

std::optional<std::string> recordLineError(std::string_view line) {
  if (line.size() != static_cast<std::size_t>(kRecordWidth))
    return "Zapis ima " + std::to_string(line.size()) + " znakova umjesto " +
           std::to_string(kRecordWidth);
  const RecordLayout* layout = findRecordLayout(line.back());
  if (!layout) return std::string("Zapis nepoznatog tipa");
  for (const RecordField& f : layout->fields)
    if (const auto unfit = unfitByte(f.cut(line)))
      return "Zapis tipa " + std::string(1, layout->type) + ", polje " + std::string(f.code) +
             ": " + *unfit;
  return std::nullopt;
}

Identification senderIdentification(const Record& apl, SenderRule rule) {
  const auto mb01 = field(apl, "MB01"), mb02 = field(apl, "MB02"), jmbg = field(apl, "JMBG");
  Identification id{std::string(12, ' '), std::string(13, ' ')};
  if (rule == SenderRule::Collective) {
    id.mb = std::string(isNumeric(mb01) ? mb01 : "00000000") +
            std::string(isNumeric(mb02) ? mb02 : "0000");
    id.jmbg = isNumeric(jmbg) ? std::string(jmbg) : std::string(kZeroJMBG);
    return id;
  }
  const bool byLength = rule == SenderRule::Length;
  const bool hasMB =
      (byLength ? clipRight(mb01).size() == 8 : isNumeric(mb01)) && mb01 != "00000000";
  const bool hasUnit = byLength ? clipRight(mb02).size() == 4 : isNumeric(mb02);
  const bool hasJMBG =
      (byLength ? clipRight(jmbg).size() == 13 : isNumeric(jmbg)) && jmbg != kZeroJMBG;
  if (hasMB) {
    id.mb = std::string(mb01) + std::string(hasUnit ? mb02 : "0000");
    id.jmbg = kZeroJMBG;
  }
  if (hasJMBG) {
    id.mb = kZeroMB;
    id.jmbg = jmbg;
  }
  return id;
}

RecordLine::RecordLine(char type) : layout_(recordLayout(type)), line_(kRecordWidth, ' ') {
  line_.back() = type;
}

const RecordField& RecordLine::field(std::string_view code) const {
  if (const auto* f = layout_.fieldByCode(code)) return *f;
  throw std::out_of_range("no field " + std::string(code) + " in a record of type " +
                          std::string(1, layout_.type));
}

RecordLine& RecordLine::text(std::string_view code, std::string_view value) {
  const auto& f = field(code);
  const auto w = static_cast<std::size_t>(f.width);
  const auto padded = padRight(value, w);
  std::memcpy(at(f), padded.data(), w);
  return *this;
}

RecordLine& RecordLine::number(std::string_view code, std::int64_t value) {
  const auto& f = field(code);
  char text[32];
  const int n = std::snprintf(text, sizeof text, "%0*lld", f.width, static_cast<long long>(value));
  if (value < 0 || n != f.width)
    throw std::overflow_error(std::string(code) + ": " + std::to_string(value) +
                              " ne stane u polje");
  std::memcpy(at(f), text, static_cast<std::size_t>(n));
  return *this;
}

RecordLine& RecordLine::amount(std::string_view code, const Decimal& value, char nonNegative) {
  const auto& f = field(code);
  const std::int64_t hundredths = value.abs().toUnits(2);
  if (hundredths > kMaxHundredths)
    throw std::overflow_error(std::string(code) + ": " + value.toString(2) + " ne stane u polje");
  char text[32];
  std::snprintf(text, sizeof text, "%c%014lld", value.sign() < 0 ? '-' : nonNegative,
                static_cast<long long>(hundredths));
  std::memcpy(at(f), text, 15);
  return *this;
}

RecordLine& RecordLine::date(std::string_view code, Date value) {
  const auto& f = field(code);
  const CivilDate d = value.civil();
  char text[32];
  std::snprintf(text, sizeof text, "%02d%02d%04d", d.day, d.month, d.year);
  std::memcpy(at(f), text, 8);
  return *this;
}

std::string formIdentifierField(std::string_view identifier) {
  const std::string id = padRight(identifier, 7);
  // The identifier of a natural person: year digit, two digits and a blank.
  if (id[6] == ' ') return {'0', id[3], id[4], id[5]};
  return {id[3], id[4], id[5], id[6]};
}

std::string senderRecord(const Record& apl, const Identification& sender, Date sent) {
  RecordLine r('0');
  r.text("RS0MBOO", sender.mb)
      .text("RS0MBGO", sender.jmbg)
      .text("RS0NAOB", field(apl, "NAZIV"))
      .text("RS0ADOB", field(apl, "ADRESA"))
      .text("RS0OSOB", field(apl, "KONOSO"))
      .text("RS0TELE", field(apl, "TELEFON"))
      .text("RS0MAIL", field(apl, "EMAIL"))
      .date("RS0DTMN", sent)
      .text("RS0OFOR", "RM500");
  return r.line();
}

namespace {

// The obligor's MB and MBG on types 3 and 7. Page A holds zeros where the obligor has no such
// number; the form's records test them once more, type 7 by length.
Identification obligorIdentification(const Record& a, char type, RowOrigin origin) {
  const auto mb01 = field(a, "MB01"), mb02 = field(a, "MB02"), jmbg = field(a, "JMBG");
  const std::string mb = std::string(mb01) + std::string(mb02);
  if (origin == RowOrigin::TakenOver) return {mb, std::string(jmbg)};
  const bool noMB = type == '3' ? isBlank(mb01) || mb01 == "00000000"
                                : clipRight(mb01).size() < 8 || mb01 == "00000000";
  const bool hasJMBG = type == '3' ? isNumeric(jmbg) : clipRight(jmbg).size() == 13;
  return {noMB ? std::string(kZeroMB) : mb, hasJMBG ? std::string(jmbg) : std::string(kZeroJMBG)};
}

}  // namespace

std::string formHeaderRecord(const Record& a, const FormPeriod& p, RowOrigin origin) {
  const auto id = obligorIdentification(a, '3', origin);
  const char sign = nonNegativeSign(origin);
  RecordLine r('3');
  r.text("RS3MBOO", id.mb)
      .text("RS3MBGO", id.jmbg)
      .text("RS3RBSU", formIdentifierField(field(a, "IDENTIFIKATOR")))
      .text("RS3NAOB", field(a, "NAZIV"))
      .text("RS3ADOB", field(a, "ADRESA"))
      .text("RS3VROB", field(a, "VRSTOBVEZNIKA"))
      .number("RS3MMGG", static_cast<std::int64_t>(p.month) * 10000 + p.year)
      .text("RS3VROI", field(a, "VRSUPLA"))
      .number("RS3BROS", a.integer(a.index("BROJOSIG")))
      .amount("RS3IBRT", a.decimal(a.index("IZNOS7")), sign)
      .amount("RS3IOSN", a.decimal(a.index("IZNOS8")), sign)
      .amount("RS3IST1", a.decimal(a.index("IZNOS9")), sign)
      .amount("RS3IST2", a.decimal(a.index("IZNOS10")), sign)
      .amount("RS3INET", a.decimal(a.index("IZNOS11")), sign)
      .number("RS3IGMM", static_cast<std::int64_t>(p.paymentYear) * 100 + p.paymentMonth);
  // Taken-over data name their period as page A holds it.
  if (origin == RowOrigin::TakenOver)
    r.text("RS3MMGG", std::string(field(a, "OBRMJE")) + std::string(field(a, "OBRGOD")));
  return r.line();
}

std::string rowRecord(const Record& o, int ordinal, RowOrigin origin) {
  const char sign = nonNegativeSign(origin);
  char period[16];
  std::snprintf(period, sizeof period, "%02d%02d", static_cast<int>(o.integer(o.index("OBRRAZD1"))),
                static_cast<int>(o.integer(o.index("OBRRAZD2"))));
  RecordLine r('5');
  r.number("RS5RBRO", ordinal)
      .text("RS5MBGO", field(o, "JMBG"))
      .text("RS5IMPR", field(o, "PREZIME"))
      .text("RS5GROP", field(o, "OPCINA"))
      .text("RS5OSOB", std::string(field(o, "OSNOVA1")) + std::string(field(o, "OSNOVA3")))
      .text("RS5RAZD", period)
      .amount("RS5IBRT", o.decimal(o.index("IZNOS7")), sign)
      .amount("RS5IOSN", o.decimal(o.index("IZNOS8")), sign)
      .amount("RS5IST1", o.decimal(o.index("IZNOS9")), sign)
      .amount("RS5IST2", o.decimal(o.index("IZNOS10")), sign)
      .amount("RS5INET", o.decimal(o.index("IZNOS11")), sign);
  return r.line();
}

std::string formClosingRecord(const Record& a, int rows, Date sent, RowOrigin origin) {
  const auto id = obligorIdentification(a, '7', origin);
  RecordLine r('7');
  r.text("RS7MBOO", id.mb)
      .text("RS7MBGO", id.jmbg)
      .text("RS7RBSU", formIdentifierField(field(a, "IDENTIFIKATOR")))
      .number("RS7BRSL", rows)
      .date("RS7DTRS", sent);
  return r.line();
}

std::string fileClosingRecord(const Identification& sender, Date sent, int forms) {
  RecordLine r('9');
  r.text("RS9MBOO", sender.mb)
      .text("RS9MBGO", sender.jmbg)
      .date("RS9DTMN", sent)
      .number("RS9BROJ", forms);
  return r.line();
}

}  // namespace obrazac::submission
