#include "codelists/ui/update_tboznsta.h"

#include "codelists/ui/form_buttons.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateTBOZNSTA;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "OZNAKE STAŽA"},
    {.id = F::kSifra, .prompt = "Šifra staža", .field = "STA:SIFRA", .picture = "s1"},
    {.id = F::kSkrOpis, .prompt = "Skraćeni opis", .field = "STA:SKROPIS", .picture = "s80"},
    {.id = F::kOpis, .prompt = "Opis staža", .field = "STA:OPIS", .picture = "s180"},
    formSaveButton(F::kSpremi),
    formCancelButton(F::kOdustani),
    formHelpButton(F::kUpute),
};

}  // namespace

UpdateTBOZNSTA::UpdateTBOZNSTA(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CodeListForm(desktop, std::move(thread), "UpdateTBOZNSTA", "STA") {
  setWindowTitle(QString::fromUtf8("Upis novog podatka"));
  setCaptions(QString::fromUtf8("Upis novog podatka"), QString::fromUtf8("Promjena podataka"));
  setDialogSize(300, 112);
  describe(kControls);
}

}  // namespace obrazac::ui
