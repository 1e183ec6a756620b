// A report procedure: the progress window walks the report's records one batch per timer tick,
// so the other windows stay usable and "Cancel" is answered between ticks; a completed walk
// builds the pages and shows them in the print preview, which decides what is printed. Nothing
// to process shows "There are no records available to process." and no preview; a cancelled
// or failed walk prints nothing.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "frame/batch_pacer.h"
#include "frame/ui/desktop.h"
#include "frame/ui/report_printer.h"
#include "prints/page.h"
#include "prints/record_report.h"

class QTimer;

namespace obrazac::ui {

class PrintPreview;
class ProgressWindow;

struct ReportJob {
  QString procedure;                     // settings section of the progress window
  std::unique_ptr<Walk> walk;            // the records the progress counts
  std::function<Take()> take;            // optional work on each fetched record
  std::function<prints::Pages()> pages;  // the report, built once the walk has completed
  QString pdfName;                       // the name "Spremi kao PDF" proposes; else `procedure`
  int zoom = 0;                          // zoom row the preview opens with; 0: "Tile pages"
  TickClock clock = steadyTickClock();
};

enum class ReportEnd { NothingToProcess, Cancelled, NotPrinted, Printed };

class ProcessReport final : public QObject {
  Q_OBJECT

 public:
  using Done = std::function<void(ReportEnd)>;

  // Starts at once; deletes itself when done. `print` receives the pages to print.
  ProcessReport(Desktop& desktop, QWidget* parent, ReportJob job, PrintPages print, Done done);
  ~ProcessReport() override;

  ProgressWindow* progressWindow() const { return window_; }
  PrintPreview* preview() const { return preview_; }
  const ProcessRun& run() const { return run_; }

 signals:
  void previewShown(PrintPreview* preview);

 private:
  void tick();
  void closeProgress();
  void finish(ReportEnd end);

  Desktop& desktop_;
  QWidget* parent_;
  ReportJob job_;
  PrintPages print_;
  Done done_;
  ProcessRun run_;
  ProgressWindow* window_;
  QTimer* timer_;
  PrintPreview* preview_ = nullptr;
};

// The job of a report made during its walk, in one pass: the walk goes through the report's
// table (open, of the window's context) in the report's key and range, each record is laid out
// as it is fetched, and the completed walk hands over the pages. Cancel stops it between two
// batches of a tick.
ReportJob recordReportJob(QString procedure, Table& table,
                          std::shared_ptr<prints::RecordReport> report);

// The easy call for a window: the walk, the builder and where the pages go; returns the running
// procedure (it deletes itself when it ends).
ProcessReport* runReport(Desktop& desktop, QWidget* parent, ReportJob job,
                         ProcessReport::Done done = {}, PrintPages print = {});

}  // namespace obrazac::ui
