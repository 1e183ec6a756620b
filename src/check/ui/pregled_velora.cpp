#include "check/ui/pregled_velora.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>

#include "check/ui/line_pieces.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = PregledVelora;

constexpr ControlDescription ruler(int i) {
  return {.kind = K::Display, .id = F::kRavnalo + i, .tip = "Ravnalo", .chars = 52};
}

constexpr ControlDescription piece(int i, const char* prompt, const char* field) {
  return {.id = F::kRedak + i, .prompt = prompt, .field = field, .picture = "s50", .chars = 52};
}

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "Slog za VELOR"},
    {.id = F::kTipSloga, .prompt = "Tip sloga:", .field = "ULZ:TIPSLOGA", .picture = "s1"},
    ruler(0),
    piece(0, "Znakovi 1-50", "ULZ:REDAK1"),
    ruler(1),
    piece(1, "Znakovi 51-100", "ULZ:REDAK2"),
    ruler(2),
    piece(2, "Znakovi 101-150", "ULZ:REDAK3"),
    ruler(3),
    piece(3, "Znakovi 151-200", "ULZ:REEDAK4"),
    ruler(4),
    piece(4, "Znakovi 201-250", "ULZ:REDAK5"),
    {.kind = K::Button,
     .id = F::kURedu,
     .prompt = "&U redu",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button, .id = F::kPrekini, .prompt = "&Prekini", .role = ButtonRole::Cancel},
};

}  // namespace

PregledVelora::PregledVelora(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "PregledVelora", "ULZ") {
  setWindowTitle("Slog za VELOR");
  setCaptions("Record Will Be Added", "Record Will Be Changed");
  describe(kControls);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int i = 0; i < 5; ++i) {
    if (auto* r = qobject_cast<QLabel*>(control(kRavnalo + i))) {
      r->setText(kColumnRuler);
      r->setFont(fixed);
      r->setFrameShape(QFrame::NoFrame);
    }
    if (QWidget* e = control(kRedak + i)) e->setFont(fixed);
  }
}

}  // namespace obrazac::ui
