// The progress window every process of the program shows while it walks its records: caption
// "Progress...", the bar, a text line the process may fill, the percentage text and "Cancel".
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace obrazac::ui {

class ProgressWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  void setPercent(int percent);  // the bar and "37% Complete"
  void setText(const QString& text);

  QProgressBar* bar() const { return bar_; }
  QLabel* text() const { return text_; }
  QLabel* percentText() const { return percent_; }
  QPushButton* cancelButton() const { return cancel_; }

 signals:
  void cancelled();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  QProgressBar* bar_;
  QLabel* text_;
  QLabel* percent_;
  QPushButton* cancel_;
};

}  // namespace obrazac::ui
