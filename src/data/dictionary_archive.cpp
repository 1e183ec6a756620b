// The archive of produced submission files: one row per file a run made (a single obligor's
// file, the collective file, a file from taken-over payment data) and one row per form it
// holds. A file produced again under the same name is a new row with the next version, so the
// earlier versions stay; the copy of each lies in the archive folder of the working folder.
#include "data/dictionary_builders.h"
#include "data/dictionary_parts.h"

namespace obrazac::decl {

void addArchiveTables(std::vector<TableDecl>& t) {
  // VRSTA: P the file of one obligor, Z the collective file, U a file from taken-over data.
  // KONZNAK holds the 40 digits of the control number without dashes.
  t.push_back(keyed(
      "TBARHIVA.DAT", "ARH",
      {longInt("ID"), str("IMEFILE", 60), str("IZLAZDIR", 128), str("VRSTA", 1), shortInt("OBRGOD"),
       shortInt("OBRMJE"), str("VRSUPL", 2), date("DATSLANJA"), str("KONZNAK", 40),
       longInt("VELICINA"), str("VRIJEME", 19), str("STANICA", 30), shortInt("VERZIJA")},
      {key("KEYID", {"ID"}, kPrimary, "Redni broj arhivirane datoteke"),
       key("KEYIMEFILE", {"IMEFILE", "ID"}, kUnique, "Ime datoteke"),
       key("KEYKONZNAK", {"KONZNAK", "ID"}, kUnique, "Kontrolni broj"),
       key("KEYRAZDOBLJE", {"OBRGOD", "OBRMJE", "ID"}, kUnique, "Obračunska godina i mjesec")},
      {.oem = false}));

  // The forms of an archived file: obligor, form identifier and link, period.
  t.push_back(keyed("TBARHOBR.DAT", "ARO",
                    {longInt("ID"), shortInt("FIRMA"), str("IMEFIRME", 50), str("IDENTIFIKATOR", 7),
                     str("KONVEZA", 9), shortInt("OBRGOD"), shortInt("OBRMJE"), str("VRSUPL", 2)},
                    {key("KEYID", {"ID", "KONVEZA"}, kPrimary, "Arhivirana datoteka"),
                     key("KEYFIRMA", {"FIRMA", "ID", "KONVEZA"}, kUnique, "Obveznik")},
                    {.oem = false}));
}

}  // namespace obrazac::decl
