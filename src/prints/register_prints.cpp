#include "prints/register_prints.h"

#include <cstdio>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "prints/list_frame.h"
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

std::string runningNumber(std::int64_t n) {
  return formatNumber(Decimal(n), "n3");
}

// A code list: the code and its long description wrapped within its column.
struct CodeList {
  std::string_view prefix, title, codeCaption, textCaption;
};

Pages codeListPrint(Context& ctx, const CodeList& list, const Clock& clock) {
  constexpr double kTextX = kListLeft + 22;
  constexpr std::size_t kWrap = 95;
  BandLayout layout(
      listFrame({.title = std::string(list.title),
                 .captions = {{kListLeft, list.codeCaption}, {kTextX, list.textCaption}},
                 .stamp = printStamp(clock)}));
  scanTable(ctx, list.prefix, "KEYSIFRA", [&](const Record& r) {
    const std::string code = field(r, "SIFRA");
    const auto lines = wrapText(field(r, "OPIS"), kWrap);
    const double height = std::max<std::size_t>(lines.size(), 1) * kLineHeight + 1.5;
    layout.add(height, [&](Page& page, double y) {
      put(page, kListLeft, y, code);
      for (std::size_t k = 0; k < lines.size(); ++k)
        page.text(kTextX, y + k * kLineHeight, lines[k]);
    });
    return true;
  });
  return layout.finish();
}

}  // namespace

std::string periodText(int firstDay, int lastDay, int month, int year) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d. - %02d.%02d.%04d.", firstDay % 100, month % 100,
                year % 10000, lastDay % 100, month % 100, year % 10000);
  return text;
}

Pages printPoslodavci(Context& ctx, const Clock& clock) {
  constexpr double kIdX = kListLeft + 12, kNameX = kListLeft + 42;
  BandLayout layout(
      listFrame({.title = "POPIS POSLODAVACA",
                 .captions = {{kListLeft, "Rbr"}, {kIdX, "MB/MBG"}, {kNameX, "Naziv poslodavca"}},
                 .stamp = printStamp(clock)}));
  scanTable(ctx, "POS", "KEYREDBROJ", [&](const Record& r) {
    layout.add(3 * kLineHeight + 1.5, [&](Page& page, double y) {
      putRight(page, kListLeft, 7, y, runningNumber(r.integer(r.index("REDBROJ"))));
      put(page, kIdX, y, obligorIdentifier(r));
      put(page, kNameX, y, field(r, "NAZIV"), FontRole::Heading);
      put(page, kNameX, y + kLineHeight, field(r, "ADRESA"));
      put(page, kNameX + 90, y + kLineHeight, field(r, "TELEFON"));
      put(page, kNameX, y + 2 * kLineHeight, field(r, "EMAIL"));
      put(page, kNameX + 60, y + 2 * kLineHeight, field(r, "KONTAKT"));
    });
    return true;
  });
  return layout.finish();
}

Pages printOsiguranici(Context& ctx, int firma, const Clock& clock) {
  if (readByKey(ctx, "POS", "KEYREDBROJ",
                [&](Record& r) { r.setInteger(r.index("REDBROJ"), firma); }) != 0)
    return {};
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
  constexpr double kAmounts[] = {196, 218, 240, 262}, kAmountWidth = 18;
  BandLayout layout(
      listFrame({.orientation = Orientation::Landscape,
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
                 .top = [&](Page& page, double y) {
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
                 }}));

  static const NumberPicture amount("n10.2");
  const char* amounts[] = {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10"};
  scanTable(
      ctx, "RAD", "KEYRBRFIRME",
      [&](const Record& r) {
        if (r.integer(r.index("REDBROJ")) != firma) return false;
        const auto number = [&](std::string_view f) {
          return static_cast<int>(r.integer(r.index(f)));
        };
        const std::string basis = field(r, "CLANDN") + " " + field(r, "OSNOVA1") + " " +
                                  field(r, "OSNOVA3") + " " + field(r, "OSNOVA4");
        layout.add(kLineHeight + 0.8, [&](Page& page, double y) {
          put(page, kListLeft, y, field(r, "JMBG"));
          put(page, kName, y, field(r, "PREZIME").substr(0, 36));
          put(page, kArea, y, field(r, "OPCINA"));
          put(page, kBasis, y, basis);
          put(page, kPeriod, y,
              periodText(number("ODDANA"), number("DODANA"), number("MJEOBRA"), number("GODOBRA")));
          for (int k = 0; k < 4; ++k)
            putRight(page, kAmounts[k], kAmountWidth, y,
                     amount.format(r.decimal(r.index(amounts[k]))));
        });
        return true;
      },
      [&](Record& r) { r.setInteger(r.index("REDBROJ"), firma); });
  return layout.finish();
}

Pages printVrsteUplata(Context& ctx, const Clock& clock) {
  return codeListPrint(
      ctx, {"VUP", "ŠIFARNIK - VRSTE OBRAČUNA ISPRAVKA", "Oznaka", "Vrsta obračuna/ispravka"},
      clock);
}

Pages printVrsteObveznika(Context& ctx, const Clock& clock) {
  return codeListPrint(
      ctx, {"VOB", "ŠIFARNIK - VRSTE OBVEZNIKA", "Oznaka", "Vrsta obveznika - poslodavca"}, clock);
}

Pages printOsnovOsiguranja(Context& ctx, const Clock& clock) {
  return codeListPrint(ctx, {"TBO", "ŠIFARNIK - OSNOV OSIGURANJA", "Šifra", "Osnov osiguranja"},
                       clock);
}

Pages printStaza(Context& ctx, const Clock& clock) {
  return codeListPrint(
      ctx,
      {"STA", "ŠIFARNIK - STAŽ S UVEĆANIM TRAJANJEM", "Oznaka", "Vrsta staža s uvećanim trajanje"},
      clock);
}

Pages printObracunskiKoeficijenti(Context& ctx) {
  constexpr double kFirst = kListLeft + 45, kSecond = kListLeft + 95, kWidth = 40;
  BandLayout layout(listFrame({.title = "OBRAČUNSKI KEFICIJENTI",
                               .captions = {{kListLeft, "VU VO OO B ČLAN"},
                                            {kFirst, "MO I. STUP", Align::Right, kWidth},
                                            {kSecond, "MO II. STUP", Align::Right, kWidth}}}));
  static const NumberPicture rate("N5`2");
  scanTable(ctx, "STO1", "KEYOSNOV", [&](const Record& r) {
    const std::string combination = field(r, "VRSTOBRACUNA") + " " + field(r, "VRSTAOBVEZNIKA") +
                                    " " + field(r, "OSNOVOBRA") + " " + field(r, "STAZ") + " " +
                                    field(r, "CLANDN");
    const auto rates = [&](const char* a, const char* b) {
      return rate.format(r.decimal(r.index(a))) + "  " + rate.format(r.decimal(r.index(b)));
    };
    layout.add(kLineHeight + 0.8, [&](Page& page, double y) {
      put(page, kListLeft, y, combination);
      putRight(page, kFirst, kWidth, y, rates("PRVISTUP1", "PRVISTUP2"));
      putRight(page, kSecond, kWidth, y, rates("DRUGISTUP1", "DRUGISTUP2"));
    });
    return true;
  });
  return layout.finish();
}

Pages printOpcine(Context& ctx, OpcineOrder order, const Clock& clock) {
  constexpr double kCode = kListLeft + 12, kCity = kListLeft + 30, kName = kListLeft + 42;
  BandLayout layout(listFrame({.title = "ŠIFARNIK - OPĆINE I GRADOVI",
                               .captions = {{kListLeft, "Rbr"},
                                            {kCode, "Oznaka"},
                                            {kCity, "Grad"},
                                            {kName, "Naziv općine ili grada"}},
                               .stamp = printStamp(clock)}));
  const char* key = order == OpcineOrder::RunningNumber ? "KEYREDB"
                    : order == OpcineOrder::Code        ? "KEYSIFRA"
                                                        : "KEYNAZIV";
  scanTable(ctx, "OPC", key, [&](const Record& r) {
    layout.add(kLineHeight + 0.5, [&](Page& page, double y) {
      putRight(page, kListLeft, 7, y, runningNumber(r.integer(r.index("REDBROJ"))));
      put(page, kCode, y, field(r, "SIFRA"));
      put(page, kCity + 2, y, field(r, "GRAD"));
      put(page, kName, y, field(r, "NAZIV"));
    });
    return true;
  });
  return layout.finish();
}

}  // namespace obrazac::prints
