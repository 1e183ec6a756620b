// The code lists: kinds of obligor (VOB), kinds of calculation or correction (VOI), bases of
// calculation (OO), increased-duration codes, rates, municipalities, the control table with its
// tree, and the error codes of the input check with the findings that refer to them.
#include "data/dictionary_builders.h"
#include "data/dictionary_parts.h"

namespace obrazac::decl {

void addCodeListTables(std::vector<TableDecl>& t) {
  // Kinds of obligor; MB01/MBG say "DA" when the obligor must carry an MB / an MBG.
  t.push_back(
      keyed("TBVRSOBV.DAT", "VOB",
            {str("SIFRA", 2), str("SKROPIS", 80), str("OPIS", 240), str("MB01", 2), str("MBG", 2)},
            {key("KEYSIFRA", {"SIFRA"}, kPrimary), key("KEYNAZIV", {"SKROPIS"}, kUnique)}));

  // Kinds of calculation or correction ("vrsta uplate").
  t.push_back(
      keyed("TBVRSUPL.DAT", "VUP", {str("SIFRA", 2), str("SKROPIS", 80), str("OPIS", 120)},
            {key("KEYSIFRA", {"SIFRA"}, kPrimary), key("KEYNAZIV", {"OPIS"}, kDup | kNoCase)}));

  // Bases of calculation.
  t.push_back(keyed("TBOSNOBR.DAT", "TBO", {str("SIFRA", 2), str("SKROPIS", 80), str("OPIS", 240)},
                    {key("KEYSIFRA", {"SIFRA"}, kPrimary)}));

  // Insurance periods with increased duration.
  t.push_back(keyed("TBOZNSTA.DAT", "STA", {str("SIFRA", 1), str("SKROPIS", 80), str("OPIS", 180)},
                    {key("KEYSIFRA", {"SIFRA"}, kPrimary), key("KEYNAZIV", {"OPIS"}, kUnique)}));

  // Contribution rates; the key runs in lookup order, not in record order.
  t.push_back(
      keyed("TBSTOPE.DAT", "STO1",
            {str("CLANDN", 1), str("VRSTOBRACUNA", 2), str("VRSTAOBVEZNIKA", 2),
             str("OSNOVOBRA", 2), str("STAZ", 1), dec("PRVISTUP1", 5, 2), dec("PRVISTUP2", 5, 2),
             dec("DRUGISTUP1", 5, 2), dec("DRUGISTUP2", 5, 2)},
            {key("KEYOSNOV", {"VRSTOBRACUNA", "VRSTAOBVEZNIKA", "OSNOVOBRA", "STAZ", "CLANDN"},
                 kPrimary)}));

  // Municipalities and cities.
  t.push_back(keyed("TBOPCINE.DAT", "OPC",
                    {shortInt("REDBROJ"), str("GRAD", 1), str("NAZIV", 40), str("SIFRA", 4),
                     dec("POREZ", 5, 2), dec("PRIREZ", 5, 2)},
                    {key("KEYREDB", {"REDBROJ"}, kPrimary | kAutoNumber),
                     key("KEYSIFRA", {"SIFRA"}, kUnique), key("KEYNAZIV", {"NAZIV"}, kUnique)}));

  // The control table: one row per permitted VOB, VOI and OO, with a rule per tested value.
  t.push_back(
      keyed("VEZNATAB.DAT", "VEZ",
            {str("VOB", 2), str("VOI", 2), str("OO", 2), str("OBRMJE", 4), str("GODINA", 4),
             str("DANOD", 4), str("DANDO", 4), str("PLAGOD", 4), str("PLAMJE", 4), str("IZNOS7", 4),
             str("IZNOS8", 4), str("IZNOS9", 4), str("IZNOS10", 4), str("IZNOS11", 4)},
            {key("KEYVOB_VOI", {"VOB", "VOI", "OO"}, kPrimary),
             key("KEYVOI_OO", {"VOI", "OO", "VOB"}, kUnique | kNoCase),
             key("KEYOO_VOB", {"OO", "VOB", "VOI"}, kUnique | kNoCase)}));

  // The tree of the control table, one table per level.
  t.push_back(keyed("STABLO01.DAT", "STA1", {str("VOB", 2), str("NAZIV", 80)},
                    {key("KEYSIFRA", {"VOB"}, kPrimary)}));
  t.push_back(keyed("STABLO02.DAT", "STA2", {str("VOB", 2), str("VOI", 2), str("NAZIV", 80)},
                    {key("KEYVOB_VOI", {"VOB", "VOI"}, kPrimary)}));
  t.push_back(keyed("STABLO03.DAT", "STA3",
                    {str("VOI", 2), str("OO", 2), str("VOB", 2), str("NAZIV", 80)},
                    {key("KEYOO", {"VOB", "VOI", "OO"}, kPrimary)}));

  // Error and warning codes of the input check, with their long description.
  t.push_back(keyed("TBPOPGRE.DAT", "PGR",
                    {shortInt("REDBROJ"), str("ID", 15), str("SAZETAK", 100), str("OZNAKA", 1),
                     str("TIP", 1), memo("DETOPIS", 1000)},
                    {key("KEYREDBROJ", {"REDBROJ"}, kPrimary | kAutoNumber)}, {.oem = false}));

  // Findings of the input check, the values of the input line kept as read.
  t.push_back(
      keyed("TBGRESKE.DAT", "GRE",
            {shortInt("RB"),    shortInt("TIP"),    str("OPIS", 80),     str("MB", 12),
             str("MB2", 13),    str("VRSOBV", 2),   str("VRSTAUPLA", 2), str("IDENTIFIKATOR", 4),
             str("GODOBRA", 4), str("OBRMJE", 2),   str("OBRRAZD1", 2),  str("OBRRAZD2", 2),
             str("JMBG", 13),   str("PREZIME", 50), str("OPCINA", 4),    str("CLANDN", 1),
             str("OSNOVA1", 2), str("OSNOVA3", 1),  str("IZNOS7", 15),   str("IZNOS8", 15),
             str("IZNOS9", 15), str("IZNOS10", 15), str("IZNOS11", 15)},
            {key("KEYREDBROJ", {"RB"}, kPrimary | kAutoNumber), key("KEYTIP", {"TIP", "RB"}, kDup)},
            {.oem = false}));
  t.back().rules = {rangeRule("GODOBRA", 2001, 2100, "Obračunska godina")};
}

}  // namespace obrazac::decl
