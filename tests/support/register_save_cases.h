// The rules of saving an obligor and an employee's monthly row as one table of cases, for every
// way into the register: the command line and the windows run the same cases and expect the
// same message on the same field. Each case starts from a base that saves cleanly in the sample
// installation (its code lists, control table and rates; the employee under sample obligor 1 of
// kind "01") and changes a few fields, named by their record labels and given as typed (UTF-8).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace obrazac::testing {

using TypedValues = std::vector<std::pair<std::string, std::string>>;  // label, typed text

struct RegisterSaveCase {
  std::string name;          // what the case shows, for the failure output
  TypedValues changes;       // over the base
  std::string message;       // UTF-8, exactly as shown; empty: saved
  std::string field;         // label of the field that gets the focus; empty: focus unchanged
  std::string warning = {};  // shown before the tests go on (a combination the control table lacks)
};

// An obligor of kind "01" with a registration number and no personal number, saved under a
// running number no sample obligor has.
inline TypedValues obligorSaveBase() {
  return {{"POS:REDBROJ", "7"},          {"POS:VRSTOBVEZNIKA", "01"},
          {"POS:MB01", "12345679"},      {"POS:MB02", "0000"},
          {"POS:JMBG", "0000000000000"}, {"POS:NAZIV", "Šimić i sinovi d.o.o."},
          {"POS:ADRESA", "Ilica 1"},     {"POS:KONTAKT", "Ana Šimić"}};
}

// The tests of saving an obligor, in their order, and the mended refusal of running number 0.
inline std::vector<RegisterSaveCase> obligorSaveCases() {
  const std::string mb9 = "91234565";       // right check digit, starts with 9
  const std::string mbg = "1503975123451";  // right check digit
  const std::string zeros = "0000000000000";
  return {
      {"saved", {}, "", ""},
      {"no name",
       {{"POS:NAZIV", ""}},
       "Greška broj 6. Naziv ili prezime i ime je obvezan podatak",
       "POS:NAZIV"},
      {"no address",
       {{"POS:ADRESA", ""}},
       "Greška broj 7. Adresa obveznika je obvezan podatak",
       "POS:ADRESA"},
      {"no contact",
       {{"POS:KONTAKT", ""}},
       "Greška broj 8. Kontakt osoba se obvezno upisuje",
       "POS:KONTAKT"},
      {"unknown kind", {{"POS:VRSTOBVEZNIKA", "99"}}, "Pogrešna vrsta obveznika. Ispravite !", ""},
      {"kind 17 without identifiers",
       {{"POS:VRSTOBVEZNIKA", "17"}, {"POS:MB01", ""}, {"POS:JMBG", ""}},
       "",
       ""},
      {"neither identifier",
       {{"POS:MB01", "00000000"}, {"POS:JMBG", zeros}},
       "Obvezno upišite ili MB ili MBG",
       "POS:MB01"},
      {"kind 02 with an MB of 9 and an MBG",
       {{"POS:VRSTOBVEZNIKA", "02"}, {"POS:MB01", mb9}, {"POS:JMBG", mbg}},
       "",
       ""},
      {"both identifiers",
       {{"POS:MB01", mb9}, {"POS:JMBG", mbg}},
       "Greška. Nije dozvoljeno upisati MB i MBG, izuzev ako MB počinje sa 8 ili 9",
       "POS:MB01"},
      {"short MB of a kind that needs one",
       {{"POS:MB01", "1234"}},
       "Za VOB=01 MB pravne osobe mora se upisati",
       "POS:MB01"},
      {"MB of a kind that forbids one",
       {{"POS:VRSTOBVEZNIKA", "30"}, {"POS:JMBG", ""}},
       "Za VOB=30 MB pravne osobe se ne upisuje, izuzev ako počinje sa 8 ili 9",
       "POS:MB01"},
      {"short MBG of a kind that needs one",
       {{"POS:VRSTOBVEZNIKA", "02"}, {"POS:MB01", "00000000"}, {"POS:JMBG", "150397512345"}},
       "Za VOB=02 MBG mora se upisati",
       "POS:JMBG"},
      {"MBG of a kind that forbids one",
       {{"POS:MB01", "00000000"}, {"POS:JMBG", mbg}},
       "Za VOB=01 MBG se ne upisuje",
       "POS:JMBG"},
      {"wrong MB check digit", {{"POS:MB01", "12345678"}}, "Pogrešan MB Firme", "POS:MB01"},
      {"kind 17 with a short MBG",
       {{"POS:VRSTOBVEZNIKA", "17"}, {"POS:MB01", ""}, {"POS:JMBG", "150397512345"}},
       "MBG je netočan - nema 13 znamenaka.",
       "POS:JMBG"},
      {"wrong MBG check digit",
       {{"POS:VRSTOBVEZNIKA", "02"}, {"POS:MB01", "00000000"}, {"POS:JMBG", "1503975123450"}},
       "MBG nije točan. ISPRAVITE Podatak",
       "POS:JMBG"},
      {"running number 0",
       {{"POS:REDBROJ", "0"}},
       "Redni broj firme mora biti veći od 0",
       "POS:REDBROJ"},
  };
}

// A second-pillar member's November 2025 salary under sample obligor 1, on a combination the
// control table holds (VOB 01, VOI 01, OO 01: month, days, items 7 and 8 above 0).
inline TypedValues monthlySaveBase() {
  return {{"RAD:JMBG", "1503975123451"}, {"RAD:PREZIME", "ŠIMIĆ ANA"}, {"RAD:OPCINA", "1333"},
          {"RAD:CLANDN", "D"},           {"RAD:VRSOBV", "01"},         {"RAD:VRSTAUPLA", "01"},
          {"RAD:OSNOVA1", "01"},         {"RAD:GODOBRA", "2025"},      {"RAD:MJEOBRA", "11"},
          {"RAD:ODDANA", "1"},           {"RAD:DODANA", "30"},         {"RAD:IZNOS7", "1000.00"},
          {"RAD:IZNOS8", "1000.00"},     {"RAD:IZNOS9", "150.00"},     {"RAD:IZNOS10", "50.00"},
          {"RAD:IZNOS11", "700.00"}};
}

// The tests of a typed field and of saving the row, each with its own rule. `currentYear` is
// the year of the clock the save runs on.
inline std::vector<RegisterSaveCase> monthlySaveCases(int currentYear) {
  const std::string tail = ". Provjerite kontrolnu tablicu za VOB=01 VOI=01 OO=01";
  return {
      {"saved", {}, "", ""},
      {"MBG of 12 digits", {{"RAD:JMBG", "150397512345"}}, "JMBG je obavezan podatak.", "RAD:JMBG"},
      {"wrong MBG check digit",
       {{"RAD:JMBG", "1503975123450"}},
       "JMBG nije točan. ISPRAVITE Podatak",
       "RAD:JMBG"},
      {"year of three digits",
       {{"RAD:GODOBRA", "999"}},
       "Greška. Godina mora biti 4-znamenkasta",
       "RAD:GODOBRA"},
      {"year 2004",
       {{"RAD:GODOBRA", "2004"}},
       "Greška. Godina mora biti veća od 2004 a manja ili jednaka tekućoj",
       "RAD:GODOBRA"},
      {"year after next",
       {{"RAD:GODOBRA", std::to_string(currentYear + 2)}},
       "Godina mora biti veća od 2004 i manja ili jednaka tekućoj godini",
       "RAD:GODOBRA"},
      {"membership X",
       {{"RAD:CLANDN", "X"}},
       "Obvezno odredite da li je osoba član OMF ili nije",
       "RAD:CLANDN"},
      {"month 13", {{"RAD:MJEOBRA", "13"}}, "Pogrešna oznaka mjeseca", "RAD:MJEOBRA"},
      {"31 November", {{"RAD:DODANA", "31"}}, "Pogrešan dan", "RAD:DODANA"},
      {"correction of month 0 without amounts",
       {{"RAD:VRSTAUPLA", "99"},
        {"RAD:MJEOBRA", "0"},
        {"RAD:ODDANA", "0"},
        {"RAD:DODANA", "0"},
        {"RAD:IZNOS7", "0"},
        {"RAD:IZNOS8", "0"},
        {"RAD:IZNOS9", "0"},
        {"RAD:IZNOS10", "0"},
        {"RAD:IZNOS11", "0"}},
       "",
       ""},
      {"yearly calculation with a month",
       {{"RAD:VRSTAUPLA", "05"}, {"RAD:OSNOVA1", "10"}},
       "Greška - obračunski mjesec mora biti = 0 Provjerite kontrolnu tablicu za VOB=01 VOI=05 "
       "OO=10",
       "RAD:MJEOBRA"},
      {"first day 0",
       {{"RAD:ODDANA", "0"}},
       "Greška - razdoblje od mora biti >0" + tail,
       "RAD:ODDANA"},
      {"no salary",
       {{"RAD:IZNOS7", "0"}},
       "Greška - Iznos obračunane plaće mora biti >0" + tail,
       "RAD:IZNOS7"},
      {"no base",
       {{"RAD:IZNOS8", "0"}},
       "Greška - Osnovica za doprinose mora biti >0" + tail,
       "RAD:IZNOS8"},
      {"member without a second-pillar amount",
       {{"RAD:IZNOS8", "100.00"}, {"RAD:IZNOS10", "0"}},
       "Greška - Osoba je član II.stupa, osnovica veća od 0",
       "RAD:IZNOS10"},
      {"second-pillar amount of a non-member",
       {{"RAD:CLANDN", "N"}},
       "Greška. Osiguranik nije član OMF. Nema doprinosa za II. stup",
       "RAD:IZNOS10"},
      {"combination the control table lacks",
       {{"RAD:VRSTAUPLA", "03"}},
       "",
       "",
       "Upozorenje. Navedena kombinacija VOB=01 VOI=03 OO=01 nije uvedena u kontrolnu tablicu"},
  };
}

}  // namespace obrazac::testing
