#include "codelists/ui/code_list_print.h"

#include <QPointer>
#include <memory>

#include "frame/record_walker.h"
#include "frame/ui/process_report.h"

namespace obrazac::ui {
namespace {

void run(ProcedureWindow& window, ReportJob job, std::function<void()> after) {
  QPointer<ProcedureWindow> self(&window);
  runReport(window.desktop(), &window, std::move(job), [self, after = std::move(after)](ReportEnd) {
    if (self && after) after();
  });
}

}  // namespace

void printReport(ProcedureWindow& window, const QString& title,
                 std::shared_ptr<prints::RecordReport> report, std::function<void()> after) {
  Table& table = window.thread().table(report->prefix());
  run(window, recordReportJob(title, table, std::move(report)), std::move(after));
}

void printReport(ProcedureWindow& window, const char* prefix, const QString& title,
                 std::function<prints::Pages()> build, std::function<void()> after) {
  Table& table = window.thread().table(prefix);
  ReportJob job;
  job.procedure = title;
  job.walk = std::make_unique<RecordWalker>(table, table.decl().keys.front().name);
  job.pages = std::move(build);
  run(window, std::move(job), std::move(after));
}

}  // namespace obrazac::ui
