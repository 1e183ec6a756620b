#include "register/obligor_checks.h"

#include <string>
#include <string_view>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/numeric_text.h"
#include "register/entry_rules.h"
#include "register/identifier_checks.h"

namespace obrazac {
namespace {

CheckResult fail(std::string message, std::string field, bool beep = false) {
  return CheckFailure{std::move(message), std::move(field), beep};
}

bool startsWith8or9(std::string_view mb) {
  return !mb.empty() && (mb.front() == '8' || mb.front() == '9');
}

// Reads the kind into the VOB buffer (cleared first). Returns the store's error code.
int findKind(Context& ctx, std::string_view kind) {
  Table& vob = ctx.table("VOB");
  if (!vob.isOpen()) {
    if (const int rc = vob.open()) return rc;
  }
  vob.clear();
  vob.record().setText(vob.record().index("SIFRA"), kind);
  return vob.get("KEYSIFRA");
}

}  // namespace

CheckResult checkObligorSave(Context& ctx, const Record& pos) {
  auto field = [&pos](std::string_view name) { return clipRight(pos.text(pos.index(name))); };

  if (field("NAZIV").empty())
    return fail("Greška broj 6. Naziv ili prezime i ime je obvezan podatak", "POS:NAZIV");
  if (field("ADRESA").empty())
    return fail("Greška broj 7. Adresa obveznika je obvezan podatak", "POS:ADRESA");
  if (field("KONTAKT").empty())
    return fail("Greška broj 8. Kontakt osoba se obvezno upisuje", "POS:KONTAKT");

  const std::string& kind = pos.text(pos.index("VRSTOBVEZNIKA"));
  const int rc = findKind(ctx, kind);
  if (rc == err::kRecordNotFound) return fail("Pogrešna vrsta obveznika. Ispravite !", "");
  if (rc != 0)
    return fail("Greška kod čitanja TBVRSOBV.DAT: " + std::string(storeErrorText(rc)), "");
  const Record& vob = ctx.table("VOB").record();
  const std::string_view needsMb = clipRight(vob.text(vob.index("MB01")));
  const std::string_view needsMbg = clipRight(vob.text(vob.index("MBG")));

  const std::string_view mb = field("MB01");
  const std::string_view mbg = field("JMBG");
  const bool mbGiven = !isAbsentMB(mb);
  const bool mbgGiven = !isAbsentJMBG(mbg);
  const std::string forKind = "Za VOB=" + utf8FromCp1250(kind);

  if (kind != "17") {
    // Neither identifier: each blank or all zeros. A new obligor starts with a blank MB and a
    // zero MBG, which is no identifier either.
    if (!mbGiven && !mbgGiven) return fail("Obvezno upišite ili MB ili MBG", "POS:MB01");
    if (mbGiven && mbgGiven && !(startsWith8or9(mb) && kind == "02"))
      return fail("Greška. Nije dozvoljeno upisati MB i MBG, izuzev ako MB počinje sa 8 ili 9",
                  "POS:MB01");
    if (needsMb == "DA" && mb.size() < 8)
      return fail(forKind + " MB pravne osobe mora se upisati", "POS:MB01");
    if (needsMb == "NE" && mbGiven && !startsWith8or9(mb) && kind != "02" && kind != "21")
      return fail(forKind + " MB pravne osobe se ne upisuje, izuzev ako počinje sa 8 ili 9",
                  "POS:MB01");
    if (needsMbg == "DA" && mbg.size() < 13)
      return fail(forKind + " MBG mora se upisati", "POS:JMBG");
    if (needsMbg == "NE" && mbgGiven && !startsWith8or9(mb))
      return fail(forKind + " MBG se ne upisuje", "POS:JMBG");
  }

  if (mb.size() == 8 && mb != "00000000") {
    if (!isNumeric(mb) || !isDigits(mb) || !ProvjeraMB(mb))
      return fail("Pogrešan MB Firme", "POS:MB01", true);
  }
  if (mbg.size() > 1 && mbg != "0000000000000") {
    if (mbg.size() != 13) return fail("MBG je netočan - nema 13 znamenaka.", "POS:JMBG");
    if (!isNumeric(mbg) || !isDigits(mbg) || !ProvjeraJMBG(mbg))
      return fail("MBG nije točan. ISPRAVITE Podatak", "POS:JMBG", true);
  }
  // Every lookup of an obligor goes by its running number, and none of them asks for 0.
  if (pos.integer(pos.index("REDBROJ")) <= 0)
    return fail("Redni broj firme mora biti veći od 0", "POS:REDBROJ");
  return std::nullopt;
}

}  // namespace obrazac
