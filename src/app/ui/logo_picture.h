// The pictures of the logo and the About window, drawn here: the program's mark on a blue
// banner with the name of the form and of the register it goes to.
#pragma once

#include <QWidget>

namespace obrazac::ui {

class LogoPicture : public QWidget {
 public:
  enum class Kind { Banner, Small };
  explicit LogoPicture(Kind kind, QWidget* parent = nullptr) : QWidget(parent), kind_(kind) {}

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  Kind kind_;
};

}  // namespace obrazac::ui
