#include "register/obligor_lookup.h"

#include <string>

#include "data/store_error.h"

namespace obrazac {

Status readObligor(Context& ctx, int employer) {
  Table& pos = ctx.table("POS");
  const std::string obligor = "obveznik " + std::to_string(employer);
  if (const int rc = pos.isOpen() ? 0 : pos.open(); rc != 0 && rc != err::kFileAlreadyOpen)
    return Status::store(rc, obligor + " (TBPOSLOD.DAT)");
  Record& r = pos.record();
  r.clear();
  r.setInteger(r.index("REDBROJ"), employer);
  if (const int rc = pos.get("KEYREDBROJ"))
    return Status::store(
        rc, rc == err::kRecordNotFound ? obligor + " ne postoji" : obligor + " (TBPOSLOD.DAT)");
  return {};
}

}  // namespace obrazac
