#include "cli/input_findings_list.h"

#include <cstdio>
#include <ostream>

namespace obrazac::cli {

int forEachListedFinding(Context& ctx, const std::function<void(const ListedFinding&)>& visit) {
  Table& gre = ctx.table("GRE");
  if (!gre.isOpen())
    if (const int rc = gre.open(AccessMode::ReadOnly)) return rc;
  gre.clear();
  if (const int rc = gre.set("KEYREDBROJ")) return rc;
  const Record& r = gre.record();
  while (gre.next() == 0)
    visit({r.integer(r.index("RB")), r.display("JMBG"), r.display("PREZIME"), r.display("OPIS")});
  return gre.error() == err::kRecordNotAvailable ? 0 : gre.error();
}

void printInputCounts(std::ostream& out, int read, int accepted, int withErrors) {
  out << "Ukupno obrađeno redaka: " << read << "\n"
      << "Retci koji zadovoljavaju kontrolama: " << accepted << "\n"
      << "Podaci sa upozorenjima: " << withErrors << "\n";
}

void printListedFinding(std::ostream& out, const ListedFinding& f, bool first) {
  if (first) out << "\n   Rb MBG           Opis\n";
  char rb[16];
  std::snprintf(rb, sizeof rb, "%5lld", f.number);
  out << rb << " " << f.jmbg << std::string(f.jmbg.size() < 13 ? 13 - f.jmbg.size() : 0, ' ') << " "
      << f.text << "\n";
}

}  // namespace obrazac::cli
