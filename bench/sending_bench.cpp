// One processing run of an obligor with 10,000 employees, one monthly row each: page B rows and
// page A built from the monthly data, the five work files and TBVELOR.TXT written, the control
// number taken, the output file produced and the list of processed obligors kept. Every
// iteration sends the same form again, so it also removes the 10,000 page B rows of the
// previous one. The target is under one second in a Release build.
//
//   sending_bench [--employees=N]   (default 10000)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "data/codepage.h"
#include "data/context.h"
#include "sample/sample_installation.h"
#include "submission/sending_run.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

int employees = 10'000;

class QuietReporter final : public RunReporter {
 public:
  void status(std::string_view) override {}
  void message(std::string_view) override {}
  Answer ask(std::string_view, bool) override { return Answer::No; }
};

void set(Record& r, std::string_view field, std::string_view value) {
  r.setText(r.index(field), value);
}

// A new record of a legal person known by its registration number: the authorised person or
// the obligor.
Record& legalPerson(Table& t, const char* numberField, std::string_view mb01,
                    std::string_view name) {
  t.open();
  Record& r = t.record();
  r.clear();
  r.setInteger(r.index(numberField), 1);
  set(r, "MB01", mb01);
  set(r, "MB02", "0000");
  set(r, "JMBG", "0000000000000");
  set(r, "NAZIV", name);
  return r;
}

// A working folder with the parameters, one obligor and its employees, each with a full month.
fs::path makeRegister(int count) {
  std::random_device rd;
  const fs::path dir =
      fs::temp_directory_path() / ("obrazac-sending-bench-" + std::to_string(rd()));
  fs::create_directories(dir / "izlaz");
  Context ctx(dir);

  Table& apl = ctx.table("APL");
  set(legalPerson(apl, "RB", sampleMB(3456789), "PRIMJER servis"), "IZLAZDIR", "izlaz/");
  apl.add();
  Table& pos = ctx.table("POS");
  set(legalPerson(pos, "REDBROJ", sampleMB(1234567), "PRIMJER d.o.o."), "VRSTOBVEZNIKA", "01");
  pos.add();

  Table& rad = ctx.table("RAD");
  rad.open();
  rad.begin();
  Record& r = rad.record();
  const Decimal gross = *Decimal::parse("1850.00"), pillar1 = *Decimal::parse("277.50"),
                pillar2 = *Decimal::parse("92.50"), net = *Decimal::parse("1258.00");
  for (int i = 0; i < count; ++i) {
    r.clear();
    r.setInteger(r.index("REDBROJ"), 1);
    // Birth dates over 28 days of 12 months of several years, serials over the day.
    set(r, "JMBG",
        sampleJmbg(1 + i % 28, 1 + i / 28 % 12, 1960 + i / 336 % 40, 33, i / 13440 * 100 + i % 97));
    set(r, "PREZIME", cp1250("PRIMJERIĆ OSOBA ") + std::to_string(i));
    set(r, "OPCINA", "1333");
    set(r, "VRSOBV", "01");
    set(r, "VRSTAUPLA", "01");
    set(r, "CLANDN", "D");
    set(r, "OSNOVA1", "01");
    r.setInteger(r.index("GODOBRA"), 2025);
    r.setInteger(r.index("MJEOBRA"), 11);
    r.setInteger(r.index("ODDANA"), 1);
    r.setInteger(r.index("DODANA"), 30);
    r.setDecimal(r.index("IZNOS7"), gross);
    r.setDecimal(r.index("IZNOS8"), gross);
    r.setDecimal(r.index("IZNOS9"), pillar1);
    r.setDecimal(r.index("IZNOS10"), pillar2);
    r.setDecimal(r.index("IZNOS11"), net);
    rad.add();
  }
  rad.commit();
  return dir;
}

void BM_SendingOfOneObligor(benchmark::State& state) {
  const fs::path dir = makeRegister(employees);
  Context ctx(dir);
  QuietReporter reporter;
  form::SendingHeader header = sampleMonthHeader(1);
  header.obligorKind = "01";
  for (auto _ : state) {
    form::SendingHeader h = header;
    const auto out = submission::runSending(ctx, h, reporter);
    if (!out.status.ok()) {
      state.SkipWithError(("run failed: " + out.status.text()).c_str());
      break;
    }
  }
  state.counters["employees"] = employees;
  ctx.closeAll();
  std::error_code ec;
  fs::remove_all(dir, ec);
}
BENCHMARK(BM_SendingOfOneObligor)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace obrazac

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--employees=", 12) == 0)
      obrazac::employees = std::atoi(argv[i] + 12);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
