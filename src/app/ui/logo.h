// Logo: the picture shown when the frame opens. It closes itself after five seconds, on a
// mouse click or when it loses the focus; the frame closes it at the first menu choice or
// toolbar button.
#pragma once

#include <QTimer>

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class Logo final : public ProcedureWindow {
  Q_OBJECT

 public:
  Logo(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);
  // How long the logo shows by itself (5 s).
  void setTimeout(int milliseconds);

 protected:
  bool init() override;
  int takeWindowEvent(const Event& e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QTimer timer_;
  int timeout_ = 5000;
};

}  // namespace obrazac::ui
