// The printed B pages of "Obrazac R-S": the rows of one form from the print table TBOSIGU1.DAT
// (prefix OSI2), twelve a page on a landscape page, in MBG order or in name order. Filler rows
// (MBG "99999999999" and a two-digit number) fill the last page and print blank. The print
// table is refilled before every print, from the stored rows of a form or from a submission file.
#pragma once

#include <string>
#include <string_view>

#include "data/context.h"
#include "data/record.h"
#include "prints/page.h"

namespace obrazac::prints {

enum class PageBOrder {
  Key,           // StranaB01: MBG, last day of the period, basis, mark, membership
  Alphabetical,  // StranaB03abeceda: name, MBG, basis, mark
};

// What the page header shows and which rows are printed.
struct PageBHeader {
  std::string link;           // the form link whose rows are printed (A:KONVEZA)
  std::string obligorNumber;  // 13 characters, Windows-1250
  std::string identifier;     // 4 characters: characters 4 to 7 of the form's identifier
};

// The obligor's number of the header: the MBG when it is not all zeros, otherwise the MB
// followed by its unit, or by a blank when the unit is "0000"; 13 characters.
std::string obligorNumber(std::string_view mbg, std::string_view mb, std::string_view unit);

// The header values of a form from its page A record.
PageBHeader pageBHeaderOf(const Record& a);

// StranaB01 and StranaB03abeceda. Person numbers count the persons in print order and show on
// each person's first row only; fillers follow every person in both orders. No rows, no pages.
Pages pageBPrint(Context& ctx, const PageBHeader& header, PageBOrder order);

// The B pages of a stored form: the header from its page A (TBOBRAZA.DAT), the print table
// refilled from its rows. No such form, no pages.
Pages pageBPrintOfForm(Context& ctx, std::string_view link, PageBOrder order);

// Refills the print table from the stored page B rows of the form (TBOSIGUR.DAT) in page B
// order and adds the fillers that complete the last page. Returns the store's error code.
int fillPageBPrintTable(Context& ctx, std::string_view link, PageBOrder order);

// Appends the filler rows that complete the last page of `rows` rows to the open print table.
// The fillers of the alphabetical print carry a name that sorts after every person's.
int appendFillerRows(Table& osi2, int rows, std::string_view identifier, std::string_view link,
                     PageBOrder order);

bool isFillerRow(const Record& osi2);

}  // namespace obrazac::prints
