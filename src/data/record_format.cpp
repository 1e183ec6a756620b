#include "data/record_format.h"

#include <array>
#include <stdexcept>
#include <string>

namespace obrazac::submission {
namespace {

using K = FieldKind;

// Type 0, "POČETNI SLOG FORMATA": the sender, first line of every file.
constexpr RecordField kSender[] = {
    {"RS0MBOO", 1, 12, K::Digits}, {"RS0MBGO", 13, 13, K::Digits},
    {"RS0NAOB", 26, 50, K::Text},  {"RS0ADOB", 76, 50, K::Text},
    {"RS0OSOB", 126, 50, K::Text}, {"RS0TELE", 176, 10, K::Text},
    {"RS0MAIL", 186, 30, K::Text}, {"RS0DTMN", 216, 8, K::Date},
    {"RS0OFOR", 224, 5, K::Text},  {"RS0REZE", 229, 21, K::Reserved},
    {"RS0TIPS", 250, 1, K::Type},
};

// Type 3, "VODEĆI SLOG JEDNOG OBRASCA": page A of one form.
constexpr RecordField kFormHeader[] = {
    {"RS3MBOO", 1, 12, K::Digits},   {"RS3MBGO", 13, 13, K::Digits},
    {"RS3RBSU", 26, 4, K::Text},     {"RS3NAOB", 30, 50, K::Text},
    {"RS3ADOB", 80, 50, K::Text},    {"RS3VROB", 130, 2, K::Text},
    {"RS3MMGG", 132, 6, K::Digits},  {"RS3VROI", 138, 2, K::Text},
    {"RS3BROS", 140, 5, K::Digits},  {"RS3IBRT", 145, 15, K::Amount},
    {"RS3IOSN", 160, 15, K::Amount}, {"RS3IST1", 175, 15, K::Amount},
    {"RS3IST2", 190, 15, K::Amount}, {"RS3INET", 205, 15, K::Amount},
    {"RS3IGMM", 220, 6, K::Digits},  {"RS3REZE", 226, 24, K::Reserved},
    {"RS3TIPS", 250, 1, K::Type},
};

// Type 5, "SLOG POJEDINAČNE TRANSAKCIJE": one page B row.
constexpr RecordField kRow[] = {
    {"RS5RBRO", 1, 5, K::Digits},    {"RS5MBGO", 6, 13, K::Digits},
    {"RS5IMPR", 19, 30, K::Text},    {"RS5GROP", 49, 4, K::Text},
    {"RS5OSOB", 53, 3, K::Text},     {"RS5RAZD", 56, 4, K::Digits},
    {"RS5IBRT", 60, 15, K::Amount},  {"RS5IOSN", 75, 15, K::Amount},
    {"RS5IST1", 90, 15, K::Amount},  {"RS5IST2", 105, 15, K::Amount},
    {"RS5INET", 120, 15, K::Amount}, {"RS5REZE", 135, 115, K::Reserved},
    {"RS5TIPS", 250, 1, K::Type},
};

// Type 7, "ZAKLJUČNI SLOG JEDNOG OBRASCA": end of one form.
constexpr RecordField kFormClosing[] = {
    {"RS7MBOO", 1, 12, K::Digits}, {"RS7MBGO", 13, 13, K::Digits},
    {"RS7RBSU", 26, 4, K::Text},   {"RS7BRSL", 30, 5, K::Digits},
    {"RS7DTRS", 35, 8, K::Date},   {"RS7REZE", 43, 207, K::Reserved},
    {"RS7TIPS", 250, 1, K::Type},
};

// Type 9, "ZAKLJUČNI SLOG FORMATA": end of the file.
constexpr RecordField kFileClosing[] = {
    {"RS9MBOO", 1, 12, K::Digits},    {"RS9MBGO", 13, 13, K::Digits},
    {"RS9DTMN", 26, 8, K::Date},      {"RS9BROJ", 34, 6, K::Digits},
    {"RS9REZE", 40, 82, K::Reserved}, {"RS9DIGP", 122, 128, K::Reserved},
    {"RS9TIPS", 250, 1, K::Type},
};

constexpr std::array<RecordLayout, 5> kLayouts = {{
    {'0', kSender},
    {'3', kFormHeader},
    {'5', kRow},
    {'7', kFormClosing},
    {'9', kFileClosing},
}};

}  // namespace

std::string_view RecordField::cut(std::string_view line) const {
  const auto start = static_cast<std::size_t>(position - 1);
  if (start >= line.size()) return {};
  return line.substr(start, static_cast<std::size_t>(width));
}

const RecordField* RecordLayout::fieldByCode(std::string_view code) const {
  for (const auto& f : fields)
    if (f.code == code) return &f;
  return nullptr;
}

std::span<const RecordLayout> recordLayouts() {
  return kLayouts;
}

const RecordLayout* findRecordLayout(char type) {
  for (const auto& l : kLayouts)
    if (l.type == type) return &l;
  return nullptr;
}

const RecordLayout& recordLayout(char type) {
  if (const auto* l = findRecordLayout(type)) return *l;
  throw std::out_of_range("no submission record of type '" + std::string(1, type) + "'");
}

const RecordField* fieldByCode(std::string_view code) {
  // The third character of every code is its record type: "RS5IBRT".
  if (code.size() < 3) return nullptr;
  const auto* layout = findRecordLayout(code[2]);
  return layout ? layout->fieldByCode(code) : nullptr;
}

}  // namespace obrazac::submission
