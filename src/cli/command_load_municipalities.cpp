// obrazac-cli load-municipalities: the official list of municipalities and cities shipped with
// the program into TBOPCINE.DAT, all rows in one transaction. A table that already holds rows
// is left alone: loading the list again would only collide with the codes it has.
#include <ostream>

#include "cli/command.h"
#include "codelists/municipality_list.h"
#include "data/context.h"

namespace obrazac::cli {

int runLoadMunicipalities(const Invocation& inv) {
  requireArgCount(inv, 0, 0);
  Context ctx(inv.workDir);
  Table& t = ctx.table("OPC");
  if (const int rc = t.open()) {
    inv.err << "Greška: " << Status::store(rc, "TBOPCINE.DAT").text() << "\n";
    return 1;
  }
  if (const auto rows = t.records(); rows > 0) {
    inv.err << "Greška: tablica TBOPCINE.DAT nije prazna (" << rows
            << " redaka); popis se učitava samo u praznu tablicu.\n";
    return 1;
  }
  const auto csv = findMunicipalityList(programDir());
  if (csv.empty()) {
    inv.err << "Greška: nije pronađen popis općina (data/opcine.csv)\n";
    return 1;
  }
  const MunicipalityLoad load = loadMunicipalityList(ctx, csv);
  if (!load.status.ok()) {
    inv.err << "Greška: " << load.status.text() << "\n";
    return 1;
  }
  inv.out << "Učitano " << load.loaded << " općina i gradova u TBOPCINE.DAT.\n";
  return 0;
}

}  // namespace obrazac::cli
