#include "check/ui/work_rows.h"

#include <deque>
#include <string>
#include <vector>

namespace obrazac::ui {
namespace {

using K = ControlKind;

constexpr ControlDescription kListControls[] = {
    {.kind = K::List, .id = WorkRowsBrowse::kList},
    {.kind = K::Button, .id = WorkRowsBrowse::kDodaj, .prompt = "&Dodaj"},
    {.kind = K::Button, .id = WorkRowsBrowse::kOtvori, .prompt = "Otvori"},
    {.kind = K::Button, .id = WorkRowsBrowse::kObrisi, .prompt = "&Obriši"},
    {.kind = K::Button,
     .id = WorkRowsBrowse::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

constexpr const char* kColumnFields[] = {"JMBG",    "PREZIME", "OPCINA", "CLANDN",   "OSNOVA1",
                                         "OSNOVA3", "GODOBRA", "OBRMJE", "OBRRAZD1", "OBRRAZD2"};
constexpr int kColumnWidths[] = {13, 40, 6, 3, 3, 2, 6, 6, 3, 3};

// The form's fields: prompt, field (without prefix), picture.
struct FormField {
  const char* prompt;
  const char* field;
  const char* picture;
};
constexpr FormField kFormFields[] = {
    {"MBG osobe", "JMBG", "s13"},
    {"Prezime i ime osiguranika", "PREZIME", "s60"},
    {"Član OMF", "CLANDN", "s1"},
    {"Općina ili grad", "OPCINA", "s4"},
    {"Osnova obračuna", "OSNOVA1", "s2"},
    {"Oznaka staža s povećanim trajanjem", "OSNOVA3", "s1"},
    {"Obračunska godina", "GODOBRA", "N04"},
    {"Obračunski mjesec", "OBRMJE", "N02"},
    {"Razdoblje od", "OBRRAZD1", "N02"},
    {"Razdoblje do", "OBRRAZD2", "N02"},
    {"Vrsta uplate", "VRSUPL", "s2"},
    {"IV.7", "IZNOS7", "N-_15`2"},
    {"IV.8", "IZNOS8", "N-_15`2"},
    {"IV.9", "IZNOS9", "N-_15`2"},
    {"IV.10", "IZNOS10", "N-_15`2"},
    {"IV.11", "IZNOS11", "N-_15`2"},
};

// The descriptions of one table's form; the field names live as long as the program.
const std::vector<ControlDescription>& formControls(const std::string& prefix) {
  static std::deque<std::string> names;
  static std::deque<std::pair<std::string, std::vector<ControlDescription>>> made;
  for (const auto& [p, controls] : made)
    if (p == prefix) return controls;
  std::vector<ControlDescription> controls;
  controls.push_back({.kind = K::Group, .prompt = "ULAZNI PODATAK"});
  int id = WorkRowForm::kFirst;
  for (const FormField& f : kFormFields) {
    names.push_back(prefix + ":" + f.field);
    controls.push_back(
        {.id = id++, .prompt = f.prompt, .field = names.back().c_str(), .picture = f.picture});
  }
  controls.push_back({.kind = K::Button,
                      .id = WorkRowForm::kURedu,
                      .prompt = "&U redu",
                      .role = ButtonRole::Ok,
                      .pushRight = true});
  controls.push_back({.kind = K::Button,
                      .id = WorkRowForm::kZatvori,
                      .prompt = "&Zatvori",
                      .role = ButtonRole::Cancel});
  made.emplace_back(prefix, std::move(controls));
  return made.back().second;
}

}  // namespace

WorkRowsBrowse::WorkRowsBrowse(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                               QString procedure, const char* prefix, const char* title,
                               const char* headings, const char* orderCaption)
    : ProcedureWindow(desktop, std::move(thread), std::move(procedure)),
      prefix_(prefix),
      headings_(QString::fromUtf8(headings).split('|')),
      orderCaption_(QString::fromUtf8(orderCaption)) {
  setWindowTitle(QString::fromUtf8(title));
  list_ = new BrowseList(*this, prefix, kList);
  describe(kListControls, {{kList, list_->widget()}});
}

bool WorkRowsBrowse::openTables() {
  return openTable(prefix_);
}

void WorkRowsBrowse::setUpLists() {
  BrowseList::SortOrder byName;
  byName.tab = orderCaption_;
  byName.key = "KEYPREZIME";
  byName.locator = BrowseList::Locator::Entry;
  byName.locatorPrompt = headings_.value(1);
  byName.locatorWidth = 30;
  list_->addSortOrder(byName);
  for (int c = 0; c < 10; ++c)
    list_->addColumn({headings_.value(c), kColumnFields[c], kColumnWidths[c], {}});
  list_->setButtons(kDodaj, kOtvori, kObrisi, 0);
  list_->init();
  firstField_ = kList;
}

void WorkRowsBrowse::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(newForm(), request, std::move(then));
}

WorkRowForm::WorkRowForm(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                         QString procedure, const char* prefix)
    : UpdateForm(desktop, std::move(thread), std::move(procedure), prefix) {
  setWindowTitle("Update the TBOSIGU2 File");
  setCaptions("Record Will Be Added", "Pregled ulaznih podataka");
  describe(formControls(prefix));
}

PregeldPreuzetih::PregeldPreuzetih(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : WorkRowsBrowse(desktop, std::move(thread), "PregeldPreuzetih", "OSI3",
                     "Pregled ispravnih ulaznih podataka",
                     "MBG|Prezime i ime osiguranika|Općina|OMF| OO| B|Godina|Mjesec|Od|Do",
                     "Prezime i ime") {}

ProcedureWindow* PregeldPreuzetih::newForm() {
  return new UpdateTBOSIGU2(desktop(), threadHandle());
}

PregledUlaznogFile::PregledUlaznogFile(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : WorkRowsBrowse(
          desktop, std::move(thread), "PregledUlaznogFile", "OSI4", "Pregled ulaznih podataka",
          "MBG|Prezime i ime|Općina|OMF|OO| B|Godina| Mjesec|Od|Do", "REDOSLIJED: Prezime i ime") {}

ProcedureWindow* PregledUlaznogFile::newForm() {
  return new UpdateTBOSIGU3(desktop(), threadHandle());
}

UpdateTBOSIGU2::UpdateTBOSIGU2(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : WorkRowForm(desktop, std::move(thread), "UpdateTBOSIGU2", "OSI3") {}

UpdateTBOSIGU3::UpdateTBOSIGU3(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : WorkRowForm(desktop, std::move(thread), "UpdateTBOSIGU3", "OSI4") {}

}  // namespace obrazac::ui
