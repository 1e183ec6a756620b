// Long reports: page B of one form with 10,000 rows (834 pages) built and written to PDF, with
// the process's peak memory; the print preview of that report until its first page is drawn;
// and a report procedure's walk over 1,000,000 records, timer ticks included, against a bare
// walk of the same table in the same key order.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <filesystem>
#include <random>

#include "frame/batch_pacer.h"
#include "frame/record_walker.h"
#include "frame/ui/error_manager.h"
#include "frame/ui/page_canvas.h"
#include "frame/ui/print_preview.h"
#include "frame/ui/settings_manager.h"
#include "prints/page_b_print.h"
#include "render/page_painter.h"
#include "sample/sample_form_rows.h"
#include "sample/sample_installation.h"

namespace {

using namespace obrazac;
namespace fs = std::filesystem;

constexpr std::string_view kLink = "001100101";
constexpr int kFormRows = 10'000;
constexpr int kWalkRows = 1'000'000;

fs::path freshFolder(const char* what) {
  const fs::path dir = fs::temp_directory_path() / (std::string("obrazac-") + what + "-" +
                                                    std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  return dir;
}

// A working folder with one form of 10,000 rows, made once per run and removed at its end.
struct LongForm {
  fs::path dir = freshFolder("report-bench");
  LongForm() {
    Context ctx(dir);
    createInstallationTables(ctx);
    addSampleFormRows(ctx, kLink, "0011001", kFormRows);
  }
  ~LongForm() { fs::remove_all(dir); }
  prints::Pages pages() const {
    Context ctx(dir);
    prints::fillPageBPrintTable(ctx, kLink, prints::PageBOrder::Key);
    return prints::pageBPrint(ctx, {std::string(kLink), "12345679     ", "1001"},
                              prints::PageBOrder::Key);
  }
};

const LongForm& longForm() {
  static const LongForm form;
  return form;
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_PageBToPdf(benchmark::State& state) {
  const LongForm& form = longForm();
  const fs::path pdf = form.dir / "B.pdf";
  std::size_t pages = 0;
  for (auto _ : state) {
    const prints::Pages built = form.pages();
    pages = built.size();
    if (!render::writePdf(built, QString::fromStdString(pdf.string())).isEmpty())
      state.SkipWithError("PDF not written");
  }
  state.counters["pages"] = static_cast<double>(pages);
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_PageBToPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

class NoPrompter final : public ui::Prompter {
 public:
  Answer show(const QString&, const QString&, ui::Icon, ui::Buttons, Answer) override {
    return Answer::No;
  }
  void beep() override {}
};

// From the finished pages to the preview's first page on screen.
void BM_PreviewFirstPage(benchmark::State& state) {
  const prints::Pages pages = longForm().pages();
  NoPrompter prompter;
  ui::ErrorManager errors(prompter, {});
  const fs::path dir = freshFolder("preview-bench");
  ui::SettingsManager settings(QString::fromStdString((dir / "tk_2005.INI").string()));
  ui::TopLevelHost host;
  ui::Desktop desktop{prompter, errors, settings, host, nullptr, dir};
  for (auto _ : state) {
    ui::PrintPreview preview(desktop, pages);
    preview.display();
    while (preview.canvas()->rendered() == 0) QCoreApplication::processEvents();
    state.PauseTiming();
    preview.exitWithoutPrinting();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond);

// A million employees in surname order.
struct BigTable {
  fs::path dir = freshFolder("walk-bench");
  BigTable() {
    Context ctx(dir);
    Table& t = ctx.table("RAD");
    t.open(AccessMode::DenyAll);
    t.begin();
    for (std::int64_t i = 0; i < kWalkRows; ++i) {
      Record& r = t.record();
      r.clear();
      r.setInteger(r.index("REDBROJ"), 1 + i % 500);
      r.setText(r.index("JMBG"), std::to_string(1000000000000LL + i));
      // Scattered surnames; 64 bits, for the product outgrows an int past 271,000 rows.
      r.setText(r.index("PREZIME"), "UZORAK " + std::to_string((i * 7919) % kWalkRows));
      t.append();
    }
    t.commit();
    t.close();
  }
  ~BigTable() { fs::remove_all(dir); }
};

const BigTable& bigTable() {
  static const BigTable table;
  return table;
}

constexpr const char* kWalkKey = "KEYPREZIME";

void BM_BareKeyWalk(benchmark::State& state) {
  Context ctx(bigTable().dir);
  Table& t = ctx.table("RAD");
  t.open(AccessMode::ReadOnly);
  std::int64_t n = 0;
  for (auto _ : state) {
    n = 0;
    t.clear();
    t.set(kWalkKey);
    while (t.next() == 0) ++n;
  }
  state.counters["records"] = static_cast<double>(n);
}
BENCHMARK(BM_BareKeyWalk)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same walk through the walker and the process's ticks, as the progress window drives it.
void BM_RecordWalkerWalk(benchmark::State& state) {
  Context ctx(bigTable().dir);
  Table& t = ctx.table("RAD");
  t.open(AccessMode::ReadOnly);
  std::int64_t ticks = 0, n = 0;
  for (auto _ : state) {
    RecordWalker walker(t, kWalkKey);
    ProcessRun run(walker, {}, steadyTickClock());
    ticks = 0;
    run.open();
    while (run.tick() == ProcessState::Running) ++ticks;
    n = walker.processed();
  }
  state.counters["records"] = static_cast<double>(n);
  state.counters["ticks"] = static_cast<double>(ticks);
}
BENCHMARK(BM_RecordWalkerWalk)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
