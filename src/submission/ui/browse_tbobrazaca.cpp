#include "submission/ui/browse_tbobrazaca.h"

#include "data/fixed_width.h"
#include "frame/ui/entry_picture.h"
#include "submission/ui/new_cit_obrazac_a.h"
#include "submission/ui/sending_state.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;

constexpr ControlDescription kBelow[] = {
    {.kind = K::Display,
     .id = BrowseTBOBRAZACA::kNazivPoslodavca,
     .prompt = "Naziv poslodavca:",
     .field = "A:NAZIV",
     .chars = 60},
};

BrowseList::Column amountColumn(const char* title, const char* field) {
  return {QString::fromUtf8(title), field, 14, [field = std::string(field)](const Record& r) {
            static const EntryPicture amount("N-_15`2");
            return amount.show(r.decimal(r.index(field)));
          }};
}

}  // namespace

BrowseTBOBRAZACA::BrowseTBOBRAZACA(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ListWindow(desktop, std::move(thread), "BrowseTBOBRAZACA", "A", "&Otvori", kBelow) {
  setWindowTitle("Pregled slanja podataka u VELOR");
  setDialogSize(460, 240);
}

void BrowseTBOBRAZACA::addOrders() {
  addOrder("REDOSLIJED: Poslodavac, godina, red. broj", "KEYFIRMA");
  addOrder("Identifikator", "KEYIDENTIKATOR", "Traži se identifikator (firma, godina i rbr):", 9);
  list()->addColumn({"Naziv/prezime i ime", "NAZIV", 40, {}});
  list()->addColumn({"Identif.", "IDENTIFIKATOR", 7, {}});
  list()->addColumn({"God.", "OBRGOD", 4, {}});
  list()->addColumn({"Mje.", "OBRMJE", 3, {}});
  list()->addColumn({"VrsUpla", "VRSUPLA", 7, {}});
  list()->addColumn({"Osiguranika", "BROJOSIG", 11, {}});
  list()->addColumn({"Stranica", "BROJSTRANA", 8, {}});
  list()->addColumn(amountColumn("Bruto", "IZNOS7"));
  list()->addColumn(amountColumn("Osnovica", "IZNOS8"));
  list()->addColumn(amountColumn("I. stup", "IZNOS9"));
  list()->addColumn(amountColumn("II. stup", "IZNOS10"));
  list()->addColumn(amountColumn("Iznos plaće", "IZNOS11"));
}

ProcedureWindow* BrowseTBOBRAZACA::newForm() {
  return new NewCitObrazacA(desktop(), threadHandle());
}

// The page A window reads the form of the window state: the highlighted one, taken before it
// opens.
void BrowseTBOBRAZACA::callProcedure(int number, int request, Done then) {
  if (number == 1 && request != request::kInsert) {
    const Record& a = list()->table().record();
    SendingState& state = sendingState();
    const std::string identifier = a.text(a.index("IDENTIFIKATOR"));
    state.link = std::string(clipRight(a.text(a.index("KONVEZA"))));
    state.identifier = identifier.size() > 3 ? identifier.substr(3, 4) : std::string();
    state.employer = std::atoi(identifier.substr(0, 3).c_str());
  }
  ListWindow::callProcedure(number, request, std::move(then));
}

// The name under the list is the highlighted form's, from the list's buffer.
int BrowseTBOBRAZACA::takeNewSelection(int control) {
  const int result = ListWindow::takeNewSelection(control);
  binder().show(kNazivPoslodavca);
  return result;
}

}  // namespace obrazac::ui
