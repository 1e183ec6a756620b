// The print preview of a finished report: the user pages through it, zooms (the zoom table or a
// typed percentage), lays pages side by side, chooses the pages to print, and then prints them,
// saves them as PDF, or leaves without printing. It reports whether to print when it closes and
// then holds only the pages the page list keeps. Its place is kept for the rest of the run and
// in the settings file under "_PreviewWindow_".
#pragma once

#include <QDialog>
#include <QString>

#include "frame/preview_layout.h"
#include "frame/ui/desktop.h"
#include "prints/page.h"

class QAction;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace obrazac::ui {

class PageCanvas;

class PrintPreview final : public QDialog {
  Q_OBJECT

 public:
  PrintPreview(Desktop& desktop, prints::Pages pages, QWidget* parent = nullptr);
  ~PrintPreview() override;

  // Ask for the pages to print before printing.
  void setConfirmPages(bool on) { confirmPages_ = on; }
  void setAllowUserZoom(bool on);
  // The file name "Spremi kao PDF" proposes (without ".pdf").
  void setPdfName(const QString& name) { pdfName_ = name; }

  // Shows the pages (zoom row 0: "Tile pages") and reports `closed` when the user leaves. Without
  // any page nothing is shown and `closed(false)` comes at once.
  void display(int zoomRow = 0, int page = 1, int across = 1, int down = 1);

  bool printOk() const { return printOk_; }
  const QString& pagesToPrint() const { return pagesToPrint_; }
  // What to print once the preview has closed: the pages the page list keeps after a Print,
  // nothing after an Exit.
  prints::Pages printedPages() const;

  const PreviewLayout& pageLayout() const { return layout_; }
  PageCanvas* canvas() const { return canvas_; }
  QSpinBox* pageSpin() const { return pageSpin_; }
  QSpinBox* acrossSpin() const { return acrossSpin_; }
  QSpinBox* downSpin() const { return downSpin_; }
  QComboBox* zoomList() const { return zoomList_; }
  QLabel* zoomStatus() const { return zoomStatus_; }
  QLabel* pageStatus() const { return pageStatus_; }
  QAction* action(const QString& name) const;

  // The menu items and toolbar buttons.
  void askPagesToPrint(std::function<void(bool)> then = {});
  void print();
  void exitWithoutPrinting();
  void jump();
  void changeDisplay();
  void saveAsPdf();

 signals:
  void closed(bool printOk);

 protected:
  void done(int result) override;
  void moveEvent(QMoveEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void buildMenus();
  void buildToolbar();
  void place();
  void refresh();
  void rememberPlace();

  Desktop& desktop_;
  prints::Pages pages_;
  PreviewLayout layout_;
  QString pagesToPrint_;
  QString pdfName_;
  bool printOk_ = false;
  bool confirmPages_ = false;
  bool placed_ = false;
  QScrollArea* scroll_ = nullptr;
  PageCanvas* canvas_ = nullptr;
  QSpinBox* pageSpin_ = nullptr;
  QSpinBox* acrossSpin_ = nullptr;
  QSpinBox* downSpin_ = nullptr;
  QComboBox* zoomList_ = nullptr;
  QLabel* zoomStatus_ = nullptr;
  QLabel* pageStatus_ = nullptr;
  QToolButton* zoomButton_ = nullptr;
  QList<QAction*> zoomActions_;
};

}  // namespace obrazac::ui
