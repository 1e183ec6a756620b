#include "data/store_move.h"

#include <set>

#include "data/context.h"
#include "data/dictionary.h"
#include "data/folder_swap.h"
#include "data/pg_connection.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

// Each shared table file once (a file declared under two prefixes is copied by its first).
std::vector<const TableDecl*> sharedTables() {
  std::vector<const TableDecl*> out;
  std::set<std::string> files;
  for (const auto& decl : allTables())
    if (decl.kind == TableKind::Keyed && !keptByStation(decl) && files.insert(decl.file).second)
      out.push_back(&decl);
  return out;
}

Status storeFailure(const Table& t, int code) {
  return Status::store(code, t.decl().file, t.driverError());
}

// Copies every shared table of `from` into `to`, whose tables must be new or empty.
StoreMove copyTables(Context& from, Context& to) {
  StoreMove m;
  for (const TableDecl* decl : sharedTables()) {
    Table& src = from.table(*decl);
    int rc = src.open(AccessMode::DenyWrite);
    if (rc == err::kFileNotFound) continue;  // a table the installation never made
    if (rc) return {storeFailure(src, rc)};
    Table& dst = to.table(*decl);
    if ((rc = dst.open(AccessMode::DenyAll))) return {storeFailure(dst, rc)};
    if (dst.records() > 0)
      return {Status::refused(decl->file + " u odredišnom spremištu već ima zapisa")};
    src.setPhysical();
    while ((rc = src.next()) == err::kOk) {
      dst.record() = src.record();
      if ((rc = dst.append())) return {storeFailure(dst, rc)};
      ++m.records;
    }
    if (rc != err::kRecordNotAvailable) return {storeFailure(src, rc)};
    if ((rc = dst.build())) return {storeFailure(dst, rc)};
    ++m.tables;
  }
  return m;
}

// The embedded files of the moved tables go aside, kept as they were before the move.
std::string putEmbeddedFilesAside(const fs::path& workDir) {
  std::error_code ec;
  const fs::path aside = workDir / kEmbeddedCopyFolder;
  fs::create_directories(aside, ec);
  if (ec) return aside.string() + ": " + ec.message();
  for (const TableDecl* decl : sharedTables()) {
    const fs::path file = tablePath(workDir, *decl);
    if (!fs::exists(file, ec)) continue;
    fs::rename(file, aside / file.filename(), ec);
    if (ec) return file.string() + ": " + ec.message();
  }
  return {};
}

StoreMove toServer(const fs::path& workDir, const StoreLocation& to) {
  Context from(workDir, StoreLocation{});
  Context server(workDir, to);
  std::string why;
  pg::Connection* conn = server.server(why);
  if (!conn) return {Status::refused(why)};
  if (const int rc = conn->begin(why)) return {Status::store(rc, "BEGIN", why)};
  StoreMove m = copyTables(from, server);
  if (m.status.ok()) {
    server.closeAll();
    if (const int rc = conn->commit(why)) m.status = Status::store(rc, "COMMIT", why);
  }
  if (!m.status.ok()) {
    conn->rollback(why);
    return m;
  }
  from.closeAll();
  if (std::string failed = writeStoreLocation(workDir, to); !failed.empty())
    return {Status::refused("tablice su na poslužitelju, ali postavka nije zapisana: " + failed)};
  if (std::string failed = putEmbeddedFilesAside(workDir); !failed.empty())
    m.status = Status::refused("tablice su na poslužitelju; stare datoteke nisu premještene u " +
                               std::string(kEmbeddedCopyFolder) + ": " + failed);
  return m;
}

StoreMove toEmbedded(const fs::path& workDir, const StoreLocation& from) {
  for (const TableDecl* decl : sharedTables()) {
    std::error_code ec;
    if (fs::exists(tablePath(workDir, *decl), ec))
      return {Status::refused("u radnoj mapi već postoji " + decl->file +
                              "; premjestite je prije povratka tablica s poslužitelja")};
  }
  FolderSwap swap(workDir);
  if (std::string why = swap.create(); !why.empty()) return {Status::refused(why)};
  StoreMove m;
  {
    Context server(workDir, from);
    Context staged(swap.folder(), StoreLocation{});
    m = copyTables(server, staged);
  }
  if (!m.status.ok()) return m;
  for (const TableDecl* decl : sharedTables()) {
    std::error_code ec;
    const fs::path made = tablePath(swap.folder(), *decl);
    if (!fs::exists(made, ec)) continue;
    if (std::string why = swap.place(made, tablePath(workDir, *decl)); !why.empty())
      return {Status::refused(why)};
  }
  if (std::string why = swap.commit(); !why.empty()) return {Status::refused(why)};
  if (std::string why = writeStoreLocation(workDir, {}); !why.empty())
    return {Status::refused("tablice su u radnoj mapi, ali postavka nije obrisana: " + why)};
  return m;
}

}  // namespace

StoreMove moveStore(const fs::path& workDir, const StoreLocation& to) {
  const StoreLocation from = readStoreLocation(workDir);
  if (from == to) return {Status::refused("tablice su već u tom spremištu")};
  if (!from.embedded() && !to.embedded())
    return {Status::refused("s poslužitelja na poslužitelj: najprije --to sqlite")};
  return to.embedded() ? toEmbedded(workDir, from) : toServer(workDir, to);
}

}  // namespace obrazac
