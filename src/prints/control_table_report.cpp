#include "prints/control_table_report.h"

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "prints/list_frame.h"
#include "prints/table_scan.h"
#include "submission/work_files.h"

namespace obrazac::prints {
namespace {

constexpr const char* kFields[] = {"VOB",    "VOI",    "OO",      "OBRMJE", "GODINA",
                                   "DANOD",  "DANDO",  "PLAGOD",  "PLAMJE", "IZNOS7",
                                   "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"};

std::string field(const Record& r, std::string_view name) {
  return r.text(r.index(name));
}

// Closes, opens exclusively and empties the text copy; false (and the failure shown) when a
// step fails.
bool emptyTextCopy(Table& file, RunReporter& reporter) {
  file.close();
  const std::string_view step = file.open(AccessMode::DenyAll) != 0 ? "Open TEXTSIF "
                                : file.empty() != 0                 ? "Empty TEXTSIF "
                                                                    : "";
  if (step.empty()) return true;
  reporter.message(std::string(step) + std::string(file.errorText()));
  return false;
}

}  // namespace

std::string controlTablePrintedLine(const Record& vez) {
  const std::string four(4, ' ');
  std::string line = field(vez, "OO") + four + field(vez, "OBRMJE") + " " + field(vez, "GODINA") +
                     four + field(vez, "DANOD") + " " + field(vez, "DANDO") + four +
                     field(vez, "PLAGOD") + " " + field(vez, "PLAMJE") + four;
  for (const char* amount : {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"})
    line += field(vez, amount) + (std::string_view(amount) == "IZNOS11" ? "" : " ");
  return padRight(line, 60);
}

std::string controlTableTextLine(const Record& vez) {
  std::string line;
  for (const char* name : kFields) {
    if (!line.empty()) line += ',';
    line += '"' + field(vez, name) + '"';
  }
  return line;
}

Pages controlTableReport(Context& ctx, RunReporter& reporter) {
  Table& text = ctx.table("TEK");
  const bool writable = emptyTextCopy(text, reporter);

  constexpr double kVoiX = kListLeft + 10, kLineX = kListLeft + 20;
  BandLayout layout(
      listFrame({.title = "KONTROLE PODATAKA",
                 .captions = {{kListLeft, "VOB"},
                              {kVoiX, "VOI"},
                              {kLineX,
                               "OO     MJES GODI     DanOd DanDo    PlaGod PlaMje     IV./  IV.8  "
                               "IV.9  IV.10  IV11",
                               Align::Left, 0, FontRole::FixedSmall}}}));
  std::string vob, voi;
  bool failed = false;
  scanTable(ctx, "VEZ", "KEYVOB_VOI", [&](const Record& r) {
    if (writable && !failed && submission::appendLine(text, controlTableTextLine(r)) != 0) {
      reporter.message("Greška " + std::string(text.errorText()));
      failed = true;
    }
    const std::string rowVob = field(r, "VOB"), rowVoi = field(r, "VOI");
    if (rowVob != vob) {
      layout.add(kLineHeight + 2, [&](Page& page, double y) {
        page.text(kListLeft, y + 1, utf8FromCp1250(rowVob), FontRole::Heading);
      });
      vob = rowVob;
      voi.clear();
    }
    if (rowVoi != voi) {
      layout.add(kLineHeight + 1, [&](Page& page, double y) {
        page.text(kVoiX, y, utf8FromCp1250(rowVoi), FontRole::Heading);
      });
      voi = rowVoi;
    }
    const std::string line = utf8FromCp1250(controlTablePrintedLine(r));
    layout.add(kLineHeight,
               [&](Page& page, double y) { page.text(kLineX, y, line, FontRole::FixedSmall); });
    return true;
  });
  text.close();
  text.open();
  return layout.finish();
}

}  // namespace obrazac::prints
