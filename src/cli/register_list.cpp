#include "cli/register_list.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "cli/escaping.h"

namespace obrazac::cli {
namespace {

std::string valueOf(const Record& r, const RegisterOption& o) {
  return r.display(r.index(o.field));
}

// Characters of UTF-8 text: every byte that does not continue a character.
std::size_t characters(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

void writeText(std::ostream& out, std::span<const RegisterOption> options,
               const std::vector<Record>& rows) {
  std::vector<const RegisterOption*> columns;
  for (const auto& o : options)
    if (!o.header.empty()) columns.push_back(&o);
  std::vector<std::size_t> widths;
  for (const auto* c : columns) {
    std::size_t w = characters(c->header);
    for (const auto& r : rows) w = std::max(w, characters(valueOf(r, *c)));
    widths.push_back(w);
  }
  auto line = [&](auto cell) {
    std::string text;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const std::string value = cell(*columns[i]);
      const std::string pad(widths[i] - characters(value), ' ');
      if (i) text += "  ";
      text += columns[i]->kind == EntryKind::Text ? value + pad : pad + value;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << "\n";
  };
  line([](const RegisterOption& o) { return std::string(o.header); });
  for (const auto& r : rows) line([&r](const RegisterOption& o) { return valueOf(r, o); });
}

void writeCsv(std::ostream& out, std::span<const RegisterOption> options,
              const std::vector<Record>& rows) {
  auto line = [&](auto cell) {
    for (std::size_t i = 0; i < options.size(); ++i) out << (i ? "," : "") << cell(options[i]);
    out << "\n";
  };
  line([](const RegisterOption& o) { return std::string(o.name); });
  for (const auto& r : rows)
    line([&r](const RegisterOption& o) {
      return o.kind == EntryKind::Text ? csvField(valueOf(r, o)) : valueOf(r, o);
    });
}

void writeJson(std::ostream& out, std::span<const RegisterOption> options,
               const std::vector<Record>& rows) {
  out << "[";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out << (i ? ",\n " : "\n ") << "{";
    for (std::size_t k = 0; k < options.size(); ++k) {
      const RegisterOption& o = options[k];
      const std::string value = valueOf(rows[i], o);
      out << (k ? ", " : "") << jsonString(o.name) << ": "
          << (o.kind == EntryKind::Digits ? value : jsonString(value));
    }
    out << "}";
  }
  out << (rows.empty() ? "]\n" : "\n]\n");
}

}  // namespace

void writeRegisterList(std::ostream& out, OutputFormat format,
                       std::span<const RegisterOption> options, const std::vector<Record>& rows) {
  switch (format) {
    case OutputFormat::Text:
      return writeText(out, options, rows);
    case OutputFormat::Csv:
      return writeCsv(out, options, rows);
    case OutputFormat::Json:
      return writeJson(out, options, rows);
  }
}

}  // namespace obrazac::cli
