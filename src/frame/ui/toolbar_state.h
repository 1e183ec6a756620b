// The thirteen buttons of the frame's toolbar (codes 2000 to 2012): whether each is enabled
// and its tooltip. The frame shows the state of the active window's toolbar target.
#pragma once

#include <QString>
#include <array>

#include "frame/procedure_thread.h"

namespace obrazac::ui {

struct ToolbarState {
  static constexpr int kCount = toolbar::kLast - toolbar::kFirst + 1;
  std::array<bool, kCount> enabled{};
  std::array<QString, kCount> tips;

  bool isEnabled(int code) const { return enabled[index(code)]; }
  void enable(int code, bool on = true) { enabled[index(code)] = on; }
  void enableRange(int from, int to, bool on) {
    for (int c = from; c <= to; ++c) enable(c, on);
  }
  const QString& tip(int code) const { return tips[index(code)]; }
  void setTip(int code, const QString& text) { tips[index(code)] = text; }
  static std::size_t index(int code) { return static_cast<std::size_t>(code - toolbar::kFirst); }
};

// The frame's own tooltips, every button disabled: the toolbar with no window to act on.
ToolbarState frameToolbarState();

}  // namespace obrazac::ui
