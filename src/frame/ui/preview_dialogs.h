// The three small dialogs of the print preview: "Jump to a Report Page" (a page number),
// "Change the Report Display" (pages across and down of the tiled view) and "Pages to Print"
// (the page list, with "&Reset" back to every page). Each is window-modal to the preview and
// reports its result when it closes.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace obrazac::ui {

class SettingsManager;

class JumpDialog final : public QDialog {
  Q_OBJECT

 public:
  JumpDialog(int page, int pages, QWidget* parent);
  int page() const;
  QSpinBox* pageSpin() const { return page_; }

 private:
  QSpinBox* page_;
};

class ChangeDisplayDialog final : public QDialog {
  Q_OBJECT

 public:
  ChangeDisplayDialog(int across, int down, QWidget* parent);
  int across() const;
  int down() const;
  QSpinBox* acrossSpin() const { return across_; }
  QSpinBox* downSpin() const { return down_; }

 private:
  QSpinBox* across_;
  QSpinBox* down_;
};

class PagesToPrintDialog final : public QDialog {
  Q_OBJECT

 public:
  // `settings` (may be null) keeps the dialog's position.
  PagesToPrintDialog(const QString& list, int pages, SettingsManager* settings, QWidget* parent);
  QString list() const;
  QLineEdit* entry() const { return entry_; }
  QPushButton* resetButton() const { return reset_; }

 protected:
  void done(int result) override;

 private:
  QLineEdit* entry_;
  QPushButton* reset_;
  SettingsManager* settings_;
};

}  // namespace obrazac::ui
