#include "prints/page_a_print.h"

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "prints/table_scan.h"

namespace obrazac::prints {
namespace {

// The form's positions are measured from the top left corner of its body.
constexpr double kLeft = 6;
constexpr double kTop = 14;
constexpr double kSmallBox = 6;  // amount, MB and MBG boxes
constexpr double kWideBox = 7;   // boxes of section I

class FormBody {
 public:
  explicit FormBody(Page& page) : page_(page) {}

  void text(double x, double y, std::string_view utf8, FontRole role = FontRole::Body) {
    page_.text(kLeft + x, kTop + y, utf8, role);
  }
  // Boxes whose text line has its top at y: the boxes start a millimetre higher.
  void boxes(std::string label, double x, double y, double boxWidth,
             std::vector<std::string> chars) {
    page_.boxes({.x = kLeft + x,
                 .y = kTop + y - 1,
                 .boxWidth = boxWidth,
                 .height = kSmallBox,
                 .chars = std::move(chars),
                 .label = std::move(label)});
  }
  void frame(double x, double y, double width, double height) {
    page_.rect(kLeft + x, kTop + y, width, height, 0.4);
  }
  void line(double x1, double y1, double x2, double y2) {
    page_.line(kLeft + x1, kTop + y1, kLeft + x2, kTop + y2);
  }

 private:
  Page& page_;
};

std::string field(const Record& r, std::string_view name) {
  return r.text(r.index(name));
}

// I.1: characters 4 to 7 of the identifier, or 5 to 7 and a blank when the 4th is "0".
std::string identifierBoxes(std::string_view identifier) {
  const std::string id = padRight(identifier, 7);
  return id[3] == '0' ? id.substr(4, 3) + " " : id.substr(3, 4);
}

std::string count5(const Record& a, std::string_view name) {
  return formatNumber(Decimal(a.integer(a.index(name))), "N05");
}

// "1 2 3 4 5 6 7 8 9 0": one group of the control number.
std::string spacedGroup(std::string_view group) {
  std::string spaced;
  for (char c : group) {
    if (!spaced.empty()) spaced += ' ';
    spaced += c;
  }
  return utf8FromCp1250(spaced);
}

void drawCaptions(FormBody& f) {
  f.text(2, 2, "VELOR - Velor", FontRole::Heading);
  f.text(145, 1, "OBRAZAC R - Sm", FontRole::Title);
  f.text(170, 9, "Stranica A", FontRole::Heading);
  f.text(0, 18, "SPECIFIKACIJA PO OSIGURANICIMA", FontRole::Title);
  f.text(1, 23, "O OBRAČUNANIM DOPRINOSIMA ZA OBVEZNA MIROVINSKA OSIGURANJA", FontRole::Title);

  f.frame(4, 32, 193, 36);
  f.text(7, 35, "I. OSNOVNI PODACI", FontRole::Heading);
  f.text(7, 43, "1. IDENTIFIKATOR OBRASCA");
  f.text(7, 49, "2. PODACI ZA");
  f.text(38, 49, "Mjesec");
  f.text(67, 49, "Godinu");
  f.text(112, 49, "3.VRSTA OBRAČUNA/ISPRAVKA");
  f.text(7, 55, "4. Broj osiguranika za koje se podnosi obrazac R-Sm");
  f.text(7, 61, "5. Broj stranica B koje se prilažu stranici A");

  f.frame(4, 74, 193, 41);
  f.text(8, 77, "II. PODACI O OBVEZNIKU PODNOŠENJA PODATAKA", FontRole::Heading);
  f.text(8, 84, "1.  MB OBVEZNIKA");
  f.text(85, 86, "ILI", FontRole::Small);
  f.text(8, 90, "2. MBG OBVEZNIKA");
  f.text(8, 96, "3. NAZIV/PREZIME I IME OBVEZNIKA");
  f.text(8, 102, "4.  ADRESA OBVEZNIKA");
  f.text(8, 108, "5. VRSTA OBVEZNIKA");
  f.line(80, 100.5, 194, 100.5);
  f.line(80, 106.5, 194, 106.5);

  f.text(143, 119, "/ iznosi u kunama s lipama /", FontRole::Small);
  f.frame(4, 123, 193, 44);
  f.text(6, 125, "III. KONTROLNI PODACI PO OBVEZNIKU PODNOŠENJA PODATAKA", FontRole::Heading);
  f.text(7, 131, "1. Iznos obračunane plaće/naknade/drugog dohotka");
  f.text(8, 137, "2. Iznos osnovice za obračun doprinosa");
  f.text(8, 143, "3. Iznos obračunanog doprinosa za I. stup");
  f.text(8, 149, "4. Iznos obračunanog doprinosa za II. stup");
  f.text(8, 155, "5. Iznos isplaćene plaće/naknade/drugog dohotka");
  f.text(8, 160, "6. Godina i mjesec isplate plaće/naknade/dohotka");
  f.text(171, 161, ".", FontRole::Fixed);

  f.frame(4, 172, 193, 10);
  f.line(72, 194, 180, 194);
  f.text(72, 196, "(POTPIS OVLAŠTENE OSOBE OBVEZNIKA PODNOŠENJA PODATAKA)", FontRole::Small);
  f.text(140, 211, "M.P.");

  f.frame(0, 220, 197, 32);
  f.text(3, 223, "POPUNJAVA VELOR", FontRole::Heading);
  f.text(4, 234, "Datum zaprimanja");
  f.line(45, 238, 120, 238);
  f.text(4, 243, "Pečat i potpis službene osobe");
  f.line(60, 247, 140, 247);
}

}  // namespace

PrintFlag printFlagOf(char flag) {
  return flag == 'D' ? PrintFlag::ControlNumber : PrintFlag::PageCount;
}

Page pageAOf(const Record& a, PrintFlag flag) {
  Page page;
  FormBody f(page);
  drawCaptions(f);

  f.boxes("I.1", 159, 43, kWideBox, boxChars(identifierBoxes(field(a, "IDENTIFIKATOR")), 4));
  f.boxes("I.2 mjesec", 52, 49, kWideBox, boxChars(field(a, "OBRMJE"), 2));
  f.boxes("I.2 godina", 83, 49, kWideBox, boxChars(field(a, "OBRGOD"), 4));
  f.boxes("I.3", 173, 49, kWideBox, boxChars(field(a, "VRSUPLA"), 2));
  f.boxes("I.4", 152, 55, kWideBox, boxChars(count5(a, "BROJOSIG"), 5));
  const bool controlNumber = flag == PrintFlag::ControlNumber;
  f.boxes("I.5", 152, 61, kWideBox, boxChars(controlNumber ? "" : count5(a, "BROJSTRANA"), 5));

  const std::string mb = field(a, "MB01"), unit = field(a, "MB02"), mbg = field(a, "JMBG");
  const bool noMB = mb == "00000000";
  f.boxes("II.1", 109, 84, kSmallBox, boxChars(noMB ? "" : mb, 8));
  f.boxes("II.1 jedinica", 163, 84, kSmallBox, boxChars(noMB || unit == "0000" ? "" : unit, 4));
  f.boxes("II.2", 109, 90, kSmallBox, boxChars(mbg == "0000000000000" ? "" : mbg, 13));
  f.text(80, 96, utf8FromCp1250(clipRight(field(a, "NAZIV").substr(0, 50))), FontRole::Fixed);
  f.text(80, 102, utf8FromCp1250(clipRight(field(a, "ADRESA").substr(0, 50))), FontRole::Fixed);
  f.boxes("II.5", 175, 108, kSmallBox, boxChars(field(a, "VRSTOBVEZNIKA"), 2));

  // A negative total (a correction) keeps its minus sign in the box before its first digit; the
  // sign's place is taken only then, so a positive total keeps all twelve boxes.
  static const NumberPicture total("N_12`2"), negativeTotal("N-_12`2");
  const char* totals[] = {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"};
  for (int k = 0; k < 5; ++k) {
    const Decimal value = a.decimal(a.index(totals[k]));
    const NumberPicture& picture = value < Decimal() ? negativeTotal : total;
    f.boxes("III." + std::to_string(k + 1), 121, 131 + 6 * k, kSmallBox,
            boxChars(picture.format(value), 12));
  }
  // Item 6 stands only five millimetres under item 5: its boxes sit a millimetre lower.
  f.boxes("III.6 godina", 146, 161, kSmallBox, boxChars(field(a, "GODPLA"), 4));
  f.boxes("III.6 mjesec", 175, 161, kSmallBox, boxChars(field(a, "MJEPLA"), 2));

  if (controlNumber) {
    const std::string digits = padRight(field(a, "KONZNAK"), 43);
    const double groupX[] = {7, 53, 100, 147};
    for (int g = 0; g < 4; ++g)
      f.text(groupX[g], 176, spacedGroup(std::string_view(digits).substr(11 * g, 10)),
             FontRole::Fixed);
    for (double x : {46.0, 93.0, 141.0}) f.text(x, 176, " - ", FontRole::Fixed);
  }
  return page;
}

Pages pageAPrint(Context& ctx, std::string_view link, PrintFlag flag) {
  Pages pages;
  scanTable(
      ctx, "A", "KEYIDENTIKATOR",
      [&](const Record& a) {
        if (clipRight(field(a, "KONVEZA")) != clipRight(link)) return false;
        pages.push_back(pageAOf(a, flag));
        return true;
      },
      [&](Record& a) { a.setText(a.index("KONVEZA"), link); });
  return pages;
}

Pages pageAPrintCollective(Context& ctx, PrintFlag flag) {
  std::vector<std::string> links;
  scanTable(ctx, "TBT", "KEYIDENTIKATOR", [&](const Record& tbt) {
    links.push_back(field(tbt, "IDENTIFIKATOR"));
    return true;
  });
  Pages pages;
  for (const auto& link : links) {
    Pages one = pageAPrint(ctx, link, flag);
    for (auto& p : one) pages.push_back(std::move(p));
  }
  return pages;
}

}  // namespace obrazac::prints
