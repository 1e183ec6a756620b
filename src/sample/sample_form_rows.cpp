#include "sample/sample_form_rows.h"

#include <string>

#include "data/decimal.h"
#include "sample/sample_installation.h"

namespace obrazac {

int addSampleFormRows(Context& ctx, std::string_view link, std::string_view identifier, int count) {
  Table& t = ctx.table("OSI");
  const bool opened = !t.isOpen();
  if (opened)
    if (const int rc = t.open()) return rc;
  int rc = t.begin();
  for (int i = 0; rc == 0 && i < count; ++i) {
    Record& r = t.record();
    r.clear();
    const auto text = [&r](const char* field, std::string_view value) {
      r.setText(r.index(field), value);
    };
    text("JMBG", std::to_string(10000000000LL + i));
    text("PREZIME", "UZORAK " + std::to_string(i + 1));
    text("OPCINA", "1333");
    text("OSNOVA1", "01");
    text("IDENTIFIKATOR", identifier);
    text("KONVEZA", link);
    r.setInteger(r.index("OBRRAZD1"), 1);
    r.setInteger(r.index("OBRRAZD2"), 30);
    r.setInteger(r.index("GODOBRA"), kSampleYear);
    r.setInteger(r.index("OBRMJE"), kSampleMonth);
    r.setDecimal(r.index("IZNOS7"), *Decimal::parse(std::to_string(1000 + i % 5000) + ".00"));
    rc = t.add();
  }
  rc = rc == 0 ? t.commit() : (t.rollback(), rc);
  if (opened) t.close();
  return rc;
}

}  // namespace obrazac
