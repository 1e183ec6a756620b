#include "register/municipality_code_check.h"

#include <algorithm>

#include "register/identifier_checks.h"

namespace obrazac {

CheckResult checkMunicipalityCode(std::string_view code) {
  const auto end = code.find_last_not_of(' ');
  code = end == std::string_view::npos ? std::string_view{} : code.substr(0, end + 1);
  if (code.size() < 4) return CheckFailure{"Greška. Šifra općine/grada ima 4 znaka", "OPC:SIFRA"};
  if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return CheckFailure{"Pogrešna šifre općine/grada", "OPC:SIFRA", true};
  if (code != "0000" && !ProvjeraSifreOpcine(code))
    return CheckFailure{"Pogrešan šifra općine/grada", "OPC:SIFRA", true};
  return std::nullopt;
}

}  // namespace obrazac
