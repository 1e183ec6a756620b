#include "check/formal_control.h"

#include <array>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#include "app/application_parameters.h"
#include "check/batch_queue.h"
#include "check/code_lookups.h"
#include "check/file_structure_checks.h"
#include "check/record_checks.h"
#include "data/file_replace.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "data/record_format.h"
#include "data/text_table.h"
#include "submission/output_files.h"

namespace obrazac::check {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kPieceWidth = 50;
constexpr std::int64_t kProgressEvery = 10;

constexpr std::size_t kBatchLines = 256;
constexpr std::size_t kBatchesWaiting = 4;

// Lines read and checked, on their way from the reading thread to the tables.
struct CheckedLines {
  std::int64_t first = 0;          // the number of the first line
  std::size_t count = 0;           // lines in the batch; the vectors keep storage beyond it
  std::vector<std::string> texts;  // the 250 characters, the record type last
  std::vector<char> marked;        // "D" for a line with findings, else blank
  std::vector<Finding> findings;   // of these lines, in order

  void restart(std::int64_t firstLine) {
    first = firstLine;
    count = 0;
    findings.clear();
  }
  std::string& nextText() {
    if (count == texts.size()) {
      texts.emplace_back();
      marked.push_back(' ');
    }
    return texts[count];
  }
};

// Puts the findings of each line into its batch, and keeps the counts.
class CollectingSink final : public FindingSink {
 public:
  void startLine(CheckedLines& batch, std::int64_t line) {
    batch_ = &batch;
    lineNumber_ = line;
    lineFindings_ = 0;
  }
  bool lineHasFindings() const { return lineFindings_ > 0; }

  void add(std::string_view field, Severity severity, std::string_view context,
           std::string_view message) override {
    ++lineFindings_;
    ++(severity == Severity::Error ? errors : warnings);
    batch_->findings.push_back(
        {lineNumber_, std::string(field), severity, std::string(context), std::string(message)});
  }

  std::int64_t errors = 0, warnings = 0;

 private:
  CheckedLines* batch_ = nullptr;
  std::int64_t lineNumber_ = 0;
  int lineFindings_ = 0;
};

// Writes findings as rows of TBIZLAZ1.DAT.
class FindingWriter {
 public:
  explicit FindingWriter(Table& findings) : table_(findings) {
    const Record& r = table_.record();
    line_ = r.index("REDBROJ");
    field_ = r.index("KOLONA");
    type_ = r.index("TIP");
    context_ = r.index("PREZIME");
    message_ = r.index("GRESKA");
  }

  bool write(const Finding& f) {
    Record& r = table_.record();
    r.clear();
    r.setInteger(line_, f.line);
    r.setText(field_, f.field);
    const char type = static_cast<char>(f.severity);
    r.setText(type_, std::string_view(&type, 1));
    r.setText(context_, f.context);
    r.setText(message_, f.message);
    return table_.append() == 0;
  }

 private:
  Table& table_;
  int line_, field_, type_, context_, message_;
};

// What the reading thread found: the counts, a read that broke off, or what it threw.
struct ReadOutcome {
  std::int64_t lines = 0, errors = 0, warnings = 0;
  bool readFailed = false;
  std::string readError;
  std::exception_ptr exception;
};

// Reads every line of the copy and checks it, handing the lines over in batches; runs on its own
// thread while the calling one stores what it hands over, and looks the codes up in a context of
// its own on the working folder, so the two threads share no table. Stops early when the storing
// side stops the queue. The findings on the shape of the whole file come last and belong to the
// last line, so that line stays in the batch until the reading ends.
void readAndCheck(TextTable& copy, const fs::path& workDir, const Clock& clock,
                  BatchQueue<CheckedLines>& queue, ReadOutcome& out) {
  try {
    Context own(workDir);
    CodeLookups lookups(own, clock);
    RecordChecker checker(lookups, clock);
    FileStructureChecker structure;
    CollectingSink sink;
    const Record& in = copy.record();
    const int redak = in.index("REDAK"), tip = in.index("TIP");
    CheckedLines batch = queue.takeEmpty();
    batch.restart(1);
    sink.startLine(batch, 0);
    copy.setPhysical();
    while (copy.next() == 0) {
      const std::int64_t n = ++out.lines;
      if (batch.count == kBatchLines) {
        if (!queue.push(std::move(batch))) {
          queue.close();
          return;
        }
        batch = queue.takeEmpty();
        batch.restart(n);
      }
      // The reader pads a short line with blanks, so its type is blank and it gets no checks.
      std::string& line = batch.nextText();
      line.assign(in.text(redak)).append(in.text(tip));
      sink.startLine(batch, n);
      checker.check(line, sink);
      structure.check(line, copy.lineShape().length, sink);
      batch.marked[batch.count++] = sink.lineHasFindings() ? 'D' : ' ';
    }
    if (copy.error() != err::kRecordNotAvailable) {
      out.readFailed = true;
      out.readError = copy.errorText();
    } else if (copy.stepOverEndMark()) {
      // The lines a Ctrl-Z hides are not checked; whether they hold anything is told.
      bool hidden = false;
      do {
        while (!hidden && copy.next() == 0) hidden = !isBlank(copy.lineOf(in));
      } while (!hidden && copy.stepOverEndMark());
      if (hidden) structure.hiddenData(out.lines + 1, sink);
    }
    structure.finish(sink);
    if (batch.count > 0 && sink.lineHasFindings()) batch.marked[batch.count - 1] = 'D';
    if (batch.count > 0 || !batch.findings.empty()) queue.push(std::move(batch));
    out.errors = sink.errors;
    out.warnings = sink.warnings;
  } catch (...) {
    out.exception = std::current_exception();
  }
  queue.close();
}

class Run {
 public:
  Run(Context& ctx, const fs::path& file, const Clock& clock, RunReporter& reporter)
      : ctx_(ctx), file_(file), clock_(clock), reporter_(reporter) {}

  FormalControlOutcome execute();

 private:
  FormalControlOutcome& fail(const std::string& message) {
    reporter_.message(message);
    out_.status = Status::refused(message);
    return out_;
  }
  bool takeFile();
  bool readLines(TextTable& copy, Table& lines, Table& findings);
  bool storeLines(BatchQueue<CheckedLines>& queue, Table& lines, Table& findings);

  Context& ctx_;
  const fs::path& file_;
  const Clock& clock_;
  RunReporter& reporter_;
  FormalControlOutcome out_;
};

// Opens a work table exclusively and empties it, so a run never mixes its rows with another's.
// Returns the message of the step that failed, empty on success.
std::string takeWorkTable(Table& t) {
  const std::string name = t.decl().file;
  t.close();
  if (t.open(AccessMode::DenyAll) != 0)
    return "Greška pri otvaranju " + name + " " + std::string(t.errorText());
  if (t.empty() != 0) return "Greška pri pražnjenju " + name + " " + std::string(t.errorText());
  return {};
}

void reopenShared(Table& t) {
  t.close();
  t.open();
}

FormalControlOutcome Run::execute() {
  // The authorised person must have been entered.
  if (readParameters(ctx_) == 0 && authorisedPersonMissing(ctx_.table("APL").record()))
    return fail(std::string(kAuthorisedPersonMessage));

  // The findings of the last run are dropped before anything else.
  Table& findings = ctx_.table("ULZ1");
  if (const std::string error = takeWorkTable(findings); !error.empty()) return fail(error);

  // The file is read from its copy in the working folder.
  if (!takeFile()) {
    reopenShared(findings);
    return out_;
  }

  // The lines of the last run go, and the copy is opened.
  Table& lines = ctx_.table("ULZ");
  if (const std::string error = takeWorkTable(lines); !error.empty()) {
    reopenShared(findings);
    return fail(error);
  }
  reporter_.status("Malo strpljenja. Radim...");
  Table& copy = ctx_.table("TVL");
  if (copy.open(AccessMode::ReadOnly) != 0) {
    reopenShared(lines);
    reopenShared(findings);
    return fail("Greška. Open TBVELOR1.TXT " + std::string(copy.errorText()));
  }

  // Every line, then the keys of both tables built once.
  const bool checked = readLines(dynamic_cast<TextTable&>(copy), lines, findings);
  if (!checked) {
    // A half-written result would pass for the whole file's: both tables stay empty.
    lines.rollback();
    findings.rollback();
  } else {
    if (lines.build() != 0) {
      fail("Greška " + std::string(lines.errorText()));
      findings.rollback();  // findings of lines that are not there
    } else if (findings.build() != 0) {
      fail("Greška " + std::string(findings.errorText()));
    }
  }

  // The result stays for the review, the report and the transcript.
  copy.close();
  copy.open(AccessMode::ReadOnly);
  reopenShared(lines);
  reopenShared(findings);
  if (out_.status.ok()) reporter_.status("Izvršena je kontrola datoteke.");
  return out_;
}

// Copies the chosen file over TBVELOR1.TXT. Only a regular file is taken: a folder, a device or
// a pipe would never end or never copy.
bool Run::takeFile() {
  Table& copy = ctx_.table("TVL");
  copy.close();
  if (const std::string refused = submission::inputFileRefusal(file_, file_.string());
      !refused.empty()) {
    fail(refused);
    return false;
  }
  std::error_code ec;
  if (fs::exists(copy.file(), ec) && fs::equivalent(file_, copy.file(), ec)) return true;
  if (const std::string failed = replaceFileByCopy(file_, copy.file()); !failed.empty()) {
    fail(submission::inputFileFailure(file_.string(), failed));
    return false;
  }
  return true;
}

// The lines are read and checked on a second thread while this one stores them, so the checks
// cost no waiting beside the writing of the tables.
bool Run::readLines(TextTable& copy, Table& lines, Table& findings) {
  BatchQueue<CheckedLines> queue(kBatchesWaiting);
  ReadOutcome read;
  bool stored = false;
  {
    std::thread reader([&] { readAndCheck(copy, ctx_.workDir(), clock_, queue, read); });
    // However storing ends, the reader is stopped and waited for before anything else.
    struct Join {
      BatchQueue<CheckedLines>& queue;
      std::thread& reader;
      ~Join() {
        queue.stop();
        reader.join();
      }
    } join{queue, reader};
    stored = storeLines(queue, lines, findings);
  }
  if (read.exception) std::rethrow_exception(read.exception);
  out_.lines = read.lines;
  out_.errors = read.errors;
  out_.warnings = read.warnings;
  if (!stored) return false;
  if (read.readFailed) {
    fail("Greška. Read TBVELOR1.TXT " + read.readError);
    return false;
  }
  return true;
}

bool Run::storeLines(BatchQueue<CheckedLines>& queue, Table& lines, Table& findings) {
  static const NumberPicture n5("n5");
  FindingWriter writer(findings);
  Record& out = lines.record();
  const int number = out.index("REDBROJ"), type = out.index("TIPSLOGA"),
            marked = out.index("GRESKA");
  const std::array<int, 5> pieces = {out.index("REDAK1"), out.index("REDAK2"), out.index("REDAK3"),
                                     out.index("REEDAK4"), out.index("REDAK5")};
  std::string progress;
  while (auto batch = queue.pop()) {
    for (std::size_t i = 0; i < batch->count; ++i) {
      const std::int64_t n = batch->first + static_cast<std::int64_t>(i);
      if (n % kProgressEvery == 0) {
        progress = "Obrađeno ";
        n5.appendTo(progress, Decimal(n));
        progress += " redaka";
        reporter_.status(progress);
        if (reporter_.stopRequested()) {
          fail(std::string(kStoppedMessage));
          return false;
        }
      }
      // Every field of the row is set, so the buffer needs no clearing first.
      const std::string_view line = batch->texts[i];
      out.setInteger(number, n);
      out.setText(type, line.substr(line.size() - 1));
      out.setText(marked, std::string_view(&batch->marked[i], 1));
      for (std::size_t p = 0; p < pieces.size(); ++p)
        out.setText(pieces[p], line.substr(p * kPieceWidth, kPieceWidth));
      if (lines.append() != 0) {
        fail("Greška " + std::string(lines.errorText()));
        return false;
      }
    }
    for (const Finding& f : batch->findings) {
      if (!writer.write(f)) {
        fail("Greška " + std::string(findings.errorText()));
        return false;
      }
    }
    queue.giveBack(std::move(*batch));
  }
  return true;
}

}  // namespace

FormalControlOutcome runFormalControl(Context& ctx, const fs::path& file, const Clock& clock,
                                      RunReporter& reporter) {
  return Run(ctx, file, clock, reporter).execute();
}

}  // namespace obrazac::check
