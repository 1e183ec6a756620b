// obrazac-cli id: the check digit of a personal number, an MB or a municipality code, tested
// the way the forms test it (exact length, numeric, then the check), and the birth date read
// out of a personal number.
#include <ostream>

#include "cli/command.h"
#include "data/date_text.h"
#include "data/numeric_text.h"
#include "register/identifier_checks.h"

namespace obrazac::cli {
namespace {

bool isAllDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

int printBirthDate(const Invocation& inv, const std::string& jmbg) {
  if (jmbg.size() != 13 || !isAllDigits(jmbg))
    throw UsageError("JMBG mora imati točno 13 znamenaka: '" + jmbg + "'");
  inv.out << dateText(DatumIzJMBG(jmbg)) << "\n";
  return 0;
}

}  // namespace

int runId(const Invocation& inv) {
  requireArgCount(inv, 2, 2);
  const std::string& kind = requireArg(inv, 0, "vrsta (jmbg, mb, opcina, birthdate)");
  const std::string& value = requireArg(inv, 1, "vrijednost");
  if (kind == "birthdate") return printBirthDate(inv, value);

  std::size_t length = 0;
  bool (*check)(std::string_view) = nullptr;
  if (kind == "jmbg") {
    length = 13;
    check = ProvjeraJMBG;
  } else if (kind == "mb") {
    length = 8;
    check = ProvjeraMB;
  } else if (kind == "opcina") {
    length = 4;
    check = ProvjeraSifreOpcine;
  } else {
    throw UsageError("nepoznata vrsta '" + kind + "' (jmbg, mb, opcina, birthdate)");
  }
  const bool valid = value.size() == length && isNumeric(value, length) && check(value);
  inv.out << (valid ? "valid" : "invalid") << "\n";
  return valid ? 0 : 1;
}

}  // namespace obrazac::cli
