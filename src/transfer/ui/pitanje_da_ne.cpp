#include "transfer/ui/pitanje_da_ne.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = PitanjeDaNe;

constexpr ControlDescription kControls[] = {
    {.kind = K::Display,
     .id = W::kQuestion,
     .prompt = "Da li želite postojeće podatke zamijeniti ?",
     .x = 10,
     .y = 18,
     .width = 168,
     .height = 10},
    {.kind = K::Button, .id = W::kDa, .prompt = "DA", .x = 30, .y = 52, .width = 50, .height = 14},
    {.kind = K::Button,
     .id = W::kOdustani,
     .prompt = "Odustani",
     .role = ButtonRole::Cancel,
     .x = 104,
     .y = 52,
     .width = 50,
     .height = 14},
};

}  // namespace

PitanjeDaNe::PitanjeDaNe(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "PitanjeDaNe") {
  setWindowTitle("Upozorenje");
  setResizable(false);
  setDialogSize(185, 78);
  describe(kControls);
}

// Replacing data is the step to think twice about: the focus starts on "Odustani".
void PitanjeDaNe::declare() {
  firstField_ = kOdustani;
}

int PitanjeDaNe::takeAccepted(int control) {
  if (control == kDa) {
    setResponse(response::kCompleted);
    return level::kNotify;
  }
  return ProcedureWindow::takeAccepted(control);
}

}  // namespace obrazac::ui
