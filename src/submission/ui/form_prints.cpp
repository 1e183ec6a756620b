#include "submission/ui/form_prints.h"

#include <memory>

#include "data/fixed_width.h"
#include "frame/record_walker.h"
#include "frame/ui/process_report.h"

namespace obrazac::ui {
namespace {

// The records of one form link in a table of the print's own context, under `key`.
std::unique_ptr<Walk> formWalk(Context& ctx, const char* prefix, const char* key,
                               const std::string& link) {
  Table& t = ctx.table(prefix);
  if (!t.isOpen()) t.open(AccessMode::ReadOnly);
  return std::make_unique<RecordWalker>(
      t, key, [link](Record& r) { r.setText(r.index("KONVEZA"), link); },
      [link](const Record& r) {
        return clipRight(r.text(r.index("KONVEZA"))) == clipRight(link) ? RecordWalker::Range::Take
                                                                        : RecordWalker::Range::End;
      });
}

void run(ProcedureWindow& window, const QString& title, std::shared_ptr<Context> ctx,
         std::unique_ptr<Walk> walk, std::function<prints::Pages()> build,
         const std::string& link = {}) {
  ReportJob job;
  job.procedure = title;
  if (!link.empty())
    job.pdfName = title + " " + QString::fromStdString(std::string(clipRight(link)));
  job.walk = std::move(walk);
  job.pages = std::move(build);
  runReport(window.desktop(), &window, std::move(job), [ctx](ReportEnd) {});
}

std::shared_ptr<Context> printContext(ProcedureWindow& window) {
  return std::make_shared<Context>(window.thread().context().workDir());
}

}  // namespace

void printPageA(ProcedureWindow& window, const std::string& link, prints::PrintFlag flag) {
  auto ctx = printContext(window);
  auto walk = formWalk(*ctx, "A", "KEYIDENTIKATOR", link);
  run(
      window, QString::fromUtf8("Stranica A"), ctx, std::move(walk),
      [ctx, link, flag] { return prints::pageAPrint(*ctx, link, flag); }, link);
}

void printPagesB(ProcedureWindow& window, const std::string& link, prints::PageBOrder order) {
  auto ctx = printContext(window);
  auto walk = formWalk(*ctx, "OSI", "KEYOBRGODMJE", link);
  run(
      window, QString::fromUtf8("Stranica B"), ctx, std::move(walk),
      [ctx, link, order] { return prints::pageBPrintOfForm(*ctx, link, order); }, link);
}

void printListedPagesA(ProcedureWindow& window, prints::PrintFlag flag) {
  auto ctx = printContext(window);
  Table& list = ctx->table("TBT");
  list.open(AccessMode::ReadOnly);
  auto walk = std::make_unique<RecordWalker>(list, "KEYIDENTIKATOR");
  run(window, QString::fromUtf8("Ispis A stranica"), ctx, std::move(walk),
      [ctx, flag] { return prints::pageAPrintCollective(*ctx, flag); });
}

}  // namespace obrazac::ui
