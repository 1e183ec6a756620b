#include "codelists/ui/browse_opcine.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTabBar>

#include "codelists/municipality_list.h"
#include "codelists/ui/code_list_print.h"
#include "codelists/ui/update_tbopcine.h"
#include "prints/register_prints.h"

namespace obrazac::ui {

BrowseOpcine::BrowseOpcine(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CodeListBrowse(desktop, std::move(thread), "BrowseOpcine", "OPC",
                     {"Upis nove općine/grada", "&Ispiši"}) {
  setWindowTitle(QString::fromUtf8("Šifarnik - Općine i gradovi"));
  setDialogSize(300, 220);
}

void BrowseOpcine::addOrders() {
  addOrder("REDOSLJED: Redni broj", "KEYREDB", "Redni broj", "Traži se redni broj", 4);
  addOrder("Šifra općine grada", "KEYSIFRA", "Šifra", "Traži se šifra općine/grada", 4);
  addOrder("Naziv općine", "KEYNAZIV", "Naziv", "Traži se naziv općine", 40);
  list()->addColumn({"Rbr", "REDBROJ", 6, {}});
  list()->addColumn({QString::fromUtf8("Šifra"), "SIFRA", 6, {}});
  list()->addColumn({QString::fromUtf8("Naziv općine"), "NAZIV", 40, {}});
}

ProcedureWindow* BrowseOpcine::newForm() {
  return new UpdateTBOPCINE(desktop(), threadHandle());
}

void BrowseOpcine::print() {
  static constexpr prints::OpcineOrder kOrderOfTab[] = {
      prints::OpcineOrder::RunningNumber, prints::OpcineOrder::Code, prints::OpcineOrder::Name};
  const int tab = std::clamp(list()->tabs()->currentIndex(), 0, 2);
  report(QString::fromUtf8("Šifarnik - općine i gradovi"),
         prints::opcineReport(kOrderOfTab[tab], SystemClock()));
}

int BrowseOpcine::takeWindowEvent(const Event& e) {
  const int result = CodeListBrowse::takeWindowEvent(e);
  if (e.kind == EventKind::OpenWindow && tableEmpty()) offerOfficialList();
  return result;
}

bool BrowseOpcine::tableEmpty() {
  return list()->table().records() == 0;
}

// All the rows or none: the list is added in one transaction.
void BrowseOpcine::offerOfficialList() {
  const QString title = QString::fromUtf8("Općine i gradovi");
  const Answer answer = desktop().prompter.show(
      title,
      QString::fromUtf8(
          "Šifarnik općina i gradova je prazan. Učitati službeni popis općina i gradova?"),
      Icon::Question, Buttons::YesNo, Answer::Yes);
  if (answer != Answer::Yes) return;
  const auto csv = findMunicipalityList(QCoreApplication::applicationDirPath().toStdString());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const MunicipalityLoad load =
      csv.empty() ? MunicipalityLoad{0, Status::refused("popis općina nije isporučen s programom")}
                  : loadMunicipalityList(thread().context(), csv);
  QApplication::restoreOverrideCursor();
  if (!load.status.ok())
    desktop().prompter.show(title, QString::fromStdString(load.status.text()), Icon::Exclamation,
                            Buttons::Ok, Answer::Yes);
  list()->resetSort(true);
  list()->updateWindow();
}

}  // namespace obrazac::ui
