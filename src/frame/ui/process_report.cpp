#include "frame/ui/process_report.h"

#include <QTimer>

#include "frame/record_walker.h"
#include "frame/ui/dialog_units.h"
#include "frame/ui/print_preview.h"
#include "frame/ui/progress_window.h"

namespace obrazac::ui {
namespace {

constexpr int kNoRecordsMessage = 22;
constexpr int kTickMs = 10;  // one hundredth of a second

QString pdfName(const ReportJob& job) {
  return job.pdfName.isEmpty() ? job.procedure : job.pdfName;
}

}  // namespace

ProcessReport::ProcessReport(Desktop& desktop, QWidget* parent, ReportJob job, PrintPages print,
                             Done done)
    : QObject(parent),
      desktop_(desktop),
      parent_(parent),
      job_(std::move(job)),
      print_(std::move(print)),
      done_(std::move(done)),
      run_(*job_.walk, job_.take, job_.clock),
      window_(new ProgressWindow(parent)),
      timer_(new QTimer(this)) {
  window_->setAttribute(Qt::WA_DeleteOnClose, false);
  if (const auto place = desktop_.settings.read(job_.procedure))
    window_->move(DialogUnits(window_->font()).point(place->x, place->y));
  connect(window_, &ProgressWindow::cancelled, this, [this] { run_.cancel(); });
  connect(timer_, &QTimer::timeout, this, &ProcessReport::tick);
  window_->setText(QString());
  if (run_.open() == ProcessState::NothingToProcess) {
    // The first tick ends the procedure, after the caller has its handle.
    QTimer::singleShot(0, this, [this] {
      desktop_.errors.throwMessage(kNoRecordsMessage);
      finish(ReportEnd::NothingToProcess);
    });
    return;
  }
  window_->show();
  timer_->start(kTickMs);
}

ProcessReport::~ProcessReport() {
  delete window_;
}

void ProcessReport::tick() {
  const ProcessState state = run_.tick();
  window_->setPercent(job_.walk->percent());
  if (state == ProcessState::Running) return;
  timer_->stop();
  closeProgress();
  if (state != ProcessState::Completed) {
    finish(ReportEnd::Cancelled);
    return;
  }
  prints::Pages pages = job_.pages ? job_.pages() : prints::Pages();
  if (pages.empty()) {
    desktop_.errors.throwMessage(kNoRecordsMessage);
    finish(ReportEnd::NothingToProcess);
    return;
  }
  preview_ = new PrintPreview(desktop_, std::move(pages), parent_);
  preview_->setAttribute(Qt::WA_DeleteOnClose);
  preview_->setAllowUserZoom(true);
  preview_->setPdfName(pdfName(job_));
  connect(preview_, &PrintPreview::closed, this, [this](bool printOk) {
    const prints::Pages printed = preview_->printedPages();
    preview_ = nullptr;
    if (printOk && !printed.empty()) {
      if (print_) print_(printed);
      finish(ReportEnd::Printed);
    } else {
      finish(ReportEnd::NotPrinted);
    }
  });
  preview_->display(job_.zoom, 1, 1, 1);
  emit previewShown(preview_);
}

void ProcessReport::closeProgress() {
  const DialogUnits du(window_->font());
  desktop_.settings.write(job_.procedure,
                          WindowPlace{du.unitsX(window_->x()), du.unitsY(window_->y()), {}, {}});
  window_->hide();
}

void ProcessReport::finish(ReportEnd end) {
  if (done_) done_(end);
  deleteLater();
}

ReportJob recordReportJob(QString procedure, Table& table,
                          std::shared_ptr<prints::RecordReport> report) {
  ReportJob job;
  job.procedure = std::move(procedure);
  job.walk = std::make_unique<RecordWalker>(
      table, report->key(), [report](Record& r) { report->start(r); },
      [report](const Record& r) {
        return report->inRange(r) ? RecordWalker::Range::Take : RecordWalker::Range::End;
      });
  job.take = [report, &table] {
    report->add(table.record());
    return Take::Carry;
  };
  job.pages = [report] { return report->finish(); };
  return job;
}

ProcessReport* runReport(Desktop& desktop, QWidget* parent, ReportJob job, ProcessReport::Done done,
                         PrintPages print) {
  if (!print) print = printOnSharedPrinter(desktop.prompter, parent, pdfName(job));
  return new ProcessReport(desktop, parent, std::move(job), std::move(print), std::move(done));
}

}  // namespace obrazac::ui
