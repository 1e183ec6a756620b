#include "submission/ui/new_cit_obrazac_a.h"

#include <cstdio>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "prints/page_a_print.h"
#include "prints/page_b_print.h"
#include "submission/ui/browse_obrazac_b.h"
#include "submission/ui/form_prints.h"
#include "submission/ui/sending_state.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = NewCitObrazacA;

constexpr const char* kAmount = "N-_15`2";

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "I. OSNOVNI PODACI"},
    {.kind = K::Display,
     .id = F::kIdentifikator,
     .prompt = "1. Identifikator obrasca",
     .field = "id4",
     .chars = 4},
    {.id = F::kObrGod, .prompt = "Obračunska godina", .field = "A:OBRGOD", .picture = "s4"},
    {.id = F::kObrMje, .prompt = "2. Obračunski mjesec", .field = "A:OBRMJE", .picture = "s2"},
    {.id = F::kVrsUpla, .prompt = "3. Vrsta uplate", .field = "A:VRSUPLA", .picture = "s2"},
    {.id = F::kBrojOsig,
     .prompt = "4. Broj osiguranika za koje se podnosi obrazac R-S",
     .field = "A:BROJOSIG",
     .picture = "N6"},
    {.id = F::kBrojStrana,
     .prompt = "5. Broj stranica B koje se prilažu stranici A",
     .field = "A:BROJSTRANA",
     .picture = "N6"},
    {.kind = K::Group, .prompt = "II. PODACI O OBVEZNIKU UPLATE"},
    {.id = F::kMB01, .prompt = "1. MB obveznika", .field = "A:MB01", .picture = "s8"},
    {.id = F::kMB02, .field = "A:MB02", .picture = "s4", .tip = "Nastavak MB", .beside = true},
    {.id = F::kJMBG, .prompt = "2. MBG", .field = "A:JMBG", .picture = "s13"},
    {.id = F::kNaziv, .prompt = "3. Naziv/prezime i ime", .field = "A:NAZIV", .picture = "s60"},
    {.id = F::kAdresa, .prompt = "4. Adresa obveznika", .field = "A:ADRESA", .picture = "s60"},
    {.id = F::kVrstObv,
     .prompt = "5. Vrsta obveznika",
     .field = "A:VRSTOBVEZNIKA",
     .picture = "s2"},
    {.kind = K::Group, .prompt = "III. KONTROLNI PODACI PO OBVEZNIKU"},
    {.id = F::kIznos7,
     .prompt = "7. Iznos obračunane plaće/naknade/dohotka",
     .field = "A:IZNOS7",
     .picture = kAmount},
    {.id = F::kIznos8,
     .prompt = "8. Osnovica za obračun doprinosa za MO",
     .field = "A:IZNOS8",
     .picture = kAmount},
    {.id = F::kIznos9,
     .prompt = "9. Doprinosi za I. stup MO",
     .field = "A:IZNOS9",
     .picture = kAmount},
    {.id = F::kIznos10,
     .prompt = "10. Doprinosi za II. stup MO",
     .field = "A:IZNOS10",
     .picture = kAmount},
    {.id = F::kIznos11, .prompt = "11. Neto isplata", .field = "A:IZNOS11", .picture = kAmount},
    {.kind = K::Display,
     .id = F::kKonZnak,
     .prompt = "Kontrolni broj",
     .field = "A:KONZNAK",
     .chars = 43},
    {.kind = K::Button, .id = F::kPregled, .prompt = "&Pregled", .tip = "Stranica B obrasca"},
    {.kind = K::Button, .id = F::kStranicaA, .prompt = "Stranica &A"},
    {.kind = K::Button, .id = F::kABezHash, .prompt = "A bez HASH"},
    {.kind = K::Button, .id = F::kStranicaB, .prompt = "Stranica &B"},
    {.kind = K::Button, .id = F::kStranicaB2, .prompt = "Stranica B-2"},
    {.kind = K::Button,
     .id = F::kUredu,
     .prompt = "&U redu",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button, .id = F::kZatvori, .prompt = "&Zatvori", .role = ButtonRole::Cancel},
};

}  // namespace

NewCitObrazacA::NewCitObrazacA(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "NewCitObrazacA", "A") {
  setCaptions("Obrazac R-S (stranica A)", "Obrazac R-S (stranica A)", "Obrazac R-S (stranica A)");
  setWindowTitle("Obrazac R-S (stranica A)");
  setDialogSize(360, 300);
  describe(kControls);
}

bool NewCitObrazacA::formExists(const std::filesystem::path& workDir, const std::string& link) {
  Context ctx(workDir);
  Table& a = ctx.table("A");
  if (a.open(AccessMode::ReadOnly) != 0) return false;
  a.record().clear();
  a.record().setText(a.record().index("KONVEZA"), link);
  return a.get("KEYIDENTIKATOR") == 0;
}

// A change or delete works on the form of the window state, whoever called the window.
bool NewCitObrazacA::primeUpdate() {
  if (request() != request::kInsert && !readForm()) {
    response_ = response::kCancelled;
    return false;
  }
  return UpdateForm::primeUpdate();
}

bool NewCitObrazacA::readForm() {
  const SendingState& state = sendingState();
  Record& a = record();
  a.clear();
  a.setText(a.index("KONVEZA"), state.link);
  if (primary().table().get("KEYIDENTIKATOR") == 0) return true;
  char employer[8];
  std::snprintf(employer, sizeof employer, "%03d", state.employer % 1000);
  desktop().prompter.message("Nema obrasca " +
                             QString::fromStdString(utf8FromCp1250(state.identifier)) +
                             " za firmu " + employer);
  return false;
}

void NewCitObrazacA::redisplay() {
  const std::string identifier = record().text(record().index("IDENTIFIKATOR"));
  id4_ = identifier.size() > 3 ? identifier.substr(3, 4) : std::string();
  UpdateForm::redisplay();
}

std::optional<FieldRef> NewCitObrazacA::stateField(std::string_view name) {
  if (name == "id4") return FieldRef(id4_, "id4");
  return std::nullopt;
}

int NewCitObrazacA::takeAccepted(int control) {
  if (control < kPregled || control > kStranicaB2) return UpdateForm::takeAccepted(control);
  if (control == kPregled) {
    const std::string link(clipRight(record().text(record().index("KONVEZA"))));
    callOnThread(new BrowseObrazacB(desktop(), threadHandle(), link), request::kNone, {});
    return level::kNotify;
  }
  const Record shown = record();
  const bool found = readForm();
  record() = shown;
  if (!found) return level::kNotify;
  const std::string& link = sendingState().link;
  switch (control) {
    case kStranicaA:
      printPageA(*this, link, prints::PrintFlag::ControlNumber);
      break;
    case kABezHash:
      printPageA(*this, link, prints::PrintFlag::PageCount);
      break;
    case kStranicaB:
      printPagesB(*this, link, prints::PageBOrder::Key);
      break;
    default:
      printPagesB(*this, link, prints::PageBOrder::Alphabetical);
      break;
  }
  return level::kNotify;
}

}  // namespace obrazac::ui
