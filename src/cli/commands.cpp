// The table of commands of obrazac-cli and the argument helpers they share.
#include "cli/command.h"

#include <array>

namespace obrazac::cli {

int runPicture(const Invocation&);
int runId(const Invocation&);
int runInit(const Invocation&);
int runTable(const Invocation&);
int runParams(const Invocation&);
int runExport(const Invocation&);
int runImport(const Invocation&);
int runTakeoverPrevious(const Invocation&);
int runSend(const Invocation&);
int runTakeover(const Invocation&);
int runCollect(const Invocation&);
int runHash(const Invocation&);
int runCheck(const Invocation&);
int runCheckInput(const Invocation&);

std::span<const Command> allCommands() {
  static const std::array commands{
      Command{"picture",
              "picture SLIKA VRIJEDNOST   vrijednost ispisana po slici (N10.2, D6., T1 ...)",
              runPicture},
      Command{"id", "id jmbg|mb|opcina|birthdate VRIJEDNOST   provjera kontrolne znamenke", runId},
      Command{"init",
              "init [--demo]   radna mapa sa svim tablicama, praznima; --demo: ogledna instalacija",
              runInit},
      Command{"table",
              "table DATOTEKA list [--key KLJUČ] [--from POLJE=VRIJEDNOST ...]\n"
              "  table DATOTEKA count\n"
              "  table DATOTEKA add POLJE=VRIJEDNOST ...\n"
              "  table DATOTEKA delete --key KLJUČ POLJE=VRIJEDNOST ...",
              runTable},
      Command{"params",
              "params [POLJE=VRIJEDNOST ...]   aplikacijski parametri: prikaz, ili promjena uz\n"
              "  provjere obrasca parametara",
              runParams},
      Command{"export", "export MAPA   sve datoteke tablica radne mape kopira u mapu", runExport},
      Command{"import",
              "import MAPA [--yes]   tablice radne mape zamijeni datotekama iz mape (pita DA/NE)",
              runImport},
      Command{"takeover-previous",
              "takeover-previous MAPA   preuzme poslodavce i zaposlene iz podataka prošle godine",
              runTakeoverPrevious},
      Command{"send",
              "send --employer N --type VOI --from D --to D [--year GGGG] [--month M]\n"
              "       [--paid GGGG-MM] [--date DD.MM.GGGG] [--form K] [--collective new|add]\n"
              "       obrada obveznika: datoteka za VELOR i njezin kontrolni broj",
              runSend},
      Command{"takeover",
              "takeover DATOTEKA --employer N --type VOI --from D --to D [--year GGGG]\n"
              "       [--month M] [--paid GGGG-MM] [--date DD.MM.GGGG] [--form K]\n"
              "       [--collective new|add]\n"
              "       obrada obveznika iz preuzetih podataka o uplatama: datoteka za VELOR",
              runTakeover},
      Command{"collect", "collect [--date DD.MM.GGGG]   zbirna datoteka VELOR.RM0 i njezin HASH",
              runCollect},
      Command{"hash", "hash DATOTEKA   kontrolni broj (SHA-1) bilo koje datoteke", runHash},
      Command{"check",
              "check DATOTEKA [--format text|csv|json]   formalna kontrola datoteke za VELOR;\n"
              "  greške i upozorenja, prijepis u TBIZLAZ2.TXT (izlaz 0: bez grešaka F, 1: s\n"
              "  greškama, 2: datoteka nije kontrolirana)",
              runCheck},
      Command{
          "check-input",
          "check-input DATOTEKA --employer N --type VOI --year GGGG --month M --from D --to D\n"
          "       [--format text|csv|json]   kontrola ulazne datoteke uplata: broj redaka\n"
          "       i popis grešaka (izlaz 0 bez grešaka, 1 ima odbijenih redaka, 2 nije izvršena)",
          runCheckInput},
  };
  return commands;
}

const std::string& requireArg(const Invocation& inv, std::size_t index, std::string_view what) {
  if (index >= inv.args.size()) throw UsageError("nedostaje " + std::string(what));
  return inv.args[index];
}

void requireArgCount(const Invocation& inv, std::size_t min, std::size_t max) {
  if (inv.args.size() < min) throw UsageError("premalo argumenata");
  if (inv.args.size() > max) throw UsageError("previše argumenata: '" + inv.args[max] + "'");
}

}  // namespace obrazac::cli
