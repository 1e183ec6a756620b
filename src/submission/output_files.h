// Folders of the parameter record and the files a sending produces in them. A stored folder
// value may end without a separator and may use Windows backslashes; a relative value lies
// within the working folder. A produced file appears complete or not at all (data/file_replace.h).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "frame/run_reporter.h"

namespace obrazac::submission {

// The folder value as a path text (UTF-8): trailing blanks removed, "\" turned into the platform
// separator, a separator added at the end unless the value is blank.
std::string folderText(std::string_view storedCp1250);

// A path text taken within the working folder unless it is absolute.
std::filesystem::path resolveInWorkDir(std::string_view pathText,
                                       const std::filesystem::path& workDir);

// The output folder of the parameter record (APL:IZLAZDIR), as a path.
std::filesystem::path outputFolder(std::string_view storedCp1250,
                                   const std::filesystem::path& workDir);

// TBT:IMEFILE of a produced file (Windows-1250): the output file's name as built from the
// folder value, or its bare name when that does not fit the field; a bare name lies in the
// output folder.
std::string listedFileText(std::string_view outputText, std::string_view fileName);
std::filesystem::path listedFilePath(std::string_view listedCp1250,
                                     const std::filesystem::path& outputFolder,
                                     const std::filesystem::path& workDir);

// The refusal of a file a run is to read (a payroll file, a submission file) that is no plain
// file, naming it and the reason: "Greška kod preuzimanja podataka <file>: datoteka ne postoji"
// (or "...: to je mapa, a ne datoteka", "...: nije navedena datoteka"); empty for a plain file.
std::string inputFileRefusal(const std::filesystem::path& file, std::string_view shownName);
// The same refusal for a plain file whose copy failed for `reason`.
std::string inputFileFailure(std::string_view shownName, std::string_view reason);

// The copy of a produced file to a target the user names (a removable disk): the target is
// replaced; a failure is shown as "Greška, file: " with both names, " Error=" and the reason.
bool copyProducedFile(const std::filesystem::path& produced, const std::filesystem::path& target,
                      RunReporter& reporter);

}  // namespace obrazac::submission
