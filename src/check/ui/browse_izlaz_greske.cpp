#include "check/ui/browse_izlaz_greske.h"

#include <QHBoxLayout>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "check/ui/record_fields_display.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = BrowseIzlazGreske;

constexpr ControlDescription kControls[] = {
    {.kind = K::List, .id = W::kRetci},
    {.kind = K::Button,
     .id = W::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

constexpr const char* kPieces[] = {"REDAK1", "REDAK2", "REDAK3", "REEDAK4", "REDAK5"};

}  // namespace

std::string lineOfRow(const Record& ulz) {
  std::string line;
  for (const char* piece : kPieces) line += ulz.text(ulz.index(piece));
  return line;
}

BrowseIzlazGreske::BrowseIzlazGreske(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "BrowseIzlazGreske") {
  setWindowTitle(QString::fromUtf8("Pregled izlaznog sloga koji se dostavlja u VELOR"));
  setDialogSize(463, 300);
  lines_ = new BrowseList(*this, "ULZ", kRetci);
  findings_ = new BrowseList(*this, "ULZ1", kNalazi);
  fields_ = new RecordFieldsDisplay(this);
  lines_->view()->setAccessibleName(QString::fromUtf8("Retci s greškama"));
  findings_->view()->setAccessibleName(QString::fromUtf8("Greške retka"));
  // The lists one above the other, the field display beside them.
  auto* body = new QWidget(this);
  auto* row = new QHBoxLayout(body);
  row->setContentsMargins(0, 0, 0, 0);
  auto* column = new QVBoxLayout;
  column->addWidget(lines_->widget(), 3);
  column->addWidget(findings_->widget(), 2);
  row->addLayout(column, 1);
  row->addWidget(fields_);
  describe(kControls, {{kRetci, body}});
}

bool BrowseIzlazGreske::openTables() {
  return openTable("ULZ") && openTable("ULZ1");
}

void BrowseIzlazGreske::setUpLists() {
  BrowseList::SortOrder marked;
  marked.key = "KEYVRSTA";
  marked.filter = [](const Record& r) { return r.text(r.index("GRESKA")) == "D"; };
  lines_->addSortOrder(marked);
  lines_->addColumn({"Rbr", "REDBROJ", 7, {}});
  lines_->addColumn({"St", "GRESKA", 2, {}});
  lines_->addColumn({"TS", "TIPSLOGA", 2, {}});
  int from = 1;
  for (const char* piece : kPieces) {
    lines_->addColumn({QString("%1-%2").arg(from).arg(from + 49), piece, 50, {}});
    from += 50;
  }
  lines_->setButtons(0, 0, 0, 0);
  lines_->init();

  // The findings of the line highlighted above: the range of the line number.
  BrowseList::SortOrder ofLine;
  ofLine.key = "KEYVRSTA";
  ofLine.rangeComponents = 1;
  ofLine.primeRange = [this](Record& r) {
    const auto* row = lines_->pager().highlighted();
    r.setInteger(r.index("REDBROJ"), row ? row->record.integer(row->record.index("REDBROJ")) : 0);
  };
  findings_->addSortOrder(ofLine);
  findings_->addColumn({"Kolona", "KOLONA", 10, {}});
  findings_->addColumn({QString::fromUtf8("Opis greške"), "GRESKA", 100, {}});
  findings_->setButtons(0, 0, 0, 0);
  findings_->init();
  // Each list has one order and no tab to choose.
  lines_->tabs()->hide();
  findings_->tabs()->hide();
  firstField_ = kRetci;
}

int BrowseIzlazGreske::takeNewSelection(int control) {
  const int result = ProcedureWindow::takeNewSelection(control);
  if (control == kRetci) follow();
  return result;
}

int BrowseIzlazGreske::takeWindowEvent(const Event& e) {
  const int result = ProcedureWindow::takeWindowEvent(e);
  if (e.kind == EventKind::OpenWindow) follow();
  return result;
}

// The lower list and the field display follow the highlighted line.
void BrowseIzlazGreske::follow() {
  const auto* row = lines_->pager().highlighted();
  const std::int64_t line = row ? row->record.integer(row->record.index("REDBROJ")) : 0;
  if (line == shownLine_) return;
  shownLine_ = line;
  findings_->resetSort(true);
  findings_->updateWindow();
  if (row)
    fields_->showLine(lineOfRow(row->record));
  else
    fields_->clearLine();
}

}  // namespace obrazac::ui
