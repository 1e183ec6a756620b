// obrazac-cli init: a working folder with every keyed table of the data dictionary, empty; with
// --demo, filled with the sample installation (code lists, control table, municipalities,
// parameters and three sample obligors with their employees). With --store URI the tables are
// made in a database on a PostgreSQL server and the folder keeps the URI in its settings; with
// --join the folder becomes another station of an installation already on that server.
#include <optional>
#include <ostream>

#include "cli/command.h"
#include "codelists/municipality_list.h"
#include "data/context.h"
#include "data/dictionary.h"
#include "data/field_value.h"
#include "data/pg_connection.h"
#include "data/status.h"
#include "data/store_location.h"
#include "sample/sample_installation.h"

namespace obrazac::cli {
namespace {

struct InitOptions {
  bool demo = false;
  bool join = false;
  StoreLocation store;
};

InitOptions parseInit(const Invocation& inv) {
  InitOptions o;
  for (std::size_t i = 0; i < inv.args.size(); ++i) {
    const std::string& w = inv.args[i];
    if (w == "--demo") {
      o.demo = true;
    } else if (w == "--join") {
      o.join = true;
    } else if (w == "--store") {
      o.store.uri = requireArg(inv, ++i, "URI baze iza --store");
      if (!isServerUri(o.store.uri))
        throw UsageError("--store traži URI baze na poslužitelju (postgresql://...), a ne '" +
                         pg::withoutPassword(o.store.uri) + "'");
    } else {
      throw UsageError("nepoznata opcija '" + w + "'");
    }
  }
  if (o.join && o.store.embedded()) throw UsageError("--join traži --store URI");
  if (o.join && o.demo) throw UsageError("--join i --demo ne idu zajedno");
  return o;
}

// Whether the server's tables already hold an installation (its obligors' table has records);
// nullopt with the reason when the server cannot be asked.
std::optional<bool> serverHasInstallation(Context& ctx, std::string& why) {
  if (!ctx.server(why)) return std::nullopt;
  Table& pos = ctx.table("POS");
  const int rc = pos.open(AccessMode::ReadOnly);
  if (rc == err::kFileNotFound) return false;
  if (rc != err::kOk) {
    why = Status::store(rc, pos.decl().file, pos.driverError()).text();
    return std::nullopt;
  }
  const bool has = pos.records() > 0;
  pos.close();
  return has;
}

}  // namespace

int runInit(const Invocation& inv) {
  const InitOptions o = parseInit(inv);
  std::error_code ec;
  // The parameters hold the working folder in Windows-1250: a name with a character outside it
  // could not be written back, and every later run would take the folder for another one.
  if (o.demo) {
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
  Context ctx(inv.workDir, o.store);
  if (!o.store.embedded()) {
    std::string why;
    const auto has = serverHasInstallation(ctx, why);
    if (!has) {
      inv.err << "Greška: " << why << "\n";
      return 1;
    }
    if (*has && !o.join) {
      inv.err << "Na poslužitelju je već instalacija (" << describeStore(o.store, {})
              << "). Drugu stanicu te instalacije napravite naredbom init --join --store URI.\n";
      return 1;
    }
    if (!*has && o.join) {
      inv.err << "Na poslužitelju još nema instalacije (" << describeStore(o.store, {})
              << "); prvu stanicu napravite naredbom init --store URI.\n";
      return 1;
    }
  }
  if (o.demo) {
    const auto s = buildSampleInstallation(ctx, findMunicipalityList(programDir()));
    if (!s.status.ok()) {
      inv.err << "Greška: " << s.status.text() << "\n";
      return 1;
    }
    inv.out << "Ogledna instalacija (PRIMJER) u " << inv.workDir.string() << ": "
            << s.municipalities << " općina i gradova, " << s.obligors << " obveznika, "
            << s.employees << " osiguranika, " << s.monthlyRows << " mjesečnih redaka za "
            << kSampleMonth << "/" << kSampleYear << ".\n";
  } else {
    if (const Status made = createInstallationTables(ctx); !made.ok()) {
      inv.err << made.text() << "\n";
      return 1;
    }
    int created = 0;
    for (const auto& decl : allTables())
      if (decl.kind == TableKind::Keyed && decl.create) ++created;
    inv.out << "Radna mapa " << inv.workDir.string() << " ima sve tablice (" << created
            << " deklaracija).\n";
  }
  if (o.store.embedded()) return 0;
  ctx.closeAll();
  if (const std::string why = writeStoreLocation(inv.workDir, o.store); !why.empty()) {
    inv.err << "Greška: postavka spremišta nije zapisana (" << why << ")\n";
    return 1;
  }
  inv.out << (o.join ? "Nova stanica instalacije; tablice: " : "Tablice: ")
          << describeStore(o.store, inv.workDir) << "\n";
  return 0;
}

}  // namespace obrazac::cli
