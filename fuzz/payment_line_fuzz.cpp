// Feeds arbitrary bytes to the reader of payment input lines and to the line checks of both the
// input check and the takeover, against the sample installation's code lists, control table and
// rates; now and then the bytes are a whole payment file for the input check run. Nothing may
// crash, hang or read out of bounds, whatever a payroll program wrote.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "check/input_check_run.h"
#include "check/input_findings.h"
#include "check/input_line_checks.h"
#include "check/line_selection.h"
#include "check/payment_line.h"
#include "codelists/municipality_list.h"
#include "data/dictionary.h"
#include "sample/sample_installation.h"

namespace {

using namespace obrazac;
using namespace obrazac::check;

class QuietReporter final : public RunReporter {
 public:
  void status(std::string_view) override {}
  void message(std::string_view) override {}
  Answer ask(std::string_view, bool) override { return Answer::No; }
};

// In memory when the machine offers it: the tables' syncs then cost nothing.
std::filesystem::path scratchFolder() {
  std::error_code ec;
  const std::filesystem::path shm = "/dev/shm";
  const auto base =
      std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
  return base / ("obrazac-fuzz-uplate-" + std::to_string(getpid()));
}

struct Setup {
  Setup()
      : dir(scratchFolder()),
        ctx((std::filesystem::create_directories(dir), dir)),
        clock(Date::fromParts(12, 15, 2025)) {
    const auto summary =
        buildSampleInstallation(ctx, std::filesystem::path(OBRAZAC_DATA_DIR) / "opcine.csv");
    if (!summary.status.ok()) {
      std::fprintf(stderr, "sample installation: %s\n", summary.status.text().c_str());
      std::abort();
    }
  }
  ~Setup() {
    ctx.closeAll();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  std::filesystem::path dir;
  Context ctx;
  FixedClock clock;
  LineChecker input{ctx, clock, LinePath::InputCheck, {"01", "01", 2025, 11}};
  LineChecker takeover{ctx, clock, LinePath::Takeover, {"02", "99", 2025, 11}};
  Record finding{*tableByPrefix("GRE")};
  Record row{*tableByPrefix("OSI3")};
};

Setup& setup() {
  static Setup s;
  return s;
}

void checkLines(Setup& s, std::string_view bytes) {
  const LineSelection selection{{"12345679", "0000", "0000000000000"}, "01", 2025, 11, 1, 31};
  PersonAmountMemory person;
  PaymentLine line;
  LineCheckResult result;
  std::size_t at = 0;
  for (int lines = 0; at <= bytes.size() && lines < 64; ++lines) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) end = bytes.size();
    readPaymentLine(bytes.substr(at, end - at), line);
    person.take(line.jmbg, line.amounts);
    lineSelected(selection, line);
    fillPersonRow(s.row, line, 2025, 11, "01");
    for (LineChecker* checker : {&s.input, &s.takeover}) {
      checker->check(line, person, result);
      for (const auto& f : result.findings) fillFindingRow(s.finding, line, f.message, 1);
    }
    at = end + 1;
  }
}

void runWholeFile(Setup& s, const std::uint8_t* data, std::size_t size) {
  const auto file = s.dir / "ulaz" / "uplate.txt";
  if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  QuietReporter reporter;
  const InputSelection selection{1, "01", "2025", "11", 0, 31, file};
  runInputCheck(s.ctx, s.clock, selection, reporter);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Setup& s = setup();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkLines(s, bytes);
  // The whole run empties and writes three tables, which takes long: one input in 16 takes
  // that road, so the line checks get most of the time.
  if (size > 0 && data[0] % 16 == 1) runWholeFile(s, data, size);
  return 0;
}
