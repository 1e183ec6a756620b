// The record buffer of one table in one context: every field of the declaration, STRING fields
// as exactly n bytes of Windows-1250 (blank padded), numbers and dates as integers, DECIMAL as an
// integer count of its last place. Clearing sets text to blanks and numbers to zero.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/decimal.h"
#include "data/table_decl.h"

namespace obrazac {

class Record {
 public:
  explicit Record(const TableDecl& decl);

  const TableDecl& decl() const { return *decl_; }
  void clear();
  bool operator==(const Record& other) const;

  // Field index by name, with or without the prefix ("POS:NAZIV", "NAZIV"); a name the table
  // lacks throws std::logic_error. find() is the probe for names from outside: -1 if none.
  int index(std::string_view name) const { return decl_->fieldIndex(name); }
  int find(std::string_view name) const { return decl_->findField(name); }
  const FieldDecl& field(int i) const { return decl_->fields[static_cast<std::size_t>(i)]; }
  int fieldCount() const { return static_cast<int>(decl_->fields.size()); }

  // STRING and MEMO fields: Windows-1250 bytes. Setting pads with blanks or cuts to the width.
  const std::string& text(int i) const { return texts_[slot(i)]; }
  void setText(int i, std::string_view cp1250);
  // The same from UTF-8 (as SQLite columns hold text), converted straight into the field.
  void setTextFromUtf8(int i, std::string_view utf8);

  // SHORT, LONG and DATE fields (SHORT and LONG wrap to their width like the stored integer).
  std::int64_t integer(int i) const { return numbers_[slot(i)]; }
  void setInteger(int i, std::int64_t value);

  // DECIMAL fields: the value is rounded half away from zero to the field's places.
  Decimal decimal(int i) const;
  void setDecimal(int i, const Decimal& value);
  std::int64_t units(int i) const { return numbers_[slot(i)]; }  // DECIMAL in its last place
  void setUnits(int i, std::int64_t units) { numbers_[slot(i)] = units; }

  // Text of a field for people and scripts (UTF-8), and assignment from such text.
  std::string display(int i) const;
  // Returns an error text (UTF-8) when the text is not a value of the field's type.
  std::optional<std::string> assign(int i, std::string_view utf8);

  // Label-based access for scripts: "POS:NAZIV".
  std::string display(std::string_view name) const { return display(index(name)); }

 private:
  std::size_t slot(int i) const { return slots_[static_cast<std::size_t>(i)]; }
  void fitText(int i);  // cut to the field's width, STRING padded with blanks

  const TableDecl* decl_;
  std::vector<std::size_t> slots_;  // per field: index into texts_ or numbers_
  std::vector<std::string> texts_;
  std::vector<std::int64_t> numbers_;
};

bool isTextField(const FieldDecl& f);

}  // namespace obrazac
