// obrazac-cli init: a working folder with every keyed table of the data dictionary, empty; with
// --demo, filled with the sample installation (code lists, control table, municipalities,
// parameters and three sample obligors with their employees).
#include <ostream>

#include "cli/command.h"
#include "codelists/municipality_list.h"
#include "data/context.h"
#include "data/dictionary.h"
#include "data/field_value.h"
#include "sample/sample_installation.h"

namespace obrazac::cli {

int runInit(const Invocation& inv) {
  requireArgCount(inv, 0, 1);
  const bool demo = !inv.args.empty();
  if (demo && inv.args[0] != "--demo") throw UsageError("nepoznata opcija '" + inv.args[0] + "'");
  std::error_code ec;
  // The parameters hold the working folder in Windows-1250: a name with a character outside it
  // could not be written back, and every later run would take the folder for another one.
  if (demo) {
    const std::string folder = std::filesystem::absolute(inv.workDir, ec).string();
    if (const auto unfit = unfitCharacter(folder)) {
      inv.err << "Greška: mapa " << folder << " ne može biti radna mapa: ime joj sadrži " << *unfit
              << ". Odaberite mapu čije ime ima samo znakove te kodne stranice.\n";
      return 1;
    }
  }
  std::filesystem::create_directories(inv.workDir, ec);
  if (ec) {
    inv.err << "Greška: mapu " << inv.workDir.string() << " nije moguće napraviti (" << ec.message()
            << ")\n";
    return 1;
  }
  Context ctx(inv.workDir);
  if (demo) {
    const auto s = buildSampleInstallation(ctx, findMunicipalityList(programDir()));
    if (!s.status.ok()) {
      inv.err << "Greška: " << s.status.text() << "\n";
      return 1;
    }
    inv.out << "Ogledna instalacija (PRIMJER) u " << inv.workDir.string() << ": "
            << s.municipalities << " općina i gradova, " << s.obligors << " obveznika, "
            << s.employees << " osiguranika, " << s.monthlyRows << " mjesečnih redaka za "
            << kSampleMonth << "/" << kSampleYear << ".\n";
    return 0;
  }
  if (const Status made = createInstallationTables(ctx); !made.ok()) {
    inv.err << made.text() << "\n";
    return 1;
  }
  int created = 0;
  for (const auto& decl : allTables())
    if (decl.kind == TableKind::Keyed && decl.create) ++created;
  inv.out << "Radna mapa " << inv.workDir.string() << " ima sve tablice (" << created
          << " deklaracija).\n";
  return 0;
}

}  // namespace obrazac::cli
