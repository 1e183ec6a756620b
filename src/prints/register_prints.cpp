#include "prints/register_prints.h"

#include <cstdio>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "prints/list_frame.h"
#include "prints/record_report.h"
#include "prints/table_scan.h"

namespace obrazac::prints {
namespace {

std::string field(const Record& r, std::string_view name) {
  return r.text(r.index(name));
}

// A field as printed: UTF-8 without its trailing blanks.
std::string shown(std::string_view cp1250) {
  return utf8FromCp1250(clipRight(cp1250));
}

void put(Page& page, double x, double y, std::string_view cp1250, FontRole role = FontRole::Body) {
  page.text(x, y, shown(cp1250), role);
}

void putRight(Page& page, double x, double width, double y, std::string_view cp1250) {
  page.text({.x = x, .y = y, .text = shown(cp1250), .align = Align::Right, .width = width});
}

// "MB/MBG" of an obligor: the MB, a blank and its unit when there is no MBG (blank, or the
// zeros a new obligor starts with), else the MBG.
std::string obligorIdentifier(const Record& pos) {
  const std::string mbg = field(pos, "JMBG");
  return isBlank(mbg) || mbg == "0000000000000" ? field(pos, "MB01") + " " + field(pos, "MB02")
                                                : mbg;
}

// The space left between a clipped column and the next.
constexpr double kColumnGap = 1.5;

std::string runningNumber(std::int64_t n) {
  return formatNumber(Decimal(n), "n3");
}

// A code list: the code and its long description wrapped within its column.
struct CodeList {
  std::string_view prefix, title, codeCaption, textCaption;
};

std::unique_ptr<RecordReport> codeListReport(const CodeList& list, const Clock& clock) {
  constexpr double kTextX = kListLeft + 22;
  constexpr std::size_t kWrap = 95;
  return std::make_unique<RecordReport>(
      list.prefix, "KEYSIFRA",
      listFrame({.title = std::string(list.title),
                 .captions = {{kListLeft, list.codeCaption}, {kTextX, list.textCaption}},
                 .stamp = printStamp(clock)}),
      [](BandLayout& layout, const Record& r) {
        const std::string code = field(r, "SIFRA");
        const auto lines = wrapText(field(r, "OPIS"), kWrap);
        const double height = std::max<std::size_t>(lines.size(), 1) * kLineHeight + 1.5;
        layout.add(height, [&](Page& page, double y) {
          put(page, kListLeft, y, code);
          for (std::size_t k = 0; k < lines.size(); ++k)
            page.text(kTextX, y + k * kLineHeight, lines[k]);
        });
      });
}

constexpr CodeList kVrsteUplata{"VUP", "ŠIFARNIK - VRSTE OBRAČUNA ISPRAVKA", "Oznaka",
                                "Vrsta obračuna/ispravka"};
constexpr CodeList kVrsteObveznika{"VOB", "ŠIFARNIK - VRSTE OBVEZNIKA", "Oznaka",
                                   "Vrsta obveznika - poslodavca"};
constexpr CodeList kOsnovOsiguranja{"TBO", "ŠIFARNIK - OSNOV OSIGURANJA", "Šifra",
                                    "Osnov osiguranja"};
constexpr CodeList kStaza{"STA", "ŠIFARNIK - STAŽ S UVEĆANIM TRAJANJEM", "Oznaka",
                          "Vrsta staža s uvećanim trajanje"};

}  // namespace

std::string periodText(int firstDay, int lastDay, int month, int year) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d. - %02d.%02d.%04d.", firstDay % 100, month % 100,
                year % 10000, lastDay % 100, month % 100, year % 10000);
  return text;
}

std::unique_ptr<RecordReport> poslodavciReport(const Clock& clock) {
  constexpr double kIdX = kListLeft + 12, kNameX = kListLeft + 42;
  return std::make_unique<RecordReport>(
      "POS", "KEYREDBROJ",
      listFrame({.title = "POPIS POSLODAVACA",
                 .captions = {{kListLeft, "Rbr"}, {kIdX, "MB/MBG"}, {kNameX, "Naziv poslodavca"}},
                 .stamp = printStamp(clock)}),
      [](BandLayout& layout, const Record& r) {
        layout.add(3 * kLineHeight + 1.5, [&](Page& page, double y) {
          putRight(page, kListLeft, 7, y, runningNumber(r.integer(r.index("REDBROJ"))));
          put(page, kIdX, y, obligorIdentifier(r));
          put(page, kNameX, y, field(r, "NAZIV"), FontRole::Heading);
          put(page, kNameX, y + kLineHeight, field(r, "ADRESA"));
          put(page, kNameX + 90, y + kLineHeight, field(r, "TELEFON"));
          put(page, kNameX, y + 2 * kLineHeight, field(r, "EMAIL"));
          put(page, kNameX + 60, y + 2 * kLineHeight, field(r, "KONTAKT"));
        });
      });
}

Pages printPoslodavci(Context& ctx, const Clock& clock) {
  return buildReport(ctx, *poslodavciReport(clock));
}

std::unique_ptr<RecordReport> osiguraniciReport(Context& ctx, int firma, const Clock& clock) {
  if (readByKey(ctx, "POS", "KEYREDBROJ",
                [&](Record& r) { r.setInteger(r.index("REDBROJ"), firma); }) != 0)
    return nullptr;
  const Record& pos = ctx.table("POS").record();
  const std::string name = padRight(field(pos, "NAZIV"), 50),
                    address = padRight(field(pos, "ADRESA"), 50),
                    phone = padRight(obligorIdentifier(pos), 13) +
                            ",  tel: " + padRight(field(pos, "TELEFON"), 40),
                    contact = padRight(
                        std::string(clipRight(field(pos, "KONTAKT"))) + " " + field(pos, "EMAIL"),
                        60),
                    stamp = printStamp(clock);

  // Columns of the detail band and of the captions, on a landscape page.
  constexpr double kName = 40, kArea = 112, kBasis = 126, kPeriod = 152;
  static constexpr double kAmounts[] = {196, 218, 240, 262}, kAmountWidth = 18;
  auto frame = listFrame({.orientation = Orientation::Landscape,
                          .title = "O S I G U R A N I C I",
                          .captions = {{kListLeft, "MBG"},
                                       {kName, "Prezime i ime"},
                                       {kArea, "Općina"},
                                       {kBasis, "Osnov"},
                                       {kPeriod, "Razdoblje od - do"},
                                       {kAmounts[0], "Iznos plaće", Align::Right, kAmountWidth},
                                       {kAmounts[1], "Osnovica", Align::Right, kAmountWidth},
                                       {kAmounts[2], "I. stup", Align::Right, kAmountWidth},
                                       {kAmounts[3], "II. stup", Align::Right, kAmountWidth}},
                          .aboveTitle = 4 * kLineHeight + 3,
                          .top = [=](Page& page, double y) {
                            put(page, kListLeft, y, name, FontRole::Heading);
                            page.text({.x = kListLeft,
                                       .y = y,
                                       .text = stamp,
                                       .role = FontRole::Small,
                                       .align = Align::Right,
                                       .width = page.width() - 2 * kListLeft});
                            put(page, kListLeft, y + kLineHeight, address);
                            put(page, kListLeft, y + 2 * kLineHeight, phone);
                            put(page, kListLeft, y + 3 * kLineHeight, contact);
                          }});

  static const NumberPicture amount("n10.2");
  static constexpr const char* amounts[] = {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10"};
  return std::make_unique<RecordReport>(
      "RAD", "KEYRBRFIRME", std::move(frame),
      [](BandLayout& layout, const Record& r) {
        const auto number = [&](std::string_view f) {
          return static_cast<int>(r.integer(r.index(f)));
        };
        const std::string basis = field(r, "CLANDN") + " " + field(r, "OSNOVA1") + " " +
                                  field(r, "OSNOVA3") + " " + field(r, "OSNOVA4");
        layout.add(kLineHeight + 0.8, [&](Page& page, double y) {
          put(page, kListLeft, y, field(r, "JMBG"));
          page.text({.x = kName,
                     .y = y,
                     .text = shown(field(r, "PREZIME").substr(0, 36)),
                     .width = kArea - kName - kColumnGap,
                     .clip = true});
          put(page, kArea, y, field(r, "OPCINA"));
          put(page, kBasis, y, basis);
          put(page, kPeriod, y,
              periodText(number("ODDANA"), number("DODANA"), number("MJEOBRA"), number("GODOBRA")));
          for (int k = 0; k < 4; ++k)
            putRight(page, kAmounts[k], kAmountWidth, y,
                     amount.format(r.decimal(r.index(amounts[k]))));
        });
      },
      [firma](Record& r) { r.setInteger(r.index("REDBROJ"), firma); },
      [firma](const Record& r) { return r.integer(r.index("REDBROJ")) == firma; });
}

Pages printOsiguranici(Context& ctx, int firma, const Clock& clock) {
  const auto report = osiguraniciReport(ctx, firma, clock);
  return report ? buildReport(ctx, *report) : Pages();
}

std::unique_ptr<RecordReport> vrsteUplataReport(const Clock& clock) {
  return codeListReport(kVrsteUplata, clock);
}
std::unique_ptr<RecordReport> vrsteObveznikaReport(const Clock& clock) {
  return codeListReport(kVrsteObveznika, clock);
}
std::unique_ptr<RecordReport> osnovOsiguranjaReport(const Clock& clock) {
  return codeListReport(kOsnovOsiguranja, clock);
}
std::unique_ptr<RecordReport> stazaReport(const Clock& clock) {
  return codeListReport(kStaza, clock);
}

Pages printVrsteUplata(Context& ctx, const Clock& clock) {
  return buildReport(ctx, *vrsteUplataReport(clock));
}
Pages printVrsteObveznika(Context& ctx, const Clock& clock) {
  return buildReport(ctx, *vrsteObveznikaReport(clock));
}
Pages printOsnovOsiguranja(Context& ctx, const Clock& clock) {
  return buildReport(ctx, *osnovOsiguranjaReport(clock));
}
Pages printStaza(Context& ctx, const Clock& clock) {
  return buildReport(ctx, *stazaReport(clock));
}

std::unique_ptr<RecordReport> obracunskiKoeficijentiReport() {
  constexpr double kFirst = kListLeft + 45, kSecond = kListLeft + 95, kWidth = 40;
  // Each code of the combination in a column of its own, so a blank code (no increased
  // duration) leaves its column empty and the next ones stay in line.
  struct CodeColumn {
    double x;
    std::string_view caption, field;
  };
  static constexpr CodeColumn kCodes[] = {{kListLeft, "VU", "VRSTOBRACUNA"},
                                          {kListLeft + 7, "VO", "VRSTAOBVEZNIKA"},
                                          {kListLeft + 14, "OO", "OSNOVOBRA"},
                                          {kListLeft + 21, "B", "STAZ"},
                                          {kListLeft + 26, "ČLAN", "CLANDN"}};
  std::vector<Caption> captions;
  for (const CodeColumn& c : kCodes) captions.push_back({c.x, c.caption});
  captions.push_back({kFirst, "MO I. STUP", Align::Right, kWidth});
  captions.push_back({kSecond, "MO II. STUP", Align::Right, kWidth});
  static const NumberPicture rate("N5`2");
  return std::make_unique<RecordReport>(
      "STO1", "KEYOSNOV", listFrame({.title = "OBRAČUNSKI KEFICIJENTI", .captions = captions}),
      [](BandLayout& layout, const Record& r) {
        const auto rates = [&](const char* a, const char* b) {
          return rate.format(r.decimal(r.index(a))) + "  " + rate.format(r.decimal(r.index(b)));
        };
        layout.add(kLineHeight + 0.8, [&](Page& page, double y) {
          for (const CodeColumn& c : kCodes) put(page, c.x, y, field(r, c.field));
          putRight(page, kFirst, kWidth, y, rates("PRVISTUP1", "PRVISTUP2"));
          putRight(page, kSecond, kWidth, y, rates("DRUGISTUP1", "DRUGISTUP2"));
        });
      });
}

Pages printObracunskiKoeficijenti(Context& ctx) {
  return buildReport(ctx, *obracunskiKoeficijentiReport());
}

std::unique_ptr<RecordReport> opcineReport(OpcineOrder order, const Clock& clock) {
  constexpr double kCode = kListLeft + 12, kCity = kListLeft + 30, kName = kListLeft + 42;
  const char* key = order == OpcineOrder::RunningNumber ? "KEYREDB"
                    : order == OpcineOrder::Code        ? "KEYSIFRA"
                                                        : "KEYNAZIV";
  return std::make_unique<RecordReport>("OPC", key,
                                        listFrame({.title = "ŠIFARNIK - OPĆINE I GRADOVI",
                                                   .captions = {{kListLeft, "Rbr"},
                                                                {kCode, "Oznaka"},
                                                                {kCity, "Grad"},
                                                                {kName, "Naziv općine ili grada"}},
                                                   .stamp = printStamp(clock)}),
                                        [](BandLayout& layout, const Record& r) {
                                          layout.add(kLineHeight + 0.5, [&](Page& page, double y) {
                                            putRight(page, kListLeft, 7, y,
                                                     runningNumber(r.integer(r.index("REDBROJ"))));
                                            put(page, kCode, y, field(r, "SIFRA"));
                                            put(page, kCity + 2, y, field(r, "GRAD"));
                                            put(page, kName, y, field(r, "NAZIV"));
                                          });
                                        });
}

Pages printOpcine(Context& ctx, OpcineOrder order, const Clock& clock) {
  return buildReport(ctx, *opcineReport(order, clock));
}

}  // namespace obrazac::prints
