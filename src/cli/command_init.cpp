// obrazac-cli init: a working folder with every keyed table of the data dictionary, empty.
#include <ostream>

#include "cli/command.h"
#include "data/context.h"
#include "data/dictionary.h"

namespace obrazac::cli {

int runInit(const Invocation& inv) {
  requireArgCount(inv, 0, 0);
  std::error_code ec;
  std::filesystem::create_directories(inv.workDir, ec);
  if (ec) {
    inv.err << "Greška: mapu " << inv.workDir.string() << " nije moguće napraviti (" << ec.message()
            << ")\n";
    return 1;
  }
  Context ctx(inv.workDir);
  int created = 0;
  for (const auto& decl : allTables()) {
    if (decl.kind != TableKind::Keyed || !decl.create) continue;
    Table& t = ctx.table(decl.prefix);
    if (const int rc = t.create()) {
      inv.err << "Greška " << rc << ": " << storeErrorText(rc) << " (" << decl.file << ")\n";
      return 1;
    }
    ++created;
  }
  inv.out << "Radna mapa " << inv.workDir.string() << " ima sve tablice (" << created
          << " deklaracija).\n";
  return 0;
}

}  // namespace obrazac::cli
