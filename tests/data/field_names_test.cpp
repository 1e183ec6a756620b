// Every table, field and key name that the code writes as a literal is one the data dictionary
// declares: a misspelt name would otherwise surface only when its line of code runs. The test
// reads the sources and resolves the literals passed to the accessors of tables, records and
// keys, and every prefixed label ("POS:NAZIV").
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "data/dictionary.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

enum class NameKind { Table, Field, Key, Label };

// An accessor whose argument is a name: the function and, where a plain argument (a record, a
// control number) comes first, that one too.
struct NameUse {
  NameKind kind;
  std::regex pattern;  // the name is the last capture group
};

const std::vector<NameUse>& nameUses() {
  // A literal followed by '+' is the start of a name made at run time ("IZNOS" + item).
  static const std::string name = "\"([A-Z][A-Z0-9_]*(?::[A-Z][A-Z0-9_]*)?)\"(?!\\s*\\+)";
  static const std::string leadingArgument = "(?:[A-Za-z_][A-Za-z0-9_.>-]*, )?";
  static const std::vector<NameUse> uses = {
      {NameKind::Table, std::regex(R"(\btable\()" + name)},
      {NameKind::Table, std::regex(R"(\bRecordManager \w+\(\w+, )" + name)},
      {NameKind::Field,
       std::regex(
           R"(\b(?:index|fieldIndex|display|field|text|number|amount|clipped|checkDay|entry)\()" +
           leadingArgument + name)},
      {NameKind::Key, std::regex(R"(\b(?:set|setLast|get|keyIndex|exists)\()" + name)},
      {NameKind::Label, std::regex("\"([A-Z][A-Z0-9]*:[A-Z][A-Z0-9_]*)\"(?!\\s*\\+)")},
  };
  return uses;
}

bool hasField(const TableDecl& t, std::string_view name) {
  return t.findField(name) >= 0;
}
bool hasKey(const TableDecl& t, std::string_view name) {
  return t.findKey(name) >= 0;
}

// A bare name resolves in some table; a prefixed one in the table of its prefix.
bool resolves(NameKind kind, const std::string& text) {
  const auto colon = text.find(':');
  if (kind == NameKind::Table) return tableByPrefix(text) != nullptr;
  if (colon != std::string::npos) {
    const std::string prefix = text.substr(0, colon);
    if (prefix == "GLO") return true;  // process-wide variables, not a table
    const TableDecl* t = tableByPrefix(prefix);
    if (t == nullptr) return false;
    return kind == NameKind::Key     ? hasKey(*t, text)
           : kind == NameKind::Field ? hasField(*t, text)
                                     : hasField(*t, text) || hasKey(*t, text);
  }
  for (const TableDecl& t : allTables())
    if (kind == NameKind::Key ? hasKey(t, text) : hasField(t, text)) return true;
  return false;
}

std::string_view kindName(NameKind kind) {
  switch (kind) {
    case NameKind::Table:
      return "table";
    case NameKind::Field:
      return "field";
    case NameKind::Key:
      return "key";
    case NameKind::Label:
      return "label";
  }
  return "";
}

// The sources that use names; the dictionary's own declarations are where names come from.
std::vector<fs::path> sourceFiles() {
  const fs::path root = fs::path(OBRAZAC_DATA_DIR).parent_path() / "src";
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const fs::path& p = entry.path();
    if (p.extension() != ".cpp" && p.extension() != ".h") continue;
    if (p.filename().string().starts_with("dictionary")) continue;
    files.push_back(p);
  }
  return files;
}

std::string withoutComment(const std::string& line) {
  const auto comment = line.find("//");
  return comment == std::string::npos ? line : line.substr(0, comment);
}

struct Scan {
  std::size_t names = 0;
  std::vector<std::string> unresolved;  // "file:line: field JMBGG"
};

void scan(const fs::path& file, Scan& out) {
  std::ifstream in(file);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string code = withoutComment(line);
    if (code.find('"') == std::string::npos) continue;
    for (const NameUse& use : nameUses()) {
      for (std::sregex_iterator m(code.begin(), code.end(), use.pattern), end; m != end; ++m) {
        const std::string text = (*m)[m->size() - 1].str();
        ++out.names;
        if (!resolves(use.kind, text))
          out.unresolved.push_back(file.string() + ":" + std::to_string(number) + ": " +
                                   std::string(kindName(use.kind)) + " " + text);
      }
    }
  }
}

TEST(FieldNames, EveryNameTheCodeWritesIsDeclared) {
  Scan s;
  for (const fs::path& file : sourceFiles()) scan(file, s);
  ASSERT_GT(s.names, 300u) << "the sources were not found or the accessors were renamed";
  std::string report;
  for (const auto& u : s.unresolved) report += u + "\n";
  EXPECT_TRUE(s.unresolved.empty()) << "names the data dictionary does not declare:\n" << report;
}

}  // namespace
}  // namespace obrazac
