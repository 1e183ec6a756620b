#include "app/ui/logo.h"

#include <QLabel>

#include "app/ui/logo_picture.h"
#include "frame/ui/dialog_units.h"

namespace obrazac::ui {

Logo::Logo(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "Logo") {
  setWindowFlag(Qt::FramelessWindowHint);
  setResizable(false);
  setDialogSize(363, 110);
  const DialogUnits du(font());
  auto* picture = new LogoPicture(LogoPicture::Kind::Banner, this);
  picture->setGeometry(QRect(QPoint(-1, -1), du.size(363, 97) + QSize(2, 1)));
  picture->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* line = new QLabel(QString(), this);
  line->setGeometry(du.rect(35, 98, 286, 10));
  line->setAlignment(Qt::AlignCenter);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { postClose(); });
}

void Logo::setTimeout(int milliseconds) {
  timeout_ = milliseconds;
  if (timer_.isActive()) timer_.start(timeout_);
}

bool Logo::init() {
  if (!ProcedureWindow::init()) return false;
  firstField_ = 0;
  timer_.start(timeout_);
  return true;
}

int Logo::takeWindowEvent(const Event& e) {
  const int result = ProcedureWindow::takeWindowEvent(e);
  if (e.kind == EventKind::LostFocus) postClose();
  return result;
}

void Logo::mousePressEvent(QMouseEvent*) {
  postClose();
}

}  // namespace obrazac::ui
