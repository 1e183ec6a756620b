#include "app/application_parameters.h"

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/record_manager.h"

namespace obrazac {

void fillParameterDefaults(Record& apl) {
  apl.clear();
  apl.setInteger(apl.index("RB"), 1);
  apl.setText(apl.index("NAZIV"), cp1250("Knjigovodstveni servis"));
  apl.setText(apl.index("ADRESA"), cp1250("NN ulica bb, 10000 Zagreb"));
  apl.setText(apl.index("KONOSO"), cp1250("Elvik"));
  apl.setText(apl.index("NAZSJED"), cp1250("ZAGREB"));
  apl.setText(apl.index("SIFSJED"), cp1250("1333"));
}

int ensureParameterRecord(Context& ctx) {
  RecordManager m(ctx, "APL");
  if (const int rc = m.open()) return rc;
  Record& apl = m.record();
  apl.clear();
  apl.setInteger(apl.index("RB"), 1);
  if (m.table().get("KEYRB") == 0) return 0;
  fillParameterDefaults(apl);
  if (!m.insert().ok()) return m.table().error() ? m.table().error() : err::kFileSystemError;
  apl.clear();
  apl.setInteger(apl.index("RB"), 1);
  return m.table().get("KEYRB");
}

int readParameters(Context& ctx) {
  Table& t = ctx.table("APL");
  if (const int rc = t.open(); rc != 0 && rc != err::kFileAlreadyOpen) return rc;
  t.setPhysical();
  return t.next();
}

bool authorisedPersonMissing(const Record& apl) {
  return apl.text(apl.index("JMBG")) == "1111111111111";
}

}  // namespace obrazac
