#include "data/record.h"

#include <algorithm>
#include <charconv>

#include "data/codepage.h"
#include "data/date.h"
#include "data/date_text.h"
#include "data/field_value.h"
#include "data/fixed_width.h"

namespace obrazac {

bool isTextField(const FieldDecl& f) {
  return f.type == FieldType::String || f.type == FieldType::Memo;
}

Record::Record(const TableDecl& decl) : decl_(&decl) {
  for (const auto& f : decl.fields) {
    if (isTextField(f)) {
      slots_.push_back(texts_.size());
      texts_.emplace_back(f.type == FieldType::String ? static_cast<std::size_t>(f.size) : 0, ' ');
    } else {
      slots_.push_back(numbers_.size());
      numbers_.push_back(0);
    }
  }
}

void Record::clear() {
  for (std::size_t i = 0; i < decl_->fields.size(); ++i) {
    const auto& f = decl_->fields[i];
    if (f.type == FieldType::String)
      texts_[slots_[i]].assign(static_cast<std::size_t>(f.size), ' ');
    else if (f.type == FieldType::Memo)
      texts_[slots_[i]].clear();
  }
  std::fill(numbers_.begin(), numbers_.end(), 0);
}

bool Record::operator==(const Record& other) const {
  return decl_ == other.decl_ && texts_ == other.texts_ && numbers_ == other.numbers_;
}

// Fields are assigned in place, so a buffer keeps its storage from record to record.
void Record::setText(int i, std::string_view cp1250) {
  texts_[slot(i)].assign(cp1250.substr(0, static_cast<std::size_t>(field(i).size)));
  fitText(i);
}

void Record::setTextFromUtf8(int i, std::string_view utf8) {
  auto& target = texts_[slot(i)];
  target.clear();
  appendCp1250FromUtf8(target, utf8);
  fitText(i);
}

void Record::fitText(int i) {
  const auto& f = field(i);
  auto& target = texts_[slot(i)];
  const auto width = static_cast<std::size_t>(f.size);
  if (f.type == FieldType::String || target.size() > width) target.resize(width, ' ');
}

void Record::setInteger(int i, std::int64_t value) {
  const auto& f = field(i);
  if (f.type == FieldType::Short)
    value = static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  else if (f.type == FieldType::Long || f.type == FieldType::Date)
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  numbers_[slot(i)] = value;
}

Decimal Record::decimal(int i) const {
  return Decimal::fromUnits(numbers_[slot(i)], field(i).places);
}

void Record::setDecimal(int i, const Decimal& value) {
  numbers_[slot(i)] = value.toUnits(field(i).places);
}

std::string Record::display(int i) const {
  const auto& f = field(i);
  switch (f.type) {
    case FieldType::String:
    case FieldType::Memo:
      return utf8FromCp1250(clipRight(text(i)));
    case FieldType::Decimal:
      return decimal(i).toString(f.places);
    case FieldType::Date:
      return dateText(Date(static_cast<std::int32_t>(integer(i))), DateForm::YearFirst);
    case FieldType::Short:
    case FieldType::Long:
      return std::to_string(integer(i));
  }
  return {};
}

std::optional<std::string> Record::assign(int i, std::string_view utf8) {
  const auto& f = field(i);
  const std::string label = decl_->prefix.empty() ? f.name : decl_->prefix + ":" + f.name;
  auto refuse = [&](const std::string& why) {
    return "Polje " + label + ": '" + std::string(utf8) + "' " + why;
  };
  switch (f.type) {
    case FieldType::String:
    case FieldType::Memo:
      if (auto error = fieldValueError(label, utf8, f.size)) return error;
      setTextFromUtf8(i, utf8);
      return std::nullopt;
    case FieldType::Decimal: {
      const auto d = Decimal::parse(utf8);
      if (!d) return refuse("nije broj");
      setDecimal(i, *d);
      return std::nullopt;
    }
    case FieldType::Date: {
      if (utf8.empty()) {
        setInteger(i, 0);
        return std::nullopt;
      }
      const auto date = readDate(utf8, DateForm::YearFirst);
      if (!date) return "Polje " + label + ": " + notADate(utf8, DateForm::YearFirst);
      setInteger(i, date->dayNumber());
      return std::nullopt;
    }
    case FieldType::Short:
    case FieldType::Long: {
      std::int64_t v = 0;
      const auto* end = utf8.data() + utf8.size();
      const auto r = std::from_chars(utf8.data(), end, v);
      if (utf8.empty() || r.ec != std::errc() || r.ptr != end) return refuse("nije cijeli broj");
      setInteger(i, v);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace obrazac
