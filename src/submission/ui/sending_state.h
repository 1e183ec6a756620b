// The window state the sending windows share with the page A window, the lists and the prints
// for the whole run of the program: the file the last processing run or collective assembly
// produced (what "Prijepis file-a" copies), the form the page A window opens on, the print flag
// of page A, the result flag of the last step and the user's last copy target.
#pragma once

#include <filesystem>
#include <string>

namespace obrazac::ui {

enum class StepResult { Running = 0, Failed = 1, Succeeded = 2 };

struct SendingState {
  std::filesystem::path outputFile;  // empty until a run or an assembly produced a file
  std::string link;                  // form link (Windows-1250) the page A window reads
  std::string identifier;            // 4-character identifier of that form
  int employer = 0;                  // obligor number of that form
  char printFlag = 'D';              // "Ispis kontrolnog broja D/N"
  StepResult result = StepResult::Running;
};

// The one state of this program run.
SendingState& sendingState();

}  // namespace obrazac::ui
