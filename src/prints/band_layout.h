// The layout of a list report: a page header band at the top of every page, detail bands one
// under the other, a new page when the next band does not fit above the page footer band.
// Bands draw themselves at the top edge they are given; heights are in millimetres.
#pragma once

#include <functional>

#include "prints/page.h"

namespace obrazac::prints {

class BandLayout {
 public:
  using Band = std::function<void(Page&, double top)>;

  struct Frame {
    Orientation orientation = Orientation::Portrait;
    double headerHeight = 0;
    Band header{};  // drawn on every page
    double footerHeight = 0;
    Band footer{};  // drawn at the foot of every page, when set
  };

  explicit BandLayout(Frame frame) : frame_(std::move(frame)) {}

  // Places a detail band of that height on the current page, or on a new one.
  void add(double height, const Band& detail);

  // The pages laid out; none when no detail band was added.
  Pages finish();

  static constexpr double kMargin = 12;

 private:
  void newPage();
  double bottom() const;

  Frame frame_;
  Pages pages_;
  double y_ = 0;
};

}  // namespace obrazac::prints
