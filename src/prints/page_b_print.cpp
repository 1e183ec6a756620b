#include "prints/page_b_print.h"

#include <algorithm>
#include <optional>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "form/page_b.h"
#include "prints/table_scan.h"
#include "submission/work_files.h"

namespace obrazac::prints {
namespace {

constexpr double kLeft = 12;
constexpr double kTop = 10;
constexpr double kTableTop = 26;    // top rule of the column headings
constexpr double kNumbersTop = 46;  // the row of column numbers
constexpr double kRowsTop = 52;
constexpr double kRowHeight = 10;
constexpr double kFooterTop = kRowsTop + form::kRowsPerPage * kRowHeight + 4;
constexpr std::string_view kFillerMbg = "99999999999";

std::string field(const Record& r, std::string_view name) {
  return r.text(r.index(name));
}

// One column of the table: its left edge and width in the body, the heading lines and the
// column number printed under them.
struct Column {
  double x, width;
  std::vector<std::string_view> heading;
};

const std::vector<Column>& columns() {
  static const std::vector<Column> all = {
      {10, 9, {"Red.", "broj"}},
      {19, 25, {"MBG osiguranika"}},
      {44, 59, {"Prezime i ime osiguranika"}},
      {103, 13, {"Šifra", "općine/", "grada rada"}},
      {116, 11, {"Osnova", "obračuna", "OO"}},
      {127, 30, {"Razdoblje", "s istom", "osnovom", "obračuna"}},
      {157, 22.2, {"Iznos", "obračunane", "plaće/naknade/", "drugog dohotka"}},
      {179.2, 22.2, {"Iznos", "osnovice za", "obračun", "doprinosa"}},
      {201.4, 22.2, {"Iznos", "obračunanog", "doprinosa", "za I. stup"}},
      {223.6, 22.2, {"Iznos", "obračunanog", "doprinosa", "za II. stup"}},
      {245.8, 22.2, {"Iznos", "isplaćene", "plaće/naknade/", "drugog dohotka"}},
  };
  return all;
}

// The sub-columns of column 6: mark of extended service, first and last day.
constexpr double kMarkX = 127, kFromX = 135, kToX = 146, kPeriodEnd = 157;
constexpr double kTableEnd = 268;

class SheetBody {
 public:
  explicit SheetBody(Page& page) : page_(page) {}

  void text(double x, double y, std::string_view utf8, FontRole role = FontRole::Body) {
    page_.text(kLeft + x, kTop + y, utf8, role);
  }
  void cell(double x, double width, double y, std::string_view utf8, FontRole role, Align align) {
    page_.text({.x = kLeft + x + 0.8,
                .y = kTop + y,
                .text = std::string(utf8),
                .role = role,
                .align = align,
                .width = width - 1.6});
  }
  void line(double x1, double y1, double x2, double y2, double weight = 0.2) {
    page_.line(kLeft + x1, kTop + y1, kLeft + x2, kTop + y2, weight);
  }

 private:
  Page& page_;
};

void drawSheet(Page& page, const PageBHeader& header, int pageNumber) {
  SheetBody s(page);
  s.text(11, 2, "VELOR", FontRole::Heading);
  s.text(79, 2, "MB/MBG obveznika " + utf8FromCp1250(padRight(header.obligorNumber, 13)));
  s.text(147, 2, "Identifikator obrasca " + utf8FromCp1250(padRight(header.identifier, 4)));
  s.text(224, 1, "OBRAZAC R-Sm", FontRole::Title);
  s.text(254, 7, "stranica B", FontRole::Heading);
  s.text(233, 11, "Broj stranice: " + formatNumber(Decimal(pageNumber), "N05"));
  s.text(226, 15, "/iznosi u kunama s lipama/", FontRole::Small);
  s.text(10, 21, "IV. PODACI PO OSIGURANICIMA", FontRole::Heading);

  const double bottom = kRowsTop + form::kRowsPerPage * kRowHeight;
  s.line(10, kTableTop, kTableEnd, kTableTop, 0.4);
  s.line(10, kNumbersTop, kTableEnd, kNumbersTop);
  s.line(10, kRowsTop, kTableEnd, kRowsTop, 0.4);
  s.line(10, bottom, kTableEnd, bottom, 0.4);
  for (int row = 1; row < form::kRowsPerPage; ++row)
    s.line(10, kRowsTop + row * kRowHeight, kTableEnd, kRowsTop + row * kRowHeight, 0.1);
  s.line(kTableEnd, kTableTop, kTableEnd, bottom, 0.4);

  int number = 1;
  for (const Column& c : columns()) {
    s.line(c.x, kTableTop, c.x, bottom, c.x == 10 ? 0.4 : 0.2);
    double y = kTableTop + 1;
    for (std::string_view h : c.heading) {
      s.cell(c.x, c.width, y, h, FontRole::Small, Align::Center);
      y += 3.3;
    }
    s.cell(c.x, c.width, kNumbersTop + 1.5, std::to_string(number++), FontRole::Small,
           Align::Center);
  }
  // Column 6 splits into the mark and the two days.
  s.line(kMarkX, kTableTop + 15, kPeriodEnd, kTableTop + 15);
  for (double x : {kFromX, kToX}) s.line(x, kTableTop + 15, x, bottom, 0.1);
  s.cell(kMarkX, kFromX - kMarkX, kTableTop + 15.5, "B", FontRole::Small, Align::Center);
  s.cell(kFromX, kToX - kFromX, kTableTop + 15.5, "OD", FontRole::Small, Align::Center);
  s.cell(kToX, kPeriodEnd - kToX, kTableTop + 15.5, "DO", FontRole::Small, Align::Center);

  s.text(58, kFooterTop + 3, "M.P.");
  s.line(115, kFooterTop + 3, 235, kFooterTop + 3);
  s.text(119, kFooterTop + 4, "(POTPIS OVLAŠTENE OSOBE OBVEZNIKA PODNOŠENJA PODATAKA)",
         FontRole::Small);
}

// One printed row; `number` is 0 on a person's further rows.
void drawRow(Page& page, int slot, const Record& r, int number) {
  SheetBody s(page);
  const double y = kRowsTop + slot * kRowHeight + 3;
  const auto& cols = columns();
  const auto cell = [&](double x, double width, const std::string& cp1250, Align align) {
    s.cell(x, width, y, utf8FromCp1250(cp1250), FontRole::FixedSmall, align);
  };
  if (number > 0) cell(cols[0].x, cols[0].width, formatNumber(Decimal(number), "n4"), Align::Right);
  cell(cols[1].x, cols[1].width, field(r, "JMBG"), Align::Left);
  cell(cols[2].x, cols[2].width, std::string(clipRight(field(r, "PREZIME").substr(0, 34))),
       Align::Left);
  cell(cols[3].x, cols[3].width, field(r, "OPCINA"), Align::Center);
  cell(cols[4].x, cols[4].width, field(r, "OSNOVA1"), Align::Center);
  cell(kMarkX, kFromX - kMarkX, field(r, "OSNOVA3"), Align::Center);
  cell(kFromX, kToX - kFromX, formatNumber(Decimal(r.integer(r.index("OBRRAZD1"))), "N02"),
       Align::Center);
  cell(kToX, kPeriodEnd - kToX, formatNumber(Decimal(r.integer(r.index("OBRRAZD2"))), "N02"),
       Align::Center);
  static const NumberPicture amount("N-12.`2");
  const char* amounts[] = {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"};
  for (int k = 0; k < 5; ++k)
    cell(cols[6 + k].x, cols[6 + k].width, amount.format(r.decimal(r.index(amounts[k]))),
         Align::Right);
}

// Field by field, since the two tables share a layout but not a declaration.
void copyRow(const Record& from, Record& to) {
  for (int i = 0; i < from.fieldCount(); ++i) {
    const int j = to.index(from.field(i).name);
    if (isTextField(from.field(i)))
      to.setText(j, from.text(i));
    else if (from.field(i).type == FieldType::Decimal)
      to.setUnits(j, from.units(i));
    else
      to.setInteger(j, from.integer(i));
  }
}

}  // namespace

bool isFillerRow(const Record& osi2) {
  return field(osi2, "JMBG").starts_with(kFillerMbg);
}

std::string obligorNumber(std::string_view mbg, std::string_view mb, std::string_view unit) {
  if (mbg != "0000000000000") return padRight(mbg, 13);
  return padRight(std::string(mb) + (unit == "0000" ? std::string(" ") : std::string(unit)), 13);
}

PageBHeader pageBHeaderOf(const Record& a) {
  return {.link = field(a, "KONVEZA"),
          .obligorNumber = obligorNumber(field(a, "JMBG"), field(a, "MB01"), field(a, "MB02")),
          .identifier = field(a, "IDENTIFIKATOR").substr(3, 4)};
}

Pages pageBPrint(Context& ctx, const PageBHeader& header, PageBOrder order) {
  std::vector<Record> persons, fillers;
  const std::string link = padRight(header.link, 9);
  scanTable(
      ctx, "OSI2", order == PageBOrder::Key ? "KEYOBRGODMJE" : "KEYPREZIME",
      [&](const Record& r) {
        if (field(r, "KONVEZA") != link) return false;
        (isFillerRow(r) ? fillers : persons).push_back(r);
        return true;
      },
      [&](Record& r) { r.setText(r.index("KONVEZA"), link); });
  if (persons.empty()) return {};

  Pages pages;
  std::string previousMbg;
  int person = 0, slot = form::kRowsPerPage;
  const auto place = [&](const Record& r, int number) {
    if (slot == form::kRowsPerPage) {
      Page& page = pages.emplace_back();
      page.orientation = Orientation::Landscape;
      drawSheet(page, header, static_cast<int>(pages.size()));
      slot = 0;
    }
    if (!isFillerRow(r)) drawRow(pages.back(), slot, r, number);
    ++slot;
  };
  for (const Record& r : persons) {
    const std::string mbg = field(r, "JMBG");
    place(r, mbg != previousMbg ? ++person : 0);
    previousMbg = mbg;
  }
  for (const Record& r : fillers) place(r, 0);
  return pages;
}

int appendFillerRows(Table& osi2, int rows, std::string_view identifier, std::string_view link,
                     PageBOrder order) {
  const int missing =
      rows % form::kRowsPerPage == 0 ? 0 : form::kRowsPerPage - rows % form::kRowsPerPage;
  Record& r = osi2.record();
  for (int i = 1; i <= missing; ++i) {
    osi2.clear();
    r.setText(r.index("IDENTIFIKATOR"), identifier);
    r.setText(r.index("KONVEZA"), link);
    r.setText(r.index("JMBG"), std::string(kFillerMbg) + (i < 10 ? "0" : "") + std::to_string(i));
    if (order == PageBOrder::Alphabetical) r.setText(r.index("PREZIME"), std::string(21, '\x8A'));
    if (const int rc = osi2.add()) return rc;
  }
  return 0;
}

Pages pageBPrintOfForm(Context& ctx, std::string_view link, PageBOrder order) {
  std::optional<PageBHeader> header;
  scanTable(
      ctx, "A", "KEYIDENTIKATOR",
      [&](const Record& a) {
        if (clipRight(a.text(a.index("KONVEZA"))) == clipRight(link)) header = pageBHeaderOf(a);
        return false;
      },
      [&](Record& a) { a.setText(a.index("KONVEZA"), link); });
  if (!header || fillPageBPrintTable(ctx, link, order) != 0) return {};
  return pageBPrint(ctx, *header, order);
}

int fillPageBPrintTable(Context& ctx, std::string_view link, PageBOrder order) {
  Table& osi2 = ctx.table("OSI2");
  const auto prepared = submission::prepareWorkFile(osi2);
  if (!prepared.ok()) return prepared.code;
  // The rows go in as one transaction: one write to the disk for the whole form, not one per row.
  const bool grouped = osi2.begin() == 0;
  int rows = 0, rc = 0;
  std::string identifier;
  const int walk = form::forEachFormRow(ctx, link, [&](const Record& osi) {
    osi2.clear();
    copyRow(osi, osi2.record());
    identifier = field(osi, "IDENTIFIKATOR");
    ++rows;
    rc = osi2.add();
    return rc == 0;
  });
  if (rc == 0) rc = walk;
  if (rc == 0) rc = appendFillerRows(osi2, rows, identifier, link, order);
  if (grouped) {
    if (rc == 0)
      rc = osi2.commit();
    else
      osi2.rollback();
  }
  submission::reopenShared(osi2);
  return rc;
}

}  // namespace obrazac::prints
