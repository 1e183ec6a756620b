#include "codelists/ui/browse_vrste_uplata.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "codelists/ui/update_tbvrsupl.h"

namespace obrazac::ui {

BrowseVrsteUplata::BrowseVrsteUplata(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "BrowseVrsteUplata") {
  setWindowTitle(QString::fromUtf8("Vrste obračuna/ispravka"));
  setDialogSize(280, 190);
  auto* layout = new QVBoxLayout(this);
  list_ = new BrowseList(*this, "VUP", kList);
  layout->addWidget(list_->widget(), 1);

  auto* buttons = new QHBoxLayout;
  auto button = [&](int control, const char* text, const char* tip) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setToolTip(QString::fromUtf8(tip));
    b->setAutoDefault(false);
    registerButton(control, b);
    buttons->addWidget(b);
    return b;
  };
  button(kOdaberi, "&Odaberi", "Odaberi označenu šifru");
  button(kDodaj, "&Dodaj", "Upis nove vrste uplate");
  button(kOtvori, "O&tvori", "Ispravak podataka");
  button(kObrisi, "O&briši", "Obriši označeni redak");
  button(kIspisi, "&Ispiši", "Ispiši šifarnik na pisač")->setEnabled(false);
  buttons->addStretch(1);
  button(kZatvori, "&Zatvori", "Zatvori prozor");
  button(kUpute, "&Upute", "Pozivanje uputa za rad");
  layout->addLayout(buttons);
}

void BrowseVrsteUplata::declare() {
  firstField_ = kList;
  buttons_.emplace_back(kZatvori, response::kCancelled);
}

bool BrowseVrsteUplata::openTables() {
  return openTable("VUP");
}

void BrowseVrsteUplata::setUpLists() {
  BrowseList::SortOrder byCode;
  byCode.tab = QString::fromUtf8("REDOSLIJED: Šifra vrste obračuna/ispravka");
  byCode.key = "KEYSIFRA";
  byCode.locator = BrowseList::Locator::Entry;
  byCode.locatorPrompt = QString::fromUtf8("Šifra");
  byCode.locatorTip = QString::fromUtf8("Traži se šifra");
  byCode.locatorWidth = 2;
  list_->addSortOrder(byCode);
  list_->addColumn({"Sifra", "SIFRA", 6, {}});
  list_->addColumn({QString::fromUtf8("Skraćeni opis"), "SKROPIS", 60, {}});
  list_->setButtons(kDodaj, kOtvori, kObrisi, kOdaberi, kUpute);
  list_->init();
}

int BrowseVrsteUplata::takeAccepted(int control) {
  if (control == kUpute) {
    showHelp();
    return level::kNotify;
  }
  return ProcedureWindow::takeAccepted(control);
}

void BrowseVrsteUplata::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(new UpdateTBVRSUPL(desktop(), threadHandle()), request, std::move(then));
}

}  // namespace obrazac::ui
