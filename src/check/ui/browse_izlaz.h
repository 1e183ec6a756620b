// BrowseIzlaz, "Pregled izlaznog sloga koji se dostavlja u VELOR": every line of the file under
// the last formal control in line order, the highlighted line under the column ruler and cut
// into its fields. "&Dodaj" adds a line through PregledVelora.
#pragma once

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class LinePieces;
class RecordFieldsDisplay;

class BrowseIzlaz final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control { kList = 1, kDodaj = 2, kZatvori = 3 };

  BrowseIzlaz(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  BrowseList* list() const { return list_; }
  LinePieces* pieces() const { return pieces_; }
  RecordFieldsDisplay* fields() const { return fields_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  bool openTables() override;
  void setUpLists() override;
  int takeNewSelection(int control) override;
  int takeWindowEvent(const Event& e) override;

 private:
  void follow();

  BrowseList* list_;
  LinePieces* pieces_;
  RecordFieldsDisplay* fields_;
};

}  // namespace obrazac::ui
