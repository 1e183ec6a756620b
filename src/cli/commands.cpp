// The table of commands of obrazac-cli and the argument helpers they share.
#include "cli/command.h"

#include <array>
#include <ostream>

namespace obrazac::cli {

int runPicture(const Invocation&);
int runId(const Invocation&);
int runInit(const Invocation&);
int runStore(const Invocation&);
int runTable(const Invocation&);
int runParams(const Invocation&);
int runObligor(const Invocation&);
int runEmployee(const Invocation&);
int runExport(const Invocation&);
int runImport(const Invocation&);
int runTakeoverPrevious(const Invocation&);
int runBackup(const Invocation&);
int runSend(const Invocation&);
int runTakeover(const Invocation&);
int runCollect(const Invocation&);
int runArchive(const Invocation&);
int runSendMonth(const Invocation&);
int runHash(const Invocation&);
int runCheck(const Invocation&);
int runCheckInput(const Invocation&);
int runLoadMunicipalities(const Invocation&);
int runPrint(const Invocation&);
std::string_view printUsage();

std::span<const Command> allCommands() {
  static const std::array commands{
      Command{"picture",
              "picture SLIKA VRIJEDNOST   vrijednost ispisana po slici (N10.2, D6., T1 ...)",
              {"vrijednost je ispisana"},
              runPicture},
      Command{"id",
              "id jmbg|mb|opcina|birthdate VRIJEDNOST   provjera kontrolne znamenke",
              {"ispravan broj (birthdate: datum je ispisan)", "neispravan broj"},
              runId},
      Command{"init",
              "init [--demo] [--store URI]   radna mapa sa svim tablicama, praznima; --demo:\n"
              "  ogledna instalacija; --store: tablice u bazi na poslužitelju PostgreSQL\n"
              "  init --join --store URI   nova stanica instalacije koja je već na poslužitelju",
              {"radna mapa je spremna", "mapu ili tablice nije moguće napraviti"},
              runInit},
      Command{"store",
              "store show   gdje su tablice radne mape (bez lozinke)\n"
              "  store move --to URI|sqlite   tablice na poslužitelj ili natrag, sve ili ništa",
              {"izvršeno", "tablice nisu premještene"},
              runStore},
      Command{"load-municipalities",
              "load-municipalities   službeni popis općina i gradova u praznu tablicu TBOPCINE.DAT",
              {"popis je učitan", "tablica nije prazna ili popis nije učitan"},
              runLoadMunicipalities},
      Command{"table",
              "table DATOTEKA list [--key KLJUČ] [--from POLJE=VRIJEDNOST ...]\n"
              "  table DATOTEKA count\n"
              "  table DATOTEKA add POLJE=VRIJEDNOST ...\n"
              "  table DATOTEKA delete --key KLJUČ POLJE=VRIJEDNOST ...",
              {"izvršeno", "greška tablice, ili su upis ili brisanje odbijeni"},
              runTable},
      Command{"params",
              "params [POLJE=VRIJEDNOST ...]   aplikacijski parametri: prikaz, ili promjena uz\n"
              "  provjere obrasca parametara",
              {"parametri su ispisani ili spremljeni", "promjena je odbijena ili greška tablice"},
              runParams},
      Command{"obligor",
              "obligor add [--number N] --kind VOB --name ... [--mb ... --jmbg ...]\n"
              "  obligor change --number N [--name ... ]   obligor delete --number N [--yes]\n"
              "  obligor list [--format text|csv|json]\n"
              "       obveznici uz provjere obrasca poslodavca; brisanje briše i zaposlene",
              {"izvršeno", "odbijeno provjerom obrasca, tablicom ili odgovorom Ne"},
              runObligor},
      Command{"employee",
              "employee add --employer N --jmbg MBG --name ... --year GGGG --month M ...\n"
              "  employee change --employer N --jmbg MBG [--row-to DD] [--iv8 ...]\n"
              "  employee delete --employer N --jmbg MBG [--row-to DD] [--yes]\n"
              "  employee list --employer N [--order jmbg|name] [--format text|csv|json]\n"
              "  employee import DATOTEKA.csv --employer N\n"
              "       zaposleni i mjesečni podaci uz provjere obrasca; uvoz: svi retci ili nijedan",
              {"izvršeno", "odbijeno provjerom obrasca, tablicom ili odgovorom Ne"},
              runEmployee},
      Command{"export",
              "export MAPA   sve datoteke tablica radne mape kopira u mapu",
              {"izvoz je završen", "izvoz nije izvršen"},
              runExport},
      Command{"import",
              "import MAPA [--yes]   tablice radne mape zamijeni datotekama iz mape (pita DA/NE)",
              {"podaci su uvezeni", "uvoz nije izvršen (odgovor Ne ili greška)"},
              runImport},
      Command{"takeover-previous",
              "takeover-previous MAPA   preuzme poslodavce i zaposlene iz podataka prošle godine",
              {"podaci su preuzeti", "preuzimanje nije izvršeno"},
              runTakeoverPrevious},
      Command{"backup",
              "backup list [--format text|csv|json]   backup restore ID [--yes]\n"
              "       sigurnosne kopije tablica prije uvoza i preuzimanja; vraćanje pita DA/NE",
              {"izvršeno", "vraćanje nije izvršeno (odgovor Ne ili greška)"},
              runBackup},
      Command{"send",
              "send --employer N --type VOI --from D --to D [--year GGGG] [--month M]\n"
              "       [--paid GGGG-MM] [--date DD.MM.GGGG] [--form K] [--collective new|add]\n"
              "       obrada obveznika: datoteka za VELOR i njezin kontrolni broj",
              {"datoteka je formirana", "unos ili obrada su odbijeni"},
              runSend},
      Command{"takeover",
              "takeover DATOTEKA --employer N --type VOI --from D --to D [--year GGGG]\n"
              "       [--month M] [--paid GGGG-MM] [--date DD.MM.GGGG] [--form K]\n"
              "       [--collective new|add]\n"
              "       obrada obveznika iz preuzetih podataka o uplatama: datoteka za VELOR",
              {"datoteka je formirana", "unos ili obrada su odbijeni"},
              runTakeover},
      Command{"collect",
              "collect [--date DD.MM.GGGG]   zbirna datoteka VELOR.RM0 i njezin HASH",
              {"zbirna datoteka je formirana", "zbirna datoteka nije formirana"},
              runCollect},
      Command{"send-month",
              "send-month --year GGGG --month M --paid GGGG-MM --date DD.MM.GGGG [--type VOI]\n"
              "       [--separate]   obrazac svakog obveznika za mjesec, redom rednih brojeva,\n"
              "       u jednu zbirnu datoteku (--separate: datoteka po obvezniku) i sažetak",
              {"svi obrasci i zbirna datoteka su formirani",
               "neki je obveznik odbijen (ostali su obrađeni) ili zbirna datoteka nije formirana"},
              runSendMonth},
      Command{"archive",
              "archive list [--employer N] [--year GGGG] [--month M] [--format text|csv|json]\n"
              "  archive show ID   archive verify DATOTEKA   archive restore ID --to PUTANJA\n"
              "       arhiva poslanih datoteka: popis, pregled, provjera datoteke (je li\n"
              "       bajt po bajt jedna od izrađenih), kopija arhivirane datoteke",
              {"izvršeno (verify: datoteka je arhivirana)",
               "verify: datoteka nije arhivirana ili se razlikuje; ID ne postoji ili kopija nije "
               "uspjela",
               "datoteka se ne može čitati"},
              runArchive},
      Command{"hash",
              "hash DATOTEKA   kontrolni broj (SHA-1) bilo koje datoteke",
              {"kontrolni broj je ispisan", "datoteka se ne može čitati"},
              runHash},
      Command{"check",
              "check DATOTEKA [--format text|csv|json]   formalna kontrola datoteke za VELOR;\n"
              "  greške i upozorenja, prijepis u TBIZLAZ2.TXT",
              {"datoteka nema grešaka F (upozorenja U ne smetaju)", "datoteka ima grešaka F",
               "datoteka nije kontrolirana"},
              runCheck},
      Command{"check-input",
              "check-input DATOTEKA --employer N --type VOI --year GGGG --month M --from D --to D\n"
              "       [--format text|csv|json]   kontrola ulazne datoteke uplata: broj redaka\n"
              "       i popis grešaka",
              {"nijedan odabrani redak nema grešku", "neki su retci odbijeni",
               "kontrola nije izvršena"},
              runCheckInput},
      Command{"print",
              printUsage(),
              {"PDF je zapisan",
               "nema se što ispisati (nema zapisa, ili popis stranica ne odabire nijednu)",
               "PDF nije zapisan"},
              runPrint},
  };
  return commands;
}

void printCommandHelp(std::ostream& out, const Command& command) {
  const ExitCodes& e = command.exits;
  out << "Upotreba: obrazac-cli [--dir MAPA] " << command.usage << "\n\nIzlazni kodovi:\n"
      << "  0  " << e.done << "\n";
  if (!e.refused.empty()) out << "  1  " << e.refused << "\n";
  out << "  2  " << e.notDone << (e.notDone.empty() ? "" : ", ili ") << "pogrešni argumenti\n";
}

const std::string& requireArg(const Invocation& inv, std::size_t index, std::string_view what) {
  if (index >= inv.args.size()) throw UsageError("nedostaje " + std::string(what));
  return inv.args[index];
}

void requireArgCount(const Invocation& inv, std::size_t min, std::size_t max) {
  if (inv.args.size() < min) throw UsageError("premalo argumenata");
  if (inv.args.size() > max) throw UsageError("previše argumenata: '" + inv.args[max] + "'");
}

std::filesystem::path programDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : exe.parent_path();
}

}  // namespace obrazac::cli
