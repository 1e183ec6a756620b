#include "data/context.h"

#include <stdexcept>

#include "data/dictionary.h"
#include "data/keyed_table.h"
#include "data/pg_connection.h"
#include "data/pg_table.h"
#include "data/text_table.h"

namespace obrazac {

std::filesystem::path tablePath(const std::filesystem::path& workDir, const TableDecl& decl) {
  std::string name = decl.file;
  const auto sep = name.find_last_of("\\/");
  if (sep != std::string::npos) name.erase(0, sep + 1);
  return workDir / name;
}

Context::Context(std::filesystem::path workDir) : workDir_(std::move(workDir)) {
  store_ = readStoreLocation(workDir_);
}

Context::Context(std::filesystem::path workDir, StoreLocation store)
    : workDir_(std::move(workDir)), store_(std::move(store)) {}

Context::~Context() {
  closeAll();
  tables_.clear();
}

pg::Connection* Context::server(std::string& why) {
  if (!server_) server_ = pg::Connection::open(store_.uri, why);
  return server_.get();
}

Table& Context::table(std::string_view prefix) {
  if (auto it = tables_.find(prefix); it != tables_.end()) return *it->second;
  const TableDecl* decl = tableByPrefix(prefix);
  if (!decl) throw std::invalid_argument("no table declared with prefix " + std::string(prefix));
  std::unique_ptr<Table> t;
  if (decl->kind == TableKind::Keyed && !store_.embedded() && !keptByStation(*decl))
    t = std::make_unique<PgTable>(*decl, tablePath(workDir_, *decl), *this);
  else if (decl->kind == TableKind::Keyed)
    t = std::make_unique<KeyedTable>(*decl, tablePath(workDir_, *decl));
  else
    t = std::make_unique<TextTable>(*decl, tablePath(workDir_, *decl));
  return *tables_.emplace(std::string(prefix), std::move(t)).first->second;
}

void Context::closeAll() {
  for (auto& [_, t] : tables_) t->close();
}

}  // namespace obrazac
