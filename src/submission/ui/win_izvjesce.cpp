#include "submission/ui/win_izvjesce.h"

#include "data/codepage.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = WinIzvjesce;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "REZULTAT OBRADE"},
    {.kind = K::Display,
     .id = W::kObradeno,
     .prompt = "Ukupno obrađeno redaka",
     .field = "Obradeno",
     .picture = "n5"},
    {.kind = K::Display,
     .id = W::kIspravni,
     .prompt = "Retci koji zadovoljavaju kontrolama",
     .field = "Ispravni",
     .picture = "n5"},
    {.kind = K::Display,
     .id = W::kSGreskama,
     .prompt = "Podaci sa upozorenjima",
     .field = "SGreskama",
     .picture = "n5"},
    {.kind = K::Group, .prompt = "KRITERIJ ZA PRETRAŽIVANJE"},
    {.kind = K::Display, .id = W::kMB, .prompt = "MB firme", .field = "MB", .picture = "s8"},
    {.kind = K::Display, .id = W::kMBG, .prompt = "MBG", .field = "MBG", .picture = "s13"},
    {.kind = K::Display,
     .id = W::kOd,
     .prompt = "Vremensko razdoblje",
     .field = "Od",
     .picture = "N02"},
    {.kind = K::Display,
     .id = W::kDo,
     .field = "Do",
     .picture = "N02",
     .tip = "Vremensko razdoblje do",
     .beside = true},
    {.kind = K::Display,
     .id = W::kVrstaUplate,
     .prompt = "Vrsta uplate",
     .field = "VrstaUplate",
     .picture = "s2"},
    {.kind = K::Display,
     .id = W::kGodina,
     .prompt = "Obračunska godina",
     .field = "Godina",
     .picture = "N04"},
    {.kind = K::Display,
     .id = W::kMjesec,
     .field = "Mjesec",
     .picture = "N02",
     .tip = "Obračunski mjesec",
     .beside = true},
    {.kind = K::Display,
     .id = W::kNapomena,
     .field = "Napomena",
     .picture = "s50",
     .tip = "Napomena"},
    {.kind = K::Button,
     .id = W::kZatvori,
     .prompt = "Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

}  // namespace

WinIzvjesce::WinIzvjesce(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                         const check::InputCheckSummary& summary, const std::string& note)
    : ProcedureWindow(desktop, std::move(thread), "WinIzvjesce"),
      s_(summary),
      note_(cp1250FromUtf8(note)) {
  setWindowTitle(QString::fromUtf8("Izvješće o obavljenoj obradi"));
  setDialogSize(254, 172);
  describe(kControls);
}

std::optional<FieldRef> WinIzvjesce::stateField(std::string_view name) {
  if (name == "Obradeno") return FieldRef(s_.linesRead, "Obradeno");
  if (name == "Ispravni") return FieldRef(s_.linesAccepted, "Ispravni");
  if (name == "SGreskama") return FieldRef(s_.linesWithErrors, "SGreskama");
  if (name == "MB") return FieldRef(s_.employerMB, "MB");
  if (name == "MBG") return FieldRef(s_.employerMBG, "MBG");
  if (name == "Od") return FieldRef(s_.firstDay, "Od");
  if (name == "Do") return FieldRef(s_.lastDay, "Do");
  if (name == "VrstaUplate") return FieldRef(s_.paymentType, "VrstaUplate");
  if (name == "Godina") return FieldRef(s_.year, "Godina");
  if (name == "Mjesec") return FieldRef(s_.month, "Mjesec");
  if (name == "Napomena") return FieldRef(note_, "Napomena");
  return std::nullopt;
}

}  // namespace obrazac::ui
