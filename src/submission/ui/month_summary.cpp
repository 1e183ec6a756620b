#include "submission/ui/month_summary.h"

#include <QPlainTextEdit>

#include "frame/count_walk.h"
#include "frame/ui/process_report.h"
#include "prints/archive_prints.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = MonthSummary;

constexpr ControlDescription kControls[] = {
    {.kind = K::List, .id = W::kText, .prompt = "Sažetak"},
    {.kind = K::Button, .id = W::kIspis, .prompt = "&Ispis"},
    {.kind = K::Button,
     .id = W::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

constexpr const char* kTitle = "Slanje cijelog mjeseca";

}  // namespace

MonthSummary::MonthSummary(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                           std::vector<std::string> lines)
    : ProcedureWindow(desktop, std::move(thread), "MonthSummary"), lines_(std::move(lines)) {
  setWindowTitle(QString::fromUtf8(kTitle));
  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QStringList all;
  for (const auto& line : lines_) all << QString::fromStdString(line);
  text_->setPlainText(all.join("\n"));
  describe(kControls, {{kText, text_}});
  setDialogSize(400, 200);
}

QString MonthSummary::text() const {
  return text_->toPlainText();
}

int MonthSummary::takeAccepted(int control) {
  if (control != kIspis) return ProcedureWindow::takeAccepted(control);
  ReportJob job;
  job.procedure = "MonthSummaryIspis";
  job.walk = std::make_unique<CountWalk>(static_cast<std::int64_t>(lines_.size()));
  job.pages = [lines = lines_] {
    return prints::printSummary("SLANJE CIJELOG MJESECA", lines, SystemClock());
  };
  runReport(desktop(), this, std::move(job));
  return level::kNotify;
}

}  // namespace obrazac::ui
