// The common frame of the list prints: the title centred over the page, the column captions
// under it with a rule, and (for most) a page footer with the date and time of the print.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/date.h"
#include "prints/band_layout.h"

namespace obrazac::prints {

struct Caption {
  double x = 0;
  std::string_view text{};  // UTF-8
  Align align = Align::Left;
  double width = 0;
  FontRole role = FontRole::Heading;
};

struct ListFrame {
  Orientation orientation = Orientation::Portrait;
  std::string title{};              // UTF-8
  std::vector<Caption> captions{};  // one row under the title
  double aboveTitle = 0;            // height of `top`, drawn above the title
  BandLayout::Band top{};
  std::string stamp{};  // footer text (UTF-8); none when empty
};

// The frame of a list print; `captions` keep pointing at the caller's texts.
BandLayout::Frame listFrame(ListFrame frame);

// The date and the time of a print: the date with "D6.", a blank and the time with "T1", in
// 20 characters.
std::string printStamp(const Clock& clock);

// Left edge of a list page's text, and the line height of its body text.
inline constexpr double kListLeft = BandLayout::kMargin;
inline constexpr double kLineHeight = 4.2;

}  // namespace obrazac::prints
