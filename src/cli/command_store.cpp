// obrazac-cli store: where the working folder's tables are (show, never with the password), and
// moving them between the embedded store and a PostgreSQL server, all or nothing.
#include <ostream>

#include "cli/command.h"
#include "data/store_location.h"
#include "data/store_move.h"

namespace obrazac::cli {

int runStore(const Invocation& inv) {
  const std::string& action = requireArg(inv, 0, "show ili move");
  const StoreLocation current = readStoreLocation(inv.workDir);
  if (action == "show") {
    requireArgCount(inv, 1, 1);
    inv.out << "Tablice: " << describeStore(current, inv.workDir) << "\n";
    return 0;
  }
  if (action != "move") throw UsageError("nepoznata radnja '" + action + "' (show ili move)");
  requireArgCount(inv, 3, 3);
  if (inv.args[1] != "--to") throw UsageError("move traži --to URI ili --to sqlite");
  StoreLocation to;
  if (inv.args[2] != "sqlite") {
    to.uri = inv.args[2];
    if (!isServerUri(to.uri))
      throw UsageError("--to traži sqlite ili URI baze na poslužitelju (postgresql://...)");
  }
  const StoreMove moved = moveStore(inv.workDir, to);
  if (!moved.status.ok()) {
    inv.err << "Tablice nisu premještene: " << moved.status.text() << "\n";
    return 1;
  }
  inv.out << "Premješteno " << moved.tables << " tablica (" << moved.records
          << " zapisa). Tablice: " << describeStore(to, inv.workDir) << "\n";
  if (!current.embedded() || to.embedded()) return 0;
  inv.out << "Dosadašnje datoteke tablica su u mapi " << kEmbeddedCopyFolder << ".\n";
  return 0;
}

}  // namespace obrazac::cli
