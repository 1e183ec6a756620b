#include "data/field_value.h"

#include <cstdio>

#include "data/codepage.h"

namespace obrazac {
namespace {

bool isControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

std::string codePointText(char32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
  return buf;
}

// The name people know a control character by, where it has a short one.
std::string_view controlName(char32_t c) {
  switch (c) {
    case 0x00:
      return "NUL";
    case 0x09:
      return "TAB";
    case 0x0A:
      return "LF";
    case 0x0D:
      return "CR";
    case 0x1A:
      return "EOF (Ctrl-Z)";
    case 0x1B:
      return "ESC";
    case 0x7F:
      return "DEL";
    default:
      return {};
  }
}

std::string controlText(char32_t c) {
  const std::string_view name = controlName(c);
  if (name.empty()) return "nedopušten kontrolni znak (" + codePointText(c) + ")";
  return "nedopušten znak " + std::string(name) + " (" + codePointText(c) + ")";
}

std::string withField(std::string_view field, const std::string& problem) {
  return "Polje " + std::string(field) + ": " + problem;
}

}  // namespace

std::optional<std::string> unfitCharacter(std::string_view utf8) {
  while (!utf8.empty()) {
    char32_t c = kNoCodePoint;
    const std::size_t taken = nextCodePoint(utf8, c);
    if (c == kNoCodePoint) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "0x%02X", static_cast<unsigned char>(utf8.front()));
      return std::string("neispravan UTF-8 zapis (bajt ") + buf + ")";
    }
    if (isControl(c)) return controlText(c);
    if (cp1250ByteOf(c) < 0)
      return "nedopušten znak '" + std::string(utf8.substr(0, taken)) + "' (" + codePointText(c) +
             "), nema ga u kodnoj stranici Windows-1250";
    utf8.remove_prefix(taken);
  }
  return std::nullopt;
}

std::size_t firstUnfitByte(std::string_view cp1250) {
  for (std::size_t i = 0; i < cp1250.size(); ++i)
    if (isControl(codePointOfCp1250(static_cast<unsigned char>(cp1250[i])))) return i;
  return std::string_view::npos;
}

std::optional<std::string> unfitByte(std::string_view cp1250) {
  const std::size_t at = firstUnfitByte(cp1250);
  if (at == std::string_view::npos) return std::nullopt;
  return controlText(codePointOfCp1250(static_cast<unsigned char>(cp1250[at])));
}

std::optional<std::string> valueError(std::string_view value, int width) {
  if (auto unfit = unfitCharacter(value)) return unfit;
  // Every character that fits is one byte of the field.
  const std::size_t length = cp1250FromUtf8(value).size();
  if (width > 0 && length > static_cast<std::size_t>(width))
    return "predugačka vrijednost (duljina " + std::to_string(length) + ", najviše " +
           std::to_string(width) + ")";
  return std::nullopt;
}

std::optional<std::string> fieldValueError(std::string_view field, std::string_view value,
                                           int width) {
  if (const auto error = valueError(value, width)) return withField(field, *error);
  return std::nullopt;
}

std::optional<std::string> fieldBytesError(std::string_view field, std::string_view value) {
  if (const auto unfit = unfitByte(value)) return withField(field, *unfit);
  return std::nullopt;
}

std::optional<std::string> recordBytesError(const Record& record) {
  for (int i = 0; i < record.fieldCount(); ++i) {
    if (!isTextField(record.field(i))) continue;
    if (const auto unfit = unfitByte(record.text(i)))
      return withField(record.decl().prefix + ":" + record.field(i).name, *unfit);
  }
  return std::nullopt;
}

}  // namespace obrazac
