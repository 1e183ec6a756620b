#include "prints/archive_prints.h"

#include <algorithm>

#include "data/codepage.h"
#include "data/picture.h"
#include "prints/list_frame.h"
#include "submission/control_number.h"

namespace obrazac::prints {

Pages printArchiveList(const std::vector<submission::ArchiveEntry>& entries, const Clock& clock) {
  constexpr double kNameX = kListLeft + 14, kKindX = kListLeft + 62, kPeriodX = kListLeft + 92,
                   kSentX = kListLeft + 112, kObligorsX = kListLeft + 136;
  BandLayout layout(listFrame({.orientation = Orientation::Portrait,
                               .title = "ARHIVA POSLANIH DATOTEKA",
                               .captions = {{kListLeft, "Rbr"},
                                            {kNameX, "Datoteka (verzija)"},
                                            {kKindX, "Vrsta"},
                                            {kPeriodX, "Razdoblje"},
                                            {kSentX, "Poslano"},
                                            {kObligorsX, "Obveznici"}},
                               .stamp = printStamp(clock)}));
  for (const auto& e : entries) {
    std::string obligors;
    for (const auto& f : e.forms)
      obligors += (obligors.empty() ? "" : ", ") + std::to_string(f.employer);
    const auto wrapped = wrapText(cp1250FromUtf8(obligors), 30);
    const std::size_t lines = std::max<std::size_t>(wrapped.size(), 1);
    layout.add((lines + 1) * kLineHeight + 1.5, [&](Page& page, double y) {
      page.text({.x = kListLeft,
                 .y = y,
                 .text = std::to_string(e.id),
                 .align = Align::Right,
                 .width = 10});
      page.text(kNameX, y, e.fileName + " (" + std::to_string(e.version) + ")");
      page.text(kKindX, y, submission::archiveKindText(e.kind));
      page.text(kPeriodX, y, submission::periodText(e.year(), e.month()));
      page.text(kSentX, y, formatDate(e.sent, "D6."));
      for (std::size_t k = 0; k < wrapped.size(); ++k)
        page.text(kObligorsX, y + k * kLineHeight, wrapped[k]);
      page.text(kNameX, y + lines * kLineHeight,
                "Kontrolni broj: " + submission::groupedControlNumber(e.controlNumber) +
                    "   izrađena " + e.madeAt);
    });
  }
  return layout.finish();
}

Pages printSummary(const std::string& title, const std::vector<std::string>& lines,
                   const Clock& clock) {
  BandLayout layout(listFrame({.title = title, .stamp = printStamp(clock)}));
  for (const auto& line : lines) {
    const auto wrapped = wrapText(cp1250FromUtf8(line), 95);
    layout.add(std::max<std::size_t>(wrapped.size(), 1) * kLineHeight + 1,
               [&](Page& page, double y) {
                 for (std::size_t k = 0; k < wrapped.size(); ++k)
                   page.text(kListLeft + (k ? 6 : 0), y + k * kLineHeight, wrapped[k]);
               });
  }
  return layout.finish();
}

}  // namespace obrazac::prints
