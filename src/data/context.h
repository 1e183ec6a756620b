// A context is the stand-in for a procedure thread: it owns one Table (record buffer, position,
// open state) per declared table it touches, all resolved against one working folder. Two
// contexts never share a buffer; they meet only in the files.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "data/table.h"

namespace obrazac {

class Context {
 public:
  explicit Context(std::filesystem::path workDir);
  ~Context();
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  const std::filesystem::path& workDir() const { return workDir_; }

  // The table declared under this prefix ("POS", "RAD1"); throws std::invalid_argument for a
  // prefix the dictionary does not declare (a programming error, not a user's).
  Table& table(std::string_view prefix);
  Table& table(const TableDecl& decl) { return table(decl.prefix); }

  void closeAll();

 private:
  std::filesystem::path workDir_;
  std::map<std::string, std::unique_ptr<Table>, std::less<>> tables_;
};

// Where a declared file lies: names without a folder in the working folder; the two names with
// the fixed folder "C:\" (TEXTSIF.TXT, TEKSTDAT.TXT) also in the working folder, since a drive
// C: does not exist here.
std::filesystem::path tablePath(const std::filesystem::path& workDir, const TableDecl& decl);

}  // namespace obrazac
