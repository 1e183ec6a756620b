#include "check/findings_transcript.h"

#include "app/application_parameters.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "submission/output_files.h"
#include "submission/work_files.h"

namespace obrazac::check {
namespace {

constexpr std::size_t kMessagePart = 70;
constexpr std::size_t kMessageWidth = 140;
// Findings between two progress reports of the transcript.
constexpr std::int64_t kProgressEvery = 50;

// The folder the transcript lies in as the user knows it (UTF-8): APL:RADDIR, else the working
// folder.
std::string workingFolderText(Context& ctx) {
  if (readParameters(ctx) == 0) {
    const Record& apl = ctx.table("APL").record();
    const std::string text = submission::folderText(apl.text(apl.index("RADDIR")));
    if (!text.empty()) return text;
  }
  std::string folder = ctx.workDir().string();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

int forEachFinding(Context& ctx, const std::function<void(const Finding&)>& visit,
                   const std::function<void(std::int64_t)>& counted) {
  Table& t = ctx.table("ULZ1");
  // A table opened here is closed again, so the next run can take it for itself.
  const bool opened = !t.isOpen();
  if (opened)
    if (const int rc = t.open(AccessMode::ReadOnly)) return rc;
  t.send("QUICKSCAN=on");
  if (counted) counted(t.records());
  const Record& r = t.record();
  const int line = r.index("REDBROJ"), field = r.index("KOLONA"), type = r.index("TIP"),
            context = r.index("PREZIME"), message = r.index("GRESKA");
  t.clear();
  if (const int rc = t.set("KEYVRSTA")) return rc;
  Finding f;
  while (t.next() == 0) {
    f.line = r.integer(line);
    f.field.assign(clipRight(r.text(field)));
    f.severity = r.text(type) == "U" ? Severity::Warning : Severity::Error;
    f.context.assign(clipRight(r.text(context)));
    f.message.assign(clipRight(r.text(message)));
    visit(f);
  }
  const int rc = t.error() == err::kRecordNotAvailable ? 0 : t.error();
  if (opened) t.close();
  return rc;
}

std::vector<std::string> transcriptLines(const Finding& finding) {
  static const NumberPicture n5("n5");
  const std::string message = padRight(finding.message, kMessageWidth);
  std::string first;
  n5.appendTo(first, Decimal(finding.line));
  first += ' ';
  first += padRight(finding.field, 10);
  first += ' ';
  first += static_cast<char>(finding.severity);
  first += ' ';
  first += message.substr(0, kMessagePart);
  std::vector<std::string> lines{first};
  const std::string rest = message.substr(kMessagePart);
  if (!isBlank(rest)) lines.push_back(std::string(19, ' ') + rest);
  return lines;
}

TranscriptOutcome writeTranscript(Context& ctx, RunReporter& reporter) {
  TranscriptOutcome out;
  reporter.status("Processing Records");
  Table& file = ctx.table("ULZ11");
  file.close();
  if (file.open(AccessMode::DenyAll) != 0 || file.empty() != 0) {
    reporter.message("Greška pri pražnjenju TBIZLAZ2.TXT " + std::string(file.errorText()));
    file.close();
    return out;
  }
  std::string error;
  std::int64_t total = 0;
  const int rc = forEachFinding(
      ctx,
      [&](const Finding& f) {
        ++out.findings;
        for (const auto& line : transcriptLines(f))
          if (error.empty() && submission::appendLine(file, line) != 0)
            error = std::string(file.errorText());
        if (out.findings % kProgressEvery == 0 || out.findings == total)
          reporter.progress(out.findings, total);
      },
      [&](std::int64_t count) { total = count; });
  file.close();
  file.open();
  if (error.empty() && rc != 0) error = std::string(storeErrorText(rc));
  if (!error.empty()) {
    reporter.message("Greška " + error);
    return out;
  }
  out.written = true;
  if (out.findings == 0) reporter.message("There are no records available to process.");
  reporter.message("Formiran je izlazni file pod imenom TBIZLAZ2.TXT " + workingFolderText(ctx));
  return out;
}

}  // namespace obrazac::check
