// Entry point of obrazac-cli: global options (--dir, --version, --help), then one command.
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/escaping.h"
#include "cli/working_folder.h"

namespace {

void printHelp(std::ostream& out) {
  out << "obrazac-cli " << OBRAZAC_VERSION
      << " - priprema obrasca R-S i datoteke za VELOR, bez prozora\n\n"
         "Upotreba: obrazac-cli [--dir MAPA] NAREDBA [ARGUMENTI]\n"
         "  --dir MAPA   radna mapa (zadano: trenutna mapa)\n"
         "  --version    inačica programa\n"
         "  --help       ovaj popis\n\n"
         "Naredbe:\n";
  for (const auto& c : obrazac::cli::allCommands()) out << "  " << c.usage << "\n";
  out << "\nPodaci idu na standardni izlaz, poruke i napredak na standardnu grešku.\n"
         "Izlazni kodovi: 0 izvršeno, 1 odbijeno ili neuspjelo, 2 pogrešni argumenti;\n"
         "pojedinosti daje obrazac-cli NAREDBA --help.\n";
}

bool asksForHelp(std::span<const std::string> args) {
  for (const auto& word : args)
    if (word == "--help") return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Messages quote values and lines of files: their control characters reach the terminal only
  // as escapes.
  obrazac::cli::ControlEscapingBuffer escaping(std::cerr.rdbuf());
  struct Restore {
    std::streambuf* original;
    ~Restore() { std::cerr.rdbuf(original); }
  } restore{std::cerr.rdbuf(&escaping)};
  std::vector<std::string> words(argv + 1, argv + argc);
  std::filesystem::path workDir = std::filesystem::current_path();
  std::size_t i = 0;
  for (; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w == "--version") {
      std::cout << "obrazac-cli " << OBRAZAC_VERSION << "\n";
      return 0;
    }
    if (w == "--help" || w == "-h") {
      printHelp(std::cout);
      return 0;
    }
    if (w == "--dir") {
      if (i + 1 >= words.size()) {
        std::cerr << "obrazac-cli: --dir traži mapu\n";
        return 2;
      }
      workDir = words[++i];
      continue;
    }
    break;
  }
  if (i >= words.size()) {
    std::cerr << "obrazac-cli: nedostaje naredba (obrazac-cli --help)\n";
    return 2;
  }
  const std::string& name = words[i];
  std::span<const std::string> rest(words.data() + i + 1, words.size() - i - 1);
  for (const auto& c : obrazac::cli::allCommands()) {
    if (c.name != name) continue;
    if (asksForHelp(rest)) {
      obrazac::cli::printCommandHelp(std::cout, c);
      return 0;
    }
    obrazac::cli::Invocation inv{workDir, rest, std::cout, std::cerr, std::cin};
    try {
      if (const int rc = obrazac::cli::prepareWorkingFolder(name, workDir, std::cerr)) return rc;
      return c.run(inv);
    } catch (const obrazac::cli::UsageError& e) {
      std::cerr << "obrazac-cli " << name << ": " << e.what() << "\n";
      return 2;
    }
  }
  std::cerr << "obrazac-cli: nepoznata naredba '" << name << "' (obrazac-cli --help)\n";
  return 2;
}
