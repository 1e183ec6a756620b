// The archive of produced submission files: what a run handed to the output folder, kept for
// the day someone asks which file was handed in. Every file a run produces (one obligor's file,
// the collective VELOR.RM0, a file from taken-over payment data) gets a row in TBARHIVA.DAT
// with its forms in TBARHOBR.DAT and a copy in the archive folder "ARHIVA" of the working
// folder: the output folder may be a removable disk, while the table that describes the copies
// lives in the working folder, so both travel together. A file produced again under the same
// name gets a new row and copy with the next version; the earlier ones stay.
//
// The rows and the copy are written by the run itself, inside its RunGuard, so they become
// final together with the output file or not at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/context.h"
#include "data/date.h"
#include "data/status.h"

namespace obrazac::submission {

enum class ArchiveKind : char { Single = 'P', Collective = 'Z', TakenOver = 'U' };

// "pojedinačna", "zbirna", "preuzeti podaci" (UTF-8).
const char* archiveKindText(ArchiveKind kind);

struct ArchivedForm {
  int employer = 0;
  std::string employerName;  // Windows-1250
  std::string identifier;    // the form identifier (Windows-1250)
  std::string link;          // the form link, identifier and VOI (Windows-1250)
  int year = 0;
  int month = 0;
  std::string paymentType;  // VOI (Windows-1250)
};

struct ArchiveEntry {
  std::int64_t id = 0;
  ArchiveKind kind = ArchiveKind::Single;
  std::string fileName;       // bare name as produced (UTF-8): F0015001.TXT, VELOR.RM0
  std::string folder;         // the output folder it was produced in (UTF-8)
  Date sent;                  // the date of sending of the file's records
  std::string controlNumber;  // 40 digits
  std::int64_t size = 0;      // bytes
  std::string madeAt;         // DD.MM.GGGG HH:MM:SS
  std::string station;        // the computer that made it
  int version = 0;            // 1 for the first file of its name, then 2, 3 ...
  std::vector<ArchivedForm> forms;

  // The period and kind of calculation of the file: those of its first form.
  int year() const { return forms.empty() ? 0 : forms.front().year; }
  int month() const { return forms.empty() ? 0 : forms.front().month; }
};

// The name of this computer, as the archive and the backups note who made them.
std::string stationName();

std::filesystem::path archiveFolder(const std::filesystem::path& workDir);
// The archived copy of an entry: ARHIVA/<id, six digits>-<name>.
std::filesystem::path archivedCopyOf(const std::filesystem::path& workDir,
                                     const ArchiveEntry& entry);

// Adds the entry's rows in the context's ARH and ARO tables: the next number, the next version
// of its name, the size of `made`, the time from the clock and this computer's name are set in
// the entry. Returns why it failed (UTF-8), or an empty string.
std::string addArchiveEntry(Context& ctx, ArchiveEntry& entry, const std::filesystem::path& made,
                            const Clock& clock);

// Which entries a list shows; 0 leaves a part open. An entry matches when one of its forms does.
struct ArchiveFilter {
  int employer = 0;
  int year = 0;
  int month = 0;
};

struct ArchiveList {
  Status status;                      // why the archive could not be read
  std::vector<ArchiveEntry> entries;  // in the order they were made
};
ArchiveList readArchive(Context& ctx, const ArchiveFilter& filter = {});

// The entry of a number; a status 35 naming it when there is none.
struct ArchiveFind {
  Status status;
  ArchiveEntry entry;
};
ArchiveFind findArchiveEntry(Context& ctx, std::int64_t id);

// A file compared with the archive: the archived file it is byte for byte, or the entries of
// the same name it differs from (none: no file of that name was produced here).
struct ArchiveVerdict {
  Status status;  // the file or the archive could not be read
  std::optional<ArchiveEntry> match;
  std::vector<ArchiveEntry> sameName;
};
ArchiveVerdict verifyAgainstArchive(Context& ctx, const std::filesystem::path& file);

// What the shell and the window say of the archive (UTF-8): an entry in one line
// ("arhivirana datoteka 3 F0015001.TXT (verzija 2, pojedinačna, poslana 15.12.2025)"), a form
// in one line, every detail of an entry, and the verdict on a file, its first line the answer.
std::string describedEntry(const ArchiveEntry& entry);
std::string describedForm(const ArchivedForm& form);
std::string periodText(int year, int month);  // "11/2025"
std::vector<std::string> entryDetails(const ArchiveEntry& entry,
                                      const std::filesystem::path& workDir);
std::vector<std::string> verdictLines(const ArchiveVerdict& verdict,
                                      const std::filesystem::path& file);

// Copies the archived file of the entry to `target` (a folder takes the file's name). Returns
// why it failed (UTF-8), or an empty string; the target is then as it was.
std::string restoreArchived(const std::filesystem::path& workDir, const ArchiveEntry& entry,
                            const std::filesystem::path& target);

}  // namespace obrazac::submission
