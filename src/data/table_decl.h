// Declarations of the data dictionary: every table once, with its file, prefix, fields, keys,
// field rules and relations. The storage schema, record buffers, key maintenance and the CLI's
// table command are all derived from these declarations; nothing else names a column.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace obrazac {

enum class FieldType { String, Short, Long, Decimal, Date, Memo };

struct FieldDecl {
  std::string name;  // without prefix: "NAZIV"
  FieldType type;
  int size = 0;    // STRING and MEMO: bytes; DECIMAL: digits
  int places = 0;  // DECIMAL: digits after the point
};

struct KeyDecl {
  std::string name;                     // without prefix: "KEYNAZIV"
  std::vector<std::string> components;  // field names in key order, all ascending
  bool unique = false;                  // false: DUP, ties in insertion order
  bool primary = false;
  bool nocase = false;
  bool opt = true;          // all components blank/zero: left out of the key
  bool autoNumber = false;  // last component numbered highest + 1 on insert
  // A unique key of one whole-number field that is the row's own number in the file: the store
  // keeps it as the row identifier, with no index of its own, so a large work table loads fast.
  // The file's physical order is then this key's order, and a zero takes the next free number.
  bool rowNumber = false;
  std::string description;  // shown in the duplicate-key message (Windows-1250)
};

// A field whose value must lie in a range when a form validates the record.
struct FieldRule {
  std::string field;
  std::int64_t low = 0;
  std::int64_t high = 0;
  std::string label;  // how the message names the field (Windows-1250): "Obračunska godina"
};

enum class TableKind { Keyed, Text };

struct TableDecl {
  std::string file;    // "TBPOSLOD.DAT"; "C:\\TEXTSIF.TXT" for the two fixed-folder files
  std::string prefix;  // "POS"
  TableKind kind = TableKind::Keyed;
  bool create = true;  // a missing file is created empty on open; without it: error 2
  bool oem = false;    // text held in the OEM code page on disk (only text files convert)
  std::vector<FieldDecl> fields;
  std::vector<KeyDecl> keys;
  std::vector<FieldRule> rules;

  // A field or key by its name, with or without the prefix. A name the declaration lacks is a
  // fault of the code that wrote it: these throw std::logic_error naming the table and the name.
  int fieldIndex(std::string_view name) const;
  int keyIndex(std::string_view name) const;
  // The same for names that come from outside (a command line, a script): -1 if none.
  int findField(std::string_view name) const;
  int findKey(std::string_view name) const;
  int recordSize() const;  // bytes of the fixed record
};

enum class DeleteRule { None = 0, Clear = 1, Restrict = 2, Cascade = 3 };

struct RelationDecl {
  std::string parent;  // prefix of the parent table
  std::string child;   // prefix of the child table
  std::string childKey;
  std::vector<std::pair<std::string, std::string>> links;  // parent field = child field
  DeleteRule onDelete = DeleteRule::None;
};

// Bytes a field takes in the fixed record (DECIMAL d.p: (d + 1) / 2; DATE and LONG: 4).
int fieldBytes(const FieldDecl& f);

}  // namespace obrazac
