#include "prints/findings_report.h"

#include "check/findings_transcript.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "data/record_format.h"
#include "prints/list_frame.h"
#include "prints/table_scan.h"

namespace obrazac::prints {
namespace {

constexpr double kFieldX = kListLeft + 14, kTypeX = kListLeft + 36, kTextX = kListLeft + 46;

// Line `number` of the checked file as TBIZLAZ.DAT keeps it: the five pieces joined.
std::string checkedLine(Context& ctx, std::int64_t number) {
  if (readByKey(ctx, "ULZ", "KEYVRSTA",
                [&](Record& r) { r.setInteger(r.index("REDBROJ"), number); }) != 0)
    return std::string(submission::kRecordWidth, ' ');
  const Record& r = ctx.table("ULZ").record();
  std::string line;
  for (const char* piece : {"REDAK1", "REDAK2", "REDAK3", "REEDAK4", "REDAK5"})
    line += r.text(r.index(piece));
  return line;
}

std::string cut(std::string_view line, std::string_view code) {
  return utf8FromCp1250(clipRight(submission::fieldByCode(code)->cut(line)));
}

// The header above the title: who sent the file and its first form.
BandLayout::Band fileHeader(const std::string& sender, const std::string& form) {
  return [sender, form](Page& page, double y) {
    page.text(kListLeft, y,
              "Pošiljatelj: " + cut(sender, "RS0MBOO") + " /" + cut(sender, "RS0MBGO") + "  " +
                  cut(sender, "RS0NAOB"),
              FontRole::Heading);
    page.text(kListLeft, y + kLineHeight, cut(sender, "RS0ADOB") + "  " + cut(sender, "RS0OSOB"));
    page.text(kListLeft, y + 2 * kLineHeight + 1,
              "Obveznik: " + cut(form, "RS3MBOO") + " /" + cut(form, "RS3MBGO") +
                  "  Identifikator: " + cut(form, "RS3RBSU") + "  " + cut(form, "RS3NAOB"),
              FontRole::Heading);
    page.text(kListLeft, y + 3 * kLineHeight + 1,
              "Vrsta obračuna: " + cut(form, "RS3VROI") + "  Vrsta obveznika: " +
                  cut(form, "RS3VROB") + "  Mjesec i godina: " + cut(form, "RS3MMGG"));
  };
}

}  // namespace

Pages findingsReport(Context& ctx) {
  const std::string sender = padRight(checkedLine(ctx, 1), submission::kRecordWidth),
                    form = padRight(checkedLine(ctx, 2), submission::kRecordWidth);
  BandLayout layout(listFrame({.title = "IZVJEŠĆE O GREŠKAMA",
                               .captions = {{kListLeft, "Redak"},
                                            {kFieldX, "Kolona"},
                                            {kTypeX, "Tip"},
                                            {kTextX, "Opis greške"}},
                               .aboveTitle = 4 * kLineHeight + 4,
                               .top = fileHeader(sender, form)}));
  static const NumberPicture n5("n5");
  check::forEachFinding(ctx, [&](const check::Finding& f) {
    const std::string message = padRight(f.message, 140);
    const std::string first = utf8FromCp1250(clipRight(message.substr(0, 70))),
                      second = utf8FromCp1250(clipRight(message.substr(70)));
    const int lines = second.empty() ? 2 : 3;
    layout.add(lines * kLineHeight + 1.5, [&](Page& page, double y) {
      page.text(kListLeft, y, n5.format(Decimal(f.line)), FontRole::FixedSmall);
      page.text(kFieldX, y, utf8FromCp1250(f.field), FontRole::FixedSmall);
      page.text(kTypeX, y, std::string(1, static_cast<char>(f.severity)), FontRole::FixedSmall);
      page.text(kTextX, y, utf8FromCp1250(f.context), FontRole::Heading);
      page.text(kTextX, y + kLineHeight, first);
      if (!second.empty()) page.text(kTextX, y + 2 * kLineHeight, second);
    });
  });
  return layout.finish();
}

}  // namespace obrazac::prints
