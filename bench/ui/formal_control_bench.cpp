// The formal control over a large valid submission file against raw SQLite storing the same
// lines: 4,000 forms of 248 rows each with their headers and closing records, under one sender
// and one file closing record (1,000,002 lines, about 250 MB). The control copies the file into
// the working folder, reads and checks every line and writes the line and finding tables with
// their keys; raw SQLite inserts the same lines, ready in memory, as rows of one table in one
// transaction. Both run in one process on the same disk, in turn for a number of rounds; the best
// time of each and the ratio control / raw are printed together. The target ratio is 2.5 or less.
// The control's later rounds find its tables as the round before left them, as a bookkeeper's
// second control of the day does. A last round runs the control as the formal-control window
// does, on its own thread through `BackgroundRun`, while the window's thread counts the events of
// a 10 ms timer: their number and the longest gap between two show that the program answers.
//
//   formal_control_bench [--forms=N] [--rows=N] [--rounds=N]
//                        (defaults 4000 forms of 248 rows, 3 rounds)
//
// The files go to a fresh folder under the system's temporary folder, removed at the end.
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "check/formal_control.h"
#include "data/codepage.h"
#include "data/context.h"
#include "frame/ui/background_run.h"
#include "sample/sample_installation.h"
#include "step_timing.h"
#include "support/sample_submission.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

struct Options {
  std::int64_t forms = 4000;
  std::int64_t rows = 248;
  std::int64_t rounds = 3;
};

// The lines of the file, made on demand: the rows of a form are the same in every form, the
// form headers and closing records differ by their identifier.
class SubmissionFile {
 public:
  explicit SubmissionFile(const Options& o) : o_(o) {
    for (std::int64_t i = 0; i < o.rows; ++i) {
      const testing::SampleRow row{
          sampleJmbg(1 + i % 28, 1 + i / 28 % 12, 1960 + static_cast<int>(i / 336), 33,
                     static_cast<int>(i % 97)),
          "PRIMJERIĆ OSOBA " + std::to_string(i), "1850.00"};
      rows_.push_back(testing::rowLine(i + 1, row));
      totals_ += testing::RowAmounts::ofGross(*Decimal::parse(row.gross));
    }
    sender_ = testing::senderLine();
    closing_ = testing::fileClosingLine(o.forms % 1'000'000);
  }

  std::int64_t lines() const { return o_.forms * (o_.rows + 2) + 2; }

  // Line n, from 1.
  const std::string& line(std::int64_t n) {
    if (n == 1) return sender_;
    if (n == lines()) return closing_;
    const std::int64_t inForm = (n - 2) % (o_.rows + 2), form = (n - 2) / (o_.rows + 2);
    if (inForm == 0) return formHeader(form);
    if (inForm == o_.rows + 1) return formClosing(form);
    return rows_[static_cast<std::size_t>(inForm - 1)];
  }

 private:
  static std::string identifier(std::int64_t form) {
    char text[8];
    std::snprintf(text, sizeof text, "%04lld", static_cast<long long>(form % 10000));
    return text;
  }
  const std::string& formHeader(std::int64_t form) {
    return scratch_ = testing::formHeaderLine(identifier(form), o_.rows, totals_);
  }
  const std::string& formClosing(std::int64_t form) {
    return scratch_ = testing::formClosingLine(identifier(form), o_.rows);
  }

  Options o_;
  std::vector<std::string> rows_;
  testing::RowAmounts totals_;
  std::string sender_, closing_, scratch_;
};

void require(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error(what);
}

void writeFile(SubmissionFile& source, const fs::path& file) {
  std::FILE* f = std::fopen(file.c_str(), "wb");
  require(f != nullptr, "cannot write " + file.string());
  for (std::int64_t n = 1; n <= source.lines(); ++n) {
    const std::string& l = source.line(n);
    std::fwrite(l.data(), 1, l.size(), f);
    std::fwrite("\r\n", 1, 2, f);
  }
  require(std::fclose(f) == 0, "cannot write " + file.string());
}

class Quiet final : public RunReporter {
 public:
  void status(std::string_view) override {}
  void message(std::string_view text) override { last = text; }
  Answer ask(std::string_view, bool) override { return Answer::No; }
  std::string last;
};

// Raw SQLite: one table of line number and text, filled in one transaction with the default
// journal and synchronous settings, as the store has them.
void rawInsert(SubmissionFile& source, const fs::path& file) {
  sqlite3* db = nullptr;
  require(sqlite3_open(file.c_str(), &db) == SQLITE_OK, "raw: open");
  auto exec = [&](const char* sql) {
    require(sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK,
            std::string("raw: ") + sqlite3_errmsg(db));
  };
  exec("CREATE TABLE lines (number INTEGER NOT NULL, line TEXT NOT NULL)");
  exec("BEGIN IMMEDIATE");
  sqlite3_stmt* insert = nullptr;
  require(
      sqlite3_prepare_v2(db, "INSERT INTO lines VALUES (?, ?)", -1, &insert, nullptr) == SQLITE_OK,
      "raw: prepare");
  for (std::int64_t n = 1; n <= source.lines(); ++n) {
    const std::string& l = source.line(n);
    sqlite3_bind_int64(insert, 1, n);
    sqlite3_bind_text(insert, 2, l.data(), static_cast<int>(l.size()), SQLITE_STATIC);
    require(sqlite3_step(insert) == SQLITE_DONE, "raw: insert");
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  exec("COMMIT");
  sqlite3_close(db);
}

// The formal control asks nothing of a well-formed file: a question here is a fault of the round.
class NoQuestions final : public ui::Prompter {
 public:
  Answer show(const QString&, const QString& text, ui::Icon, ui::Buttons, Answer) override {
    std::fprintf(stderr, "unexpected question: %s\n", text.toUtf8().constData());
    std::abort();
  }
  void beep() override {}
};

// The control on its own thread while this thread's event loop runs a 10 ms timer.
void answeringRound(const fs::path& dir, const fs::path& file, const Clock& clock) {
  int argc = 1;
  char name[] = "formal_control_bench";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  NoQuestions prompter;
  ui::BackgroundRun run(dir, prompter);
  QElapsedTimer sinceLast, whole;
  qint64 longestGap = 0, events = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    longestGap = std::max(longestGap, sinceLast.restart());
    ++events;
  });
  QObject::connect(&run, &ui::BackgroundRun::finished, &app, &QCoreApplication::quit);
  bool ok = false;
  run.start([&](Context& ctx, RunReporter& reporter) {
    ok = check::runFormalControl(ctx, file, clock, reporter).status.ok();
  });
  whole.start();
  sinceLast.start();
  timer.start(10);
  app.exec();
  require(ok, "control on its own thread failed");
  std::printf("%-34s %8.3f s   timer events %lld, longest gap %lld ms (timer every 10 ms)\n",
              "control beside the event loop", static_cast<double>(whole.elapsed()) / 1000.0,
              static_cast<long long>(events), static_cast<long long>(longestGap));
}

using bench::best;
using bench::countOption;
using bench::measure;
using bench::Timing;

int run(const Options& o) {
  std::string pattern = fs::temp_directory_path() / "obrazac-formal-bench-XXXXXX";
  require(mkdtemp(pattern.data()) != nullptr, "cannot create a temporary folder");
  const fs::path dir = pattern;
  struct Cleanup {
    fs::path dir;
    ~Cleanup() {
      std::error_code ec;
      fs::remove_all(dir, ec);
    }
  } cleanup{dir};

  {
    Context ctx(dir);
    const auto summary = buildSampleInstallation(ctx, fs::path(OBRAZAC_DATA_DIR) / "opcine.csv");
    require(summary.status.ok(), "sample installation: " + summary.status.text());
  }
  SubmissionFile source(o);
  const fs::path file = dir / "izlaz" / "VELOR.RM0";
  writeFile(source, file);
  std::printf(
      "Formal control of %lld lines (%lld forms of %lld rows), %.0f MB, best of %lld round(s), "
      "under %s\n",
      static_cast<long long>(source.lines()), static_cast<long long>(o.forms),
      static_cast<long long>(o.rows), static_cast<double>(fs::file_size(file)) / 1e6,
      static_cast<long long>(o.rounds), dir.c_str());

  Quiet reporter;
  check::FormalControlOutcome outcome;
  const FixedClock clock(Date::fromParts(1, 10, 2026));
  const fs::path rawFile = dir / "raw.db";
  Timing control, raw;
  for (std::int64_t round = 0; round < o.rounds; ++round) {
    const Timing c = measure([&] {
      Context ctx(dir);
      outcome = check::runFormalControl(ctx, file, clock, reporter);
    });
    require(outcome.status.ok(), "control: " + reporter.last);
    require(outcome.lines == source.lines(), "control: not every line was read");
    fs::remove(rawFile);
    const Timing r = measure([&] { rawInsert(source, rawFile); });
    control = round == 0 ? c : best(control, c);
    raw = round == 0 ? r : best(raw, r);
  }

  std::printf("%-34s %9s %9s\n", "", "wall", "cpu");
  std::printf("%-34s %8.3f s %7.3f s   findings F %lld, U %lld\n", "formal control", control.wall,
              control.cpu, static_cast<long long>(outcome.errors),
              static_cast<long long>(outcome.warnings));
  std::printf("%-34s %8.3f s %7.3f s\n", "raw SQLite, one transaction", raw.wall, raw.cpu);
  std::printf("%-34s %8.2f   %7.2f     (target 2.5 or less)\n", "control / raw",
              control.wall / raw.wall, control.cpu / raw.cpu);
  answeringRound(dir, file, clock);
  return 0;
}

}  // namespace
}  // namespace obrazac

int main(int argc, char** argv) {
  obrazac::Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!obrazac::countOption(arg, "--forms=", o.forms) &&
        !obrazac::countOption(arg, "--rows=", o.rows) &&
        !obrazac::countOption(arg, "--rounds=", o.rounds)) {
      std::fprintf(stderr, "usage: formal_control_bench [--forms=N] [--rows=N] [--rounds=N]\n");
      return 2;
    }
  }
  try {
    return obrazac::run(o);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
