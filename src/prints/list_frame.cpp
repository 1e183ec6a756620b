#include "prints/list_frame.h"

#include "data/fixed_width.h"
#include "data/picture.h"

namespace obrazac::prints {

BandLayout::Frame listFrame(ListFrame frame) {
  BandLayout::Frame out;
  out.orientation = frame.orientation;
  out.headerHeight = frame.aboveTitle + 17;
  out.header = [frame](Page& page, double top) {
    if (frame.top) frame.top(page, top);
    const double y = top + frame.aboveTitle;
    page.text({.x = kListLeft,
               .y = y,
               .text = frame.title,
               .role = FontRole::Title,
               .align = Align::Center,
               .width = page.width() - 2 * kListLeft});
    for (const Caption& c : frame.captions)
      page.text({.x = c.x,
                 .y = y + 9,
                 .text = std::string(c.text),
                 .role = c.role,
                 .align = c.align,
                 .width = c.width});
    page.line(kListLeft, y + 14, page.width() - kListLeft, y + 14, 0.3);
  };
  if (!frame.stamp.empty()) {
    out.footerHeight = 8;
    out.footer = [stamp = frame.stamp](Page& page, double top) {
      page.line(kListLeft, top + 2, page.width() - kListLeft, top + 2);
      page.text({.x = kListLeft,
                 .y = top + 3,
                 .text = stamp,
                 .role = FontRole::Small,
                 .align = Align::Right,
                 .width = page.width() - 2 * kListLeft});
    };
  }
  return out;
}

std::string printStamp(const Clock& clock) {
  return padRight(formatDate(clock.today(), "D6.") + " " + formatTime(clock.now(), "T1"), 20);
}

}  // namespace obrazac::prints
