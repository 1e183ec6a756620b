#include "frame/procedure_thread.h"

namespace obrazac {

RecordManager& ProcedureThread::manager(std::string_view prefix) {
  auto it = managers_.find(prefix);
  if (it == managers_.end())
    it = managers_.emplace(std::string(prefix), std::make_unique<RecordManager>(context_, prefix))
             .first;
  return *it->second;
}

int ProcedureThread::open(std::string_view prefix, AccessMode mode) {
  auto it = opens_.find(prefix);
  if (it != opens_.end() && it->second > 0) {
    ++it->second;
    return 0;
  }
  if (const int rc = manager(prefix).open(mode)) return rc;
  opens_[std::string(prefix)] = 1;
  return 0;
}

void ProcedureThread::close(std::string_view prefix) {
  auto it = opens_.find(prefix);
  if (it == opens_.end() || it->second == 0) return;
  if (--it->second == 0) context_.table(prefix).close();
}

Record& ProcedureThread::history(std::string_view procedure, std::string_view prefix) {
  std::string name = std::string(procedure) + "/" + std::string(prefix);
  auto it = histories_.find(name);
  if (it == histories_.end())
    it = histories_.emplace(name, Record(context_.table(prefix).decl())).first;
  return it->second;
}

bool ProcedureThread::hasHistory(std::string_view procedure, std::string_view prefix) const {
  return histories_.count(std::string(procedure) + "/" + std::string(prefix)) != 0;
}

}  // namespace obrazac
