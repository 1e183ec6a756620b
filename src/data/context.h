// A context is the stand-in for a procedure thread: it owns one Table (record buffer, position,
// open state) per declared table it touches, all resolved against one working folder. Two
// contexts never share a buffer; they meet only in the files, or in the server's tables.
//
// The keyed tables live where the working folder's store setting says (store_location.h): in
// its SQLite files, or on a PostgreSQL server, where the context's tables share one connection
// (made when the first of them opens) and so one transaction. Text-file tables always stay in
// the working folder.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "data/store_location.h"
#include "data/table.h"

namespace obrazac {

namespace pg {
class Connection;
}

class Context {
 public:
  // The tables of the working folder's own store.
  explicit Context(std::filesystem::path workDir);
  Context(std::filesystem::path workDir, StoreLocation store);
  ~Context();
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  const std::filesystem::path& workDir() const { return workDir_; }
  const StoreLocation& store() const { return store_; }

  // The connection to the server store, made on first use; null with the reason in `why` when
  // the server cannot be reached or refuses the login.
  pg::Connection* server(std::string& why);

  // The table declared under this prefix ("POS", "RAD1"); throws std::invalid_argument for a
  // prefix the dictionary does not declare (a programming error, not a user's).
  Table& table(std::string_view prefix);
  Table& table(const TableDecl& decl) { return table(decl.prefix); }

  void closeAll();

 private:
  std::filesystem::path workDir_;
  StoreLocation store_;
  std::unique_ptr<pg::Connection> server_;  // outlives the tables, which close first
  std::map<std::string, std::unique_ptr<Table>, std::less<>> tables_;
};

// Where a declared file lies: names without a folder in the working folder; the two names with
// the fixed folder "C:\" (TEXTSIF.TXT, TEKSTDAT.TXT) also in the working folder, since a drive
// C: does not exist here.
std::filesystem::path tablePath(const std::filesystem::path& workDir, const TableDecl& decl);

}  // namespace obrazac
