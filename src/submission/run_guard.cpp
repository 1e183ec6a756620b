#include "submission/run_guard.h"

#include <unistd.h>

#include "data/file_replace.h"
#include "data/store_error.h"
#include "submission/output_files.h"

namespace obrazac::submission {
namespace fs = std::filesystem;

namespace {

// Held while a run works in the folder; every run also writes the collective work file.
constexpr const char* kRunLock = "TBVELOR.OBRADA";
constexpr const char* kRunTable = "TBVELOR";
// Room for the output file and the work files besides the kept copies.
constexpr std::uintmax_t kMargin = 1 << 20;

}  // namespace

RunGuard::RunGuard(Context& ctx, RunReporter& reporter)
    : ctx_(ctx), reporter_(reporter), swap_(ctx.workDir()) {}

RunGuard::~RunGuard() {
  if (!begun_) return;
  // No statement of the run may stand in the way of the restore; the tables open again after.
  std::vector<Table*> reopen;
  for (const auto& prefix : kept_) {
    Table& t = ctx_.table(prefix);
    if (t.isOpen()) reopen.push_back(&t);
    t.close();
  }
  if (const std::string why = swap_.undo(); !why.empty())
    reporter_.message("Greška kod vraćanja podataka " + why);
  std::error_code ec;
  for (Table* t : reopen)
    if (fs::exists(t->file(), ec)) t->open();
}

bool RunGuard::refuse(int code, const std::string& what) {
  refusal_ = Status::store(code, what);
  reporter_.message(refusal_.text());
  return false;
}

bool RunGuard::checkOutputFolder(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec))
    return refuse(err::kPathNotFound, "izlazna mapa " + folder.string() + " ne postoji");
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    return refuse(err::kAccessDenied, "u izlaznu mapu " + folder.string() + " nije moguće pisati");
  return true;
}

bool RunGuard::checkRoom(const fs::path& folder, std::uintmax_t needed) {
  std::error_code ec;
  const fs::space_info space = fs::space(folder, ec);
  if (ec || space.available >= needed) return true;
  return refuse(err::kFileSystemError,
                "na disku mape " + folder.string() + " nema dovoljno mjesta");
}

bool RunGuard::begin(std::initializer_list<const char*> changedTables, const fs::path& output) {
  const fs::path workDir = ctx_.workDir();
  const fs::path outputFolder = output.has_filename() ? output : output.parent_path();
  if (const int rc = runLock_.acquire(workDir / kRunLock, AccessMode::DenyAll))
    return refuse(rc, std::string("tablicu ") + kRunTable + " drži druga obrada");
  if (!checkOutputFolder(outputFolder)) return false;
  std::uintmax_t keptSize = 0;
  std::error_code ec;
  for (const char* prefix : changedTables) {
    const auto size = fs::file_size(ctx_.table(prefix).file(), ec);
    if (!ec) keptSize += size;
  }
  if (!checkRoom(workDir, 2 * keptSize + kMargin) || !checkRoom(outputFolder, kMargin))
    return false;

  if (const std::string why = swap_.create(); !why.empty())
    return refuse(err::kFileSystemError, why);
  begun_ = true;
  for (const char* prefix : changedTables) {
    kept_.emplace_back(prefix);
    if (const std::string why = swap_.keep(ctx_.table(prefix).file()); !why.empty())
      return refuse(err::kFileSystemError, why);
  }
  return true;
}

std::string RunGuard::produce(const fs::path& made, const fs::path& output) {
  const fs::path beside = swap_.besideOf(output);
  if (std::string why = swap_.place(beside, output); !why.empty()) return why;
  return copyToNewFile(made, beside);
}

std::string RunGuard::archive(ArchiveEntry entry, const fs::path& made) {
  for (const char* prefix : {"ARH", "ARO"}) {
    Table& t = ctx_.table(prefix);
    t.close();
    if (const std::string why = swap_.keep(t.file()); !why.empty()) return why;
    kept_.emplace_back(prefix);
  }
  const SystemClock clock;
  if (std::string why = addArchiveEntry(ctx_, entry, made, clock); !why.empty()) return why;
  const fs::path copy = archivedCopyOf(ctx_.workDir(), entry);
  std::error_code ec;
  fs::create_directories(copy.parent_path(), ec);
  if (ec) return copy.parent_path().string() + ": " + ec.message();
  const fs::path beside = swap_.besideOf(copy);
  if (std::string why = swap_.place(beside, copy); !why.empty()) return why;
  return copyToNewFile(made, beside);
}

std::string RunGuard::commit() {
  begun_ = false;  // a failed commit has undone the run, or its journal finishes it later
  std::string why = swap_.commit();
  runLock_.release();
  return why;
}

}  // namespace obrazac::submission
