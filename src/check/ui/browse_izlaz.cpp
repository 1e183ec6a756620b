#include "check/ui/browse_izlaz.h"

#include <QHBoxLayout>
#include <QTableView>
#include <QVBoxLayout>

#include "check/ui/browse_izlaz_greske.h"
#include "check/ui/line_pieces.h"
#include "check/ui/pregled_velora.h"
#include "check/ui/record_fields_display.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = BrowseIzlaz;

constexpr ControlDescription kControls[] = {
    {.kind = K::List, .id = W::kList},
    {.kind = K::Button, .id = W::kDodaj, .prompt = "&Dodaj"},
    {.kind = K::Button,
     .id = W::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

}  // namespace

BrowseIzlaz::BrowseIzlaz(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "BrowseIzlaz") {
  setWindowTitle(QString::fromUtf8("Pregled izlaznog sloga koji se dostavlja u VELOR"));
  setDialogSize(463, 300);
  list_ = new BrowseList(*this, "ULZ", kList);
  list_->view()->setAccessibleName(QString::fromUtf8("Retci datoteke"));
  pieces_ = new LinePieces(this);
  fields_ = new RecordFieldsDisplay(this);
  // The list with the line under it, the field display beside them.
  auto* body = new QWidget(this);
  auto* row = new QHBoxLayout(body);
  row->setContentsMargins(0, 0, 0, 0);
  auto* column = new QVBoxLayout;
  column->addWidget(list_->widget(), 1);
  column->addWidget(pieces_);
  row->addLayout(column, 1);
  row->addWidget(fields_);
  describe(kControls, {{kList, body}});
}

bool BrowseIzlaz::openTables() {
  return openTable("ULZ");
}

void BrowseIzlaz::setUpLists() {
  BrowseList::SortOrder byLine;
  byLine.tab = "REDOSLIJED: Redni broj ";
  byLine.key = "KEYVRSTA";
  list_->addSortOrder(byLine);
  list_->addColumn({"Rbr", "REDBROJ", 4, {}});
  list_->addColumn({"St", "GRESKA", 2, {}});
  list_->addColumn({"TS", "TIPSLOGA", 2, {}});
  list_->setButtons(kDodaj, 0, 0, 0);
  list_->init();
  firstField_ = kList;
}

void BrowseIzlaz::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(new PregledVelora(desktop(), threadHandle()), request, std::move(then));
}

int BrowseIzlaz::takeNewSelection(int control) {
  const int result = ProcedureWindow::takeNewSelection(control);
  if (control == kList) follow();
  return result;
}

int BrowseIzlaz::takeWindowEvent(const Event& e) {
  const int result = ProcedureWindow::takeWindowEvent(e);
  if (e.kind == EventKind::OpenWindow) follow();
  return result;
}

void BrowseIzlaz::follow() {
  const auto* row = list_->pager().highlighted();
  const std::string line = row ? lineOfRow(row->record) : std::string();
  pieces_->showLine(line);
  fields_->showLine(line);
}

}  // namespace obrazac::ui
