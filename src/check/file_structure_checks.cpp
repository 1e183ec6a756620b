#include "check/file_structure_checks.h"

#include <string>

#include "data/codepage.h"
#include "data/field_value.h"
#include "data/record_format.h"

namespace obrazac::check {
namespace {

constexpr std::string_view kContext = "Struktura datoteke";
constexpr std::string_view kTypeField = "TIPSLOGA";

}  // namespace

void FileStructureChecker::check(std::string_view record, std::int64_t length, FindingSink& sink) {
  ++lines_;
  const char type = record.empty() ? ' ' : record.back();
  if (const std::size_t at = firstUnfitByte(record); at != std::string_view::npos)
    sink.add("ZNAK", Severity::Error, kContext,
             cp1250FromUtf8("Slog sadrži " + *unfitByte(record.substr(at, 1)) + " na mjestu " +
                            std::to_string(at + 1)));
  if (length != submission::kRecordWidth)
    sink.add("DULJINA", Severity::Error, kContext,
             "Redak ima duljinu " + std::to_string(length) + ", a slog mora imati " +
                 std::to_string(submission::kRecordWidth) + " znakova");
  if (lines_ == 1 && type != '0')
    sink.add(kTypeField, Severity::Error, kContext, "Prvi slog datoteke nije tipa 0");
  if (type == '3' || type == '9') formWithoutClosing(sink);
  if (type == '3') openForm_ = lines_;
  if (type == '7') openForm_ = 0;
  lastType_ = type;
}

void FileStructureChecker::hiddenData(std::int64_t line, FindingSink& sink) {
  sink.add(kTypeField, Severity::Error, kContext,
           "Iza oznake kraja datoteke (Ctrl-Z) u retku " + std::to_string(line) +
               " stoje podaci koji nisu provjereni");
}

void FileStructureChecker::finish(FindingSink& sink) {
  if (lines_ == 0) {
    sink.add(kTypeField, Severity::Error, kContext, "Datoteka je prazna");
    return;
  }
  if (lastType_ == '9') return;
  formWithoutClosing(sink);
  sink.add(kTypeField, Severity::Error, kContext, "Zadnji slog datoteke nije tipa 9");
}

// The form begun before this line has not been closed by its type 7.
void FileStructureChecker::formWithoutClosing(FindingSink& sink) {
  if (openForm_ == 0) return;
  sink.add(kTypeField, Severity::Error, kContext,
           "Obrazac iz retka " + std::to_string(openForm_) + " nema sloga tipa 7");
  openForm_ = 0;
}

}  // namespace obrazac::check
