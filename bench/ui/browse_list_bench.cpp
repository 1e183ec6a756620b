// A list window over a register of 1,000,000 employees (TBZAPOSL.DAT in the order of their
// surnames), offscreen: opening it, paging down a hundred times, and jumping to the end and
// back. The list holds only its visible page, so none of these should grow with the table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QVBoxLayout>
#include <filesystem>
#include <random>

#include "frame/ui/browse_list.h"
#include "frame/ui/error_manager.h"
#include "frame/ui/procedure_window.h"
#include "frame/ui/settings_manager.h"

namespace {

using namespace obrazac;
using namespace obrazac::ui;

constexpr int kRows = 1'000'000;

class NoPrompter final : public Prompter {
 public:
  Answer show(const QString&, const QString&, Icon, Buttons, Answer) override { return Answer::No; }
  void beep() override {}
};

// A working folder with a million employees, made once per run and removed at its end.
struct Register {
  std::filesystem::path dir;
  Register() {
    dir = std::filesystem::temp_directory_path() /
          ("obrazac-browse-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    Context ctx(dir);
    Table& t = ctx.table("RAD");
    t.open(AccessMode::DenyAll);
    std::mt19937 random(7);
    const char* names[] = {"Horvat", "Kovačević", "Babić",    "Marić",   "Jurić",
                           "Novak",  "Kovačić",   "Knežević", "Vuković", "Marković"};
    for (int i = 0; i < kRows; ++i) {
      Record& r = t.record();
      r.clear();
      r.setInteger(r.index("REDBROJ"), 1 + i % 500);
      r.setText(r.index("JMBG"), std::to_string(1000000000000LL + i));
      r.setText(r.index("PREZIME"),
                std::string(names[random() % 10]) + " " + std::to_string(random() % 100000));
      t.append();
    }
    t.build();
    t.close();
  }
  ~Register() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

Register& reg() {
  static Register r;
  return r;
}

class EmployeeList final : public ProcedureWindow {
 public:
  EmployeeList(Desktop& d, std::shared_ptr<ProcedureThread> t)
      : ProcedureWindow(d, std::move(t), "BenchList") {
    auto* layout = new QVBoxLayout(this);
    list = new BrowseList(*this, "RAD", 1);
    layout->addWidget(list->widget());
    resize(700, 520);
  }
  BrowseList* list;

 protected:
  bool openTables() override { return openTable("RAD"); }
  void setUpLists() override {
    BrowseList::SortOrder bySurname;
    bySurname.tab = "Prezime";
    bySurname.key = "KEYPREZIME";
    bySurname.locator = BrowseList::Locator::Entry;
    list->addSortOrder(bySurname);
    list->addColumn({"JMBG", "JMBG", 13, {}});
    list->addColumn({"Prezime i ime", "PREZIME", 40, {}});
    list->init();
  }
};

struct Desk {
  NoPrompter prompter;
  ErrorManager errors{prompter, {}};
  SettingsManager settings{QString::fromStdString((reg().dir / "tk_2005.INI").string())};
  TopLevelHost host;
  Desktop desktop{prompter, errors, settings, host, nullptr, reg().dir};
};

EmployeeList* openList(Desk& desk) {
  auto* w = new EmployeeList(desk.desktop, std::make_shared<ProcedureThread>(reg().dir));
  w->run();
  while (w->list->rowCount() == 0) QCoreApplication::processEvents();
  return w;
}

void closeList(EmployeeList* w) {
  w->close();
  QCoreApplication::processEvents();
}

void BM_OpenList(benchmark::State& state) {
  Desk desk;
  for (auto _ : state) {
    EmployeeList* w = openList(desk);
    state.PauseTiming();
    closeList(w);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenList)->Unit(benchmark::kMillisecond);

// Times `moves` from the top of an open list, the return to the top untimed.
template <class Moves>
void timeFromTheTop(benchmark::State& state, Moves moves) {
  Desk desk;
  EmployeeList* w = openList(desk);
  for (auto _ : state) {
    state.PauseTiming();
    w->list->move(toolbar::kTop);
    state.ResumeTiming();
    moves(*w->list);
  }
  state.counters["rows"] = w->list->rowCount();
  closeList(w);
}

void BM_PageDown100Times(benchmark::State& state) {
  timeFromTheTop(state, [](BrowseList& list) {
    for (int i = 0; i < 100; ++i) list.move(toolbar::kPageDown);
  });
}
BENCHMARK(BM_PageDown100Times)->Unit(benchmark::kMillisecond);

void BM_JumpToTheEnd(benchmark::State& state) {
  timeFromTheTop(state, [](BrowseList& list) { list.move(toolbar::kBottom); });
}
BENCHMARK(BM_JumpToTheEnd)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  reg();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
