// The register and form tables: obligors, their employees, prepared forms (page A headers and
// page B rows) with their print and work copies, the formal control's lines and findings, the
// list of produced submission files, the previous year's employees and the parameters.
#include "data/dictionary_builders.h"
#include "data/dictionary_parts.h"

namespace obrazac::decl {
namespace {

FieldRule accountingYearRule() {
  return rangeRule("GODOBRA", 2001, 2100, "Obračunska godina");
}

// The insured person and the part of the month, first in every table of page B rows.
std::vector<FieldDecl> rowPersonAndPeriod() {
  return {str("RBOSOB", 5),  str("JMBG", 13),      str("PREZIME", 60),
          str("OPCINA", 4),  str("CLANDN", 1),     str("OSNOVA1", 2),
          str("OSNOVA3", 1), shortInt("OBRRAZD1"), shortInt("OBRRAZD2")};
}

// Items 7 to 11 of a row.
std::vector<FieldDecl> rowAmounts(int digits, int places) {
  std::vector<FieldDecl> f;
  for (const char* amount : {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"})
    f.push_back(dec(amount, digits, places));
  return f;
}

std::vector<FieldDecl> joined(std::initializer_list<std::vector<FieldDecl>> parts) {
  std::vector<FieldDecl> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

}  // namespace

void addRegisterTables(std::vector<TableDecl>& t) {
  // Obligors (employers). REDBROJ closes the other keys, so MB, MBG and name may repeat.
  t.push_back(keyed("TBPOSLOD.DAT", "POS",
                    {shortInt("REDBROJ"), str("MB01", 8), str("MB02", 4), str("JMBG", 13),
                     str("NAZIV", 50), str("ADRESA", 50), str("KONTAKT", 50), str("TELEFON", 10),
                     str("EMAIL", 30), str("VRSTOBVEZNIKA", 2), shortInt("IDENTIFIKATOR"),
                     shortInt("OBRGOD"), date("DANOD"), date("DANDO")},
                    {key("KEYREDBROJ", {"REDBROJ"}, kPrimary, "Redni broj fime"),
                     key("KEYMB", {"MB01", "MB02", "REDBROJ"}, kUnique),
                     key("KEYJMBG", {"JMBG", "REDBROJ"}, kUnique),
                     key("KEYNAZIV", {"NAZIV", "REDBROJ"}, kUnique)}));

  // Employees of an obligor with the last monthly row of each; RAD1 scans a person's other
  // rows while RAD holds one.
  t.push_back(
      keyed("TBZAPOSL.DAT", "RAD",
            {shortInt("REDBROJ"),    str("JMBG", 13),         str("PREZIME", 60),
             str("OPCINA", 4),       str("VRSOBV", 2),        str("VRSTAUPLA", 2),
             str("CLANDN", 1),       str("OSNOVA1", 2),       str("OSNOVA3", 1),
             str("OSNOVA4", 1),      str("OSNOVA5", 4),       shortInt("GODOBRA"),
             shortInt("MJEOBRA"),    shortInt("ODDANA"),      shortInt("DODANA"),
             dec("IZNOS7", 11, 2),   dec("IZNOS8", 15, 2),    dec("IZNOS9", 15, 2),
             dec("IZNOS10", 15, 2),  dec("IZNOS11", 15, 2),   dec("PRVISTUP1", 5, 2),
             dec("PRVISTUP2", 5, 2), dec("DRUGISTUP1", 5, 2), dec("DRUGISTUP2", 5, 2)},
            {key("KEYOSOBA", {"JMBG"}, kDup, "JMBG zaposlenika"),
             key("KEYRBRFIRME", {"REDBROJ", "JMBG", "DODANA"}, kDup | kNoCase, "Redni broj firme"),
             key("KEYPREZIME", {"PREZIME"}, kDup, "Prezime i ime")}));
  t.push_back(redeclared(t.back(), "RAD1"));

  // Page B rows of prepared forms, and the same person and period in the print table of
  // page B and in the two work tables of the input check.
  const std::vector<FieldDecl> formRow =
      joined({rowPersonAndPeriod(),
              rowAmounts(13, 2),
              {shortInt("GODOBRA"), shortInt("OBRMJE"), str("IDENTIFIKATOR", 7), str("VRSUPL", 2),
               str("KONVEZA", 9), dec("STOPA1", 5, 2), dec("STOPA2", 5, 2), dec("STOPA11", 5, 2),
               dec("STOPA22", 5, 2)}});
  const std::vector<FieldDecl> periodAndPaymentType = {shortInt("GODOBRA"), shortInt("OBRMJE"),
                                                       str("VRSUPL", 2)};

  t.push_back(
      keyed("TBOSIGUR.DAT", "OSI", formRow,
            {key("KEYJMBG",
                 {"JMBG", "OSNOVA1", "OSNOVA3", "OBRRAZD1", "OBRRAZD2", "IDENTIFIKATOR", "VRSUPL"},
                 kDup, "JMBG"),
             key("KEYREDBROJ", {"RBOSOB"}, kDup | kNoCase),
             key("KEYOBRGODMJE", {"KONVEZA", "JMBG", "OBRRAZD1", "OSNOVA1", "OSNOVA3", "CLANDN"},
                 kDup, "Obračunska godina i mjesec"),
             key("KEYPREZIME", {"PREZIME", "OSNOVA1", "OSNOVA3", "OBRRAZD1", "OBRRAZD2"}, kDup,
                 "Prezime i ime")}));
  t.back().rules = {accountingYearRule()};
  t.push_back(redeclared(t.back(), "RAD2"));

  // Print table of page B, refilled before each print. Its row order takes the last day of the
  // period where the stored rows take the first.
  t.push_back(keyed(
      "TBOSIGU1.DAT", "OSI2", formRow,
      {key("KEYOBRGODMJE", {"KONVEZA", "JMBG", "OBRRAZD2", "OSNOVA1", "OSNOVA3", "CLANDN"}, kDup),
       key("KEYPREZIME", {"KONVEZA", "PREZIME", "JMBG", "OSNOVA1", "OSNOVA3"}, kDup | kNoCase)}));
  t.back().rules = {accountingYearRule()};

  t.push_back(
      keyed("TBOSIGU2.DAT", "OSI3",
            joined({rowPersonAndPeriod(), rowAmounts(15, 4), periodAndPaymentType}),
            {key("KEYPREZIME", {"PREZIME", "OBRRAZD1", "OSNOVA1", "OSNOVA3", "OBRRAZD2"}, kDup)},
            {.oem = false}));
  t.back().rules = {accountingYearRule()};

  t.push_back(
      keyed("TBOSIGU3.DAT", "OSI4",
            joined({rowPersonAndPeriod(), rowAmounts(13, 2), periodAndPaymentType}),
            {key("KEYPREZIME", {"PREZIME", "OBRRAZD1", "OSNOVA1", "OSNOVA3", "OBRRAZD2"}, kDup)},
            {.oem = false}));
  t.back().rules = {accountingYearRule()};

  // Form headers (page A); KONVEZA = identifier followed by the VOI code links the rows.
  t.push_back(keyed(
      "TBOBRAZA.DAT", "A", {str("IDENTIFIKATOR", 7), str("OBRMJE", 2),      str("OBRGOD", 4),
                            str("VRSUPLA", 2),       longInt("BROJOSIG"),   longInt("BROJSTRANA"),
                            str("MB01", 8),          str("MB02", 4),        str("JMBG", 13),
                            str("NAZIV", 60),        str("ADRESA", 60),     str("KONTAKT", 50),
                            str("TELEFON", 10),      str("EMAI", 30),       str("VRSTOBVEZNIKA", 2),
                            dec("IZNOS7", 13, 2),    dec("IZNOS8", 13, 2),  dec("IZNOS9", 13, 2),
                            dec("IZNOS10", 13, 2),   dec("IZNOS11", 13, 2), str("KONZNAK", 43),
                            str("KONVEZA", 9),       str("GODPLA", 4),      str("MJEPLA", 2)},
      {key("KEYIDENTIKATOR", {"KONVEZA"}, kPrimary, "Obračunska godina, mjesec i identifikator"),
       key("KEYGODMJE", {"OBRGOD", "OBRMJE", "IDENTIFIKATOR"}, kDup | kNoCase,
           "Obračunska godina, mjesec, firma"),
       key("KEYFIRMA", {"NAZIV", "OBRGOD", "OBRMJE"}, kDup | kNoCase, "Naziv firme")}));

  // Produced submission files.
  t.push_back(keyed("TBTMPDAT.DAT", "TBT",
                    {shortInt("FIRMA"), str("MB01", 12), str("MB02", 13), str("IMEFIRME", 50),
                     str("IDENTIFIKATOR", 9), str("IMEFILE", 60), shortInt("BROJOBR")},
                    {key("KEYIDENTIKATOR", {"IDENTIFIKATOR"}, kPrimary)}));

  // Lines of a submission file under formal control, the 250 characters in five pieces.
  t.push_back(keyed("TBIZLAZ.DAT", "ULZ",
                    {longInt("REDBROJ"), str("TIPSLOGA", 1), str("GRESKA", 1), str("REDAK1", 50),
                     str("REDAK2", 50), str("REDAK3", 50), str("REEDAK4", 50), str("REDAK5", 50)},
                    {key("KEYVRSTA", {"REDBROJ"}, kPrimary | kAutoNumber | kRowNumber)},
                    {.oem = false}));

  // Findings per line of the formal control.
  t.push_back(keyed("TBIZLAZ1.DAT", "ULZ1",
                    {longInt("REDBROJ"), str("KOLONA", 10), str("TIP", 1), str("PREZIME", 50),
                     str("GRESKA", 140)},
                    {key("KEYVRSTA", {"REDBROJ", "KOLONA"}, kDup)}, {.oem = false}));

  // Employees of the previous year's data; the takeover needs the file to be there.
  std::vector<FieldDecl> previous = {
      shortInt("REDBROJ"),  str("JMBG", 13),      str("PREZIME", 60),   str("OPCINA", 4),
      str("VRSOBV", 2),     str("VRSTAUPLA", 2),  str("CLANDN", 1),     str("OSNOVA1", 2),
      str("OSNOVA2", 1),    str("OSNOVA3", 1),    str("OSNOVA4", 1),    str("OSNOVA5", 4),
      shortInt("GODOBRA"),  shortInt("MJEOBRA"),  shortInt("ODDANA"),   shortInt("DODANA"),
      dec("IZNOS6", 13, 2), dec("IZNOS7", 11, 2), dec("IZNOS12", 7, 2), dec("IZNOS13", 11, 2)};
  for (const char* amount :
       {"IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11", "IZNOS14", "IZNOS15", "IZNOS16", "IZNOS81",
        "IZNOS91", "IZNOS101", "IZNOS111", "IZNOS141", "IZNOS151"})
    previous.push_back(dec(amount, 15, 2));
  for (const char* rate : {"KOEF1", "PRVISTUP1", "PRVISTUP2", "DRUGISTUP1", "DRUGISTUP2", "ZDRAV1",
                           "ZDRAV2", "ZAPOS1", "ZAPOS2", "STOPAINVAL"})
    previous.push_back(dec(rate, 5, 2));
  t.push_back(keyed("ZAP2004.DAT", "ZAP", std::move(previous),
                    {key("KEYOSOBA", {"JMBG"}, kDup),
                     key("KEYRBRFIRME", {"REDBROJ", "JMBG", "DODANA"}, kDup | kNoCase),
                     key("KEYPREZIME", {"PREZIME"}, kDup)},
                    {.create = false}));

  // Application parameters: the submitting person or firm and the folders, one record.
  t.push_back(keyed("APLPARAM.DAT", "APL",
                    {shortInt("RB"), str("MB01", 8), str("MB02", 4), str("JMBG", 13),
                     str("NAZIV", 50), str("ADRESA", 50), str("KONOSO", 50), str("TELEFON", 10),
                     str("EMAIL", 30), str("NAZSJED", 40), str("SIFSJED", 4), str("RADDIR", 128),
                     str("ULAZDIR", 128), str("IZLAZDIR", 128)},
                    {key("KEYRB", {"RB"}, kPrimary, "Redni broj apl datoteke")}));
}

}  // namespace obrazac::decl
