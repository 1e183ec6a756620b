// The tables held as plain text files: the submission work files, one per record type, whose
// fields come from the submission record layouts; the assembled submission; the payment input
// file; the transcript of the formal control; and the export files.
#include "data/dictionary_builders.h"
#include "data/dictionary_parts.h"
#include "data/record_format.h"

namespace obrazac::decl {
namespace {

// TBSLOGn.TXT under prefix SLn: the fields of record type n, each named by its field code.
TableDecl submissionWorkFile(char type) {
  std::vector<FieldDecl> fields;
  for (const auto& f : submission::recordLayout(type).fields)
    fields.push_back(str(std::string(f.code), f.width));
  return textFile(std::string("TBSLOG") + type + ".TXT", std::string("SL") + type,
                  std::move(fields));
}

}  // namespace

void addTextFileTables(std::vector<TableDecl>& t) {
  for (const auto& layout : submission::recordLayouts())
    t.push_back(submissionWorkFile(layout.type));

  // The assembled submission, one whole record per line; the hash is taken over this file.
  t.push_back(textFile("TBVELOR.TXT", "VEL", {str("REDAK", 250)}));
  // A submission file read back, with the record type split off the end of the line.
  t.push_back(textFile("TBVELOR1.TXT", "TVL", {str("REDAK", 249), str("TIP", 1)}));

  // Payment rows taken over from other payroll software.
  t.push_back(
      textFile("TBUPLATE.DAT", "OSI1",
               {str("RBOSOB", 5),    str("MB", 12),           str("MB2", 13),    str("VRSOBV", 2),
                str("VRSTAUPLA", 2), str("IDENTIFIKATOR", 4), str("GODOBRA", 4), str("OBRMJE", 2),
                str("OBRRAZD1", 2),  str("OBRRAZD2", 2),      str("JMBG", 13),   str("PREZIME", 50),
                str("OPCINA", 4),    str("CLANDN", 1),        str("OSNOVA1", 2), str("OSNOVA3", 1),
                str("IZNOS7", 15),   str("IZNOS8", 15),       str("IZNOS9", 15), str("IZNOS10", 15),
                str("IZNOS11", 15)}));
  t.back().rules = {rangeRule("GODOBRA", 2001, 2100, "Obračunska godina")};

  // Transcript of the formal control's findings; a long message continues on a second line.
  t.push_back(textFile("TBIZLAZ2.TXT", "ULZ11",
                       {str("REDBROJ", 5), str("ZNA1", 1), str("KOLONA", 10), str("ZNA2", 1),
                        str("TIP", 1), str("ZNA3", 1), str("GRESKA", 70)}));

  // Export and import of data files, and the control table as comma-separated quoted fields.
  t.push_back(textFile("C:\\TEKSTDAT.TXT", "TXT", {str("RED", 80)}));
  t.push_back(textFile("C:\\TEXTSIF.TXT", "TEK", {str("REDAK", 500)}));

  // Exchanged with other programs with its text in the OEM code page.
  t.push_back(textFile("VEZNAT01.TXT", "VEZ1", {str("LINE", 255)}));
  t.back().oem = true;
}

}  // namespace obrazac::decl
