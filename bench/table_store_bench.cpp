// The keyed-table store against raw SQLite on the formal control's line table (TBIZLAZ.DAT):
// appending the lines of a large submission file and building the key, then walking them in key
// order. Each pair runs in one process on the same rows, and the figures and the ratio
// store / raw are printed together.
//
//   table_store_bench [--rows=N] [--rounds=N]     (defaults: 1000000 rows, 1 round)
//
// The files go to a fresh folder under the system's temporary folder, removed after each round.
// With several rounds the best time of each step is shown, which steadies the figures on a
// machine that other work shares.
//
// Both keep the line number as the row identifier. Raw SQLite gets its text in UTF-8 ready made
// and reads it back without converting it; the store's times include the conversions from and
// to the Windows-1250 of its record buffers and the key encoding of each row it walks.
#include <sqlite3.h>

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/codepage.h"
#include "data/context.h"
#include "data/fixed_width.h"
#include "step_timing.h"

namespace obrazac {
namespace {

constexpr std::int64_t kDefaultRows = 1'000'000;
constexpr std::size_t kPieces = 5;
constexpr std::size_t kPieceWidth = 50;
constexpr std::size_t kLineWidth = kPieces * kPieceWidth;
constexpr std::size_t kDistinctLines = 1009;  // rows cycle through these lines

// ---------------------------------------------------------------------------------------------
// The rows: lines of a submission file, each cut into the five 50-character pieces of the table.

struct Line {
  char type = '2';
  char error = ' ';
  std::array<std::string, kPieces> pieces;  // Windows-1250, 50 bytes each, as the buffer holds them
  std::array<std::string, kPieces>
      utf8Pieces;  // UTF-8 without trailing blanks, as the file holds them
};

std::string digits(std::mt19937& rng, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out.push_back(static_cast<char>('0' + rng() % 10));
  return out;
}

// A person's line: line number, identity number, name, municipality, kinds of payment and a run
// of amounts in whole lipa, blank padded to the line's 250 characters.
std::string personLine(std::mt19937& rng, std::size_t number) {
  static const std::vector<std::string> surnames = {
      cp1250("Horvat"), cp1250("Kovačević"), cp1250("Babić"),   cp1250("Marić"),
      cp1250("Jurić"),  cp1250("Novak"),     cp1250("Šarić"),   cp1250("Đurić"),
      cp1250("Žanić"),  cp1250("Čolić"),     cp1250("Knežević")};
  static const std::vector<std::string> names = {
      cp1250("Ivan"), cp1250("Ana"),   cp1250("Željka"), cp1250("Đuro"),     cp1250("Šime"),
      cp1250("Luka"), cp1250("Ivana"), cp1250("Mateja"), cp1250("Tomislav"), cp1250("Čedomir")};
  std::string line(1, '2');
  line += padLeft(std::to_string(number % 100000), 5) + digits(rng, 13);
  line += padRight(surnames[rng() % surnames.size()] + " " + names[rng() % names.size()], 40);
  line += digits(rng, 4) + "0" + std::to_string(1 + rng() % 9) + "1";
  while (line.size() + 13 <= kLineWidth - 20) line += digits(rng, 13);
  return padRight(line, kLineWidth);
}

std::vector<Line> submissionLines() {
  std::mt19937 rng(20240131);
  std::vector<Line> lines(kDistinctLines);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    Line& l = lines[n];
    const std::string text = personLine(rng, n + 1);
    l.error = n % 97 == 0 ? 'G' : ' ';
    for (std::size_t p = 0; p < kPieces; ++p) {
      l.pieces[p] = text.substr(p * kPieceWidth, kPieceWidth);
      l.utf8Pieces[p] = utf8FromCp1250(clipRight(l.pieces[p]));
    }
  }
  return lines;
}

const Line& lineOf(const std::vector<Line>& lines, std::int64_t row) {
  return lines[static_cast<std::size_t>(row) % lines.size()];
}

// What a walk saw: enough to tell it returned every row once, in key order.
struct WalkTally {
  std::int64_t rows = 0;
  std::int64_t numberSum = 0;
  std::int64_t textBytes = 0;
  bool ordered = true;
  std::int64_t last = 0;

  void see(std::int64_t number) {
    ordered = ordered && number > last;
    last = number;
    ++rows;
    numberSum += number;
  }
  bool complete(std::int64_t expected) const {
    return ordered && rows == expected && numberSum == expected * (expected + 1) / 2;
  }
};

void require(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error(what);
}

// ---------------------------------------------------------------------------------------------
// The store: a context's TBIZLAZ.DAT, filled with append and build, walked with set and next.

constexpr const char* kPrefix = "ULZ";

void storeAppend(const std::filesystem::path& dir, const std::vector<Line>& lines,
                 std::int64_t rows) {
  Context context(dir);
  Table& t = context.table(kPrefix);
  require(t.open(AccessMode::DenyAll) == 0, "store: open");
  Record& r = t.record();
  const int number = r.index("REDBROJ"), type = r.index("TIPSLOGA"), error = r.index("GRESKA");
  const std::array<int, kPieces> piece = {r.index("REDAK1"), r.index("REDAK2"), r.index("REDAK3"),
                                          r.index("REEDAK4"), r.index("REDAK5")};
  for (std::int64_t row = 1; row <= rows; ++row) {
    const Line& l = lineOf(lines, row);
    r.setInteger(number, row);
    r.setText(type, std::string_view(&l.type, 1));
    r.setText(error, std::string_view(&l.error, 1));
    for (std::size_t p = 0; p < kPieces; ++p) r.setText(piece[p], l.pieces[p]);
    require(t.append() == 0, "store: append");
  }
  require(t.build() == 0, "store: build");
  t.close();
}

WalkTally storeWalk(const std::filesystem::path& dir) {
  Context context(dir);
  Table& t = context.table(kPrefix);
  require(t.open(AccessMode::ReadOnly) == 0, "store: open");
  const Record& r = t.record();
  const int number = r.index("REDBROJ"), last = r.index("REDAK5");
  WalkTally tally;
  t.clear();
  t.set("KEYVRSTA");
  while (t.next() == 0) {
    tally.see(r.integer(number));
    tally.textBytes += static_cast<std::int64_t>(r.text(last).size());
  }
  require(t.error() == err::kRecordNotAvailable, "store: walk");
  t.close();
  return tally;
}

// ---------------------------------------------------------------------------------------------
// Raw SQLite: the same columns and one unique index, filled in one transaction, walked by
// ORDER BY on the indexed column. Same journal and synchronous settings as the store (defaults).

class Connection {
 public:
  Connection(const std::filesystem::path& file, int flags) {
    if (sqlite3_open_v2(file.c_str(), &db_, flags, nullptr) != SQLITE_OK)
      throw std::runtime_error(std::string("raw: open: ") + sqlite3_errmsg(db_));
  }
  ~Connection() { sqlite3_close_v2(db_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  void exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(sql);
  }
  sqlite3_stmt* prepare(const char* sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &s, nullptr) != SQLITE_OK) fail(sql);
    return s;
  }
  [[noreturn]] void fail(const char* what) {
    throw std::runtime_error(std::string("raw: ") + what + ": " + sqlite3_errmsg(db_));
  }

 private:
  sqlite3* db_ = nullptr;
};

void rawInsert(const std::filesystem::path& file, const std::vector<Line>& lines,
               std::int64_t rows) {
  Connection db(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  db.exec(
      "CREATE TABLE TBIZLAZ (REDBROJ INTEGER PRIMARY KEY, TIPSLOGA TEXT NOT NULL, GRESKA TEXT "
      "NOT NULL, REDAK1 TEXT NOT NULL, REDAK2 TEXT NOT NULL, REDAK3 TEXT NOT NULL, REEDAK4 TEXT "
      "NOT NULL, REDAK5 TEXT NOT NULL)");
  db.exec("BEGIN IMMEDIATE");
  sqlite3_stmt* insert = db.prepare("INSERT INTO TBIZLAZ VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  for (std::int64_t row = 1; row <= rows; ++row) {
    const Line& l = lineOf(lines, row);
    sqlite3_bind_int64(insert, 1, row);
    sqlite3_bind_text(insert, 2, &l.type, 1, SQLITE_STATIC);
    sqlite3_bind_text(insert, 3, &l.error, l.error == ' ' ? 0 : 1, SQLITE_STATIC);
    for (std::size_t p = 0; p < kPieces; ++p) {
      const std::string& text = l.utf8Pieces[p];
      sqlite3_bind_text(insert, static_cast<int>(4 + p), text.data(), static_cast<int>(text.size()),
                        SQLITE_STATIC);
    }
    if (sqlite3_step(insert) != SQLITE_DONE) db.fail("insert");
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  db.exec("COMMIT");
}

WalkTally rawWalk(const std::filesystem::path& file) {
  Connection db(file, SQLITE_OPEN_READONLY);
  sqlite3_stmt* select = db.prepare(
      "SELECT REDBROJ, TIPSLOGA, GRESKA, REDAK1, REDAK2, REDAK3, REEDAK4, REDAK5 FROM TBIZLAZ "
      "ORDER BY REDBROJ");
  WalkTally tally;
  int rc;
  while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
    tally.see(sqlite3_column_int64(select, 0));
    for (int c = 1; c < 8; ++c) {
      sqlite3_column_text(select, c);
      tally.textBytes += sqlite3_column_bytes(select, c);
    }
  }
  sqlite3_finalize(select);
  if (rc != SQLITE_DONE) db.fail("walk");
  return tally;
}

// ---------------------------------------------------------------------------------------------
// Running and reporting.

using bench::best;
using bench::countOption;
using bench::measure;
using bench::Timing;

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "obrazac-bench-XXXXXX");
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct Round {
  Timing storeAppend, rawInsert, storeWalk, rawWalk;
};

// Both sides fill and walk their own file in a fresh folder, removed at the end of the round.
Round oneRound(const std::vector<Line>& lines, std::int64_t rows) {
  ScratchFolder scratch;
  const auto rawFile = scratch.path() / "raw.db";
  Round r;
  r.storeAppend = measure([&] { storeAppend(scratch.path(), lines, rows); });
  r.rawInsert = measure([&] { rawInsert(rawFile, lines, rows); });
  WalkTally storeTally, rawTally;
  r.storeWalk = measure([&] { storeTally = storeWalk(scratch.path()); });
  r.rawWalk = measure([&] { rawTally = rawWalk(rawFile); });
  require(storeTally.complete(rows), "store: the walk did not return every row once in order");
  require(rawTally.complete(rows), "raw: the walk did not return every row once in order");
  return r;
}

// Columns of the report: a step, then wall and processor seconds of the store and of raw SQLite,
// their ratios, and rows per second of wall time.
constexpr int kStepWidth = 26;
constexpr int kTimesWidth = 21;   // " %8.3f s %7.3f s"
constexpr int kRatiosWidth = 15;  // " %7.2f %6.2f"
constexpr int kRatesWidth = 22;   // " %10.0f %10.0f"

std::string centred(std::string_view text, int width) {
  const auto left = (static_cast<std::size_t>(width) - text.size()) / 2;
  std::string out(left, ' ');
  out += text;
  out.resize(static_cast<std::size_t>(width), ' ');
  return out;
}

void printPair(const char* step, const Timing& store, const Timing& raw, std::int64_t rows) {
  std::printf("%-*s %8.3f s %7.3f s %8.3f s %7.3f s %7.2f %6.2f %10.0f %10.0f\n", kStepWidth, step,
              store.wall, store.cpu, raw.wall, raw.cpu, store.wall / raw.wall, store.cpu / raw.cpu,
              static_cast<double>(rows) / store.wall, static_cast<double>(rows) / raw.wall);
}

void printReport(const Round& r, std::int64_t rows) {
  std::printf("%-*s%s%s%s%s\n", kStepWidth, "", centred("store", kTimesWidth).c_str(),
              centred("raw SQLite", kTimesWidth).c_str(),
              centred("store / raw", kRatiosWidth).c_str(),
              centred("rows per second", kRatesWidth).c_str());
  std::printf("%-*s %10s %9s %10s %9s %7s %6s %10s %10s\n", kStepWidth, "", "wall", "cpu", "wall",
              "cpu", "wall", "cpu", "store", "raw");
  printPair("append + build / insert", r.storeAppend, r.rawInsert, rows);
  printPair("walk in key order", r.storeWalk, r.rawWalk, rows);
}

struct Options {
  std::int64_t rows = kDefaultRows;
  std::int64_t rounds = 1;
};

Options optionsFrom(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!countOption(arg, "--rows=", o.rows) && !countOption(arg, "--rounds=", o.rounds))
      throw std::invalid_argument(
          "usage: table_store_bench [--rows=N] [--rounds=N]\n"
          "  --rows    rows appended and walked (default " +
          std::to_string(kDefaultRows) +
          ")\n"
          "  --rounds  rounds run, the best time of each step is shown (default 1)");
  }
  return o;
}

int run(const Options& o) {
  const std::vector<Line> lines = submissionLines();
  std::printf("TBIZLAZ.DAT, %lld rows, best of %lld round(s), files under %s\n",
              static_cast<long long>(o.rows), static_cast<long long>(o.rounds),
              std::filesystem::temp_directory_path().c_str());
  Round b = oneRound(lines, o.rows);
  for (std::int64_t n = 1; n < o.rounds; ++n) {
    const Round r = oneRound(lines, o.rows);
    b = {best(b.storeAppend, r.storeAppend), best(b.rawInsert, r.rawInsert),
         best(b.storeWalk, r.storeWalk), best(b.rawWalk, r.rawWalk)};
  }
  printReport(b, o.rows);
  return 0;
}

}  // namespace
}  // namespace obrazac

int main(int argc, char** argv) {
  try {
    return obrazac::run(obrazac::optionsFrom(argc, argv));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
