#include "app/parameter_checks.h"

#include <string>

#include "data/fixed_width.h"
#include "data/numeric_text.h"
#include "register/entry_rules.h"
#include "register/identifier_checks.h"

namespace obrazac {
namespace {

CheckResult fail(std::string message, std::string field, bool beep = false) {
  return CheckFailure{std::move(message), std::move(field), beep};
}

std::string_view clipped(const Record& apl, std::string_view name) {
  return clipRight(apl.text(apl.index(name)));
}

bool validMb(std::string_view mb) {
  return isNumeric(mb) && isDigits(mb) && ProvjeraMB(mb);
}
bool validJmbg(std::string_view jmbg) {
  return isNumeric(jmbg) && isDigits(jmbg) && ProvjeraJMBG(jmbg);
}

}  // namespace

CheckResult checkParameterField(const Record& apl, std::string_view field) {
  const std::string_view name = field.substr(field.find(':') + 1);
  if (name == "MB01") {
    const std::string_view mb = clipped(apl, "MB01");
    if (mb.size() == 8 && mb != "00000000" && !validMb(mb))
      return fail("Pogrešan  MB ", "APL:MB01");
  } else if (name == "JMBG") {
    // Only digits are judged while the field is left; the save judges every other text.
    const std::string_view jmbg = clipped(apl, "JMBG");
    if (isDigits(jmbg) && jmbg != "0000000000000" && !ProvjeraJMBG(jmbg))
      return fail("Pogrešan JMBG", "APL:JMBG");
  }
  return std::nullopt;
}

CheckResult checkParameterSave(const Record& apl) {
  const std::string_view mb = clipped(apl, "MB01");
  const std::string_view jmbg = clipped(apl, "JMBG");
  // Neither identifier: each blank or all zeros. The record of a new installation has both
  // blank, and the reports cannot be sent without the authorised person's identifier.
  if (isAbsentMB(mb) && isAbsentJMBG(jmbg)) return fail("Upišite MB il JMBG", "APL:MB01");
  if (!mb.empty() && !jmbg.empty() && mb != "00000000" && jmbg != "0000000000000")
    return fail("Greška. Nije dozvoljeno upisati MB i JMBG", "APL:MB01");
  if (mb.size() == 8 && mb != "00000000" && !validMb(mb))
    return fail("Pogrešan MB Firme", "APL:MB01", true);
  if (jmbg.size() > 1 && jmbg != "0000000000000") {
    if (jmbg.size() != 13) return fail("JMBG je netočan - nema 13 znamenaka.", "APL:JMBG");
    if (!validJmbg(jmbg)) return fail("JMBG nije točan. ISPRAVITE Podatak", "APL:JMBG", true);
  }
  return std::nullopt;
}

}  // namespace obrazac
