// BrowseIzlazGreske, "Pregled izlaznog sloga koji se dostavlja u VELOR": the lines of the last
// formal control that have findings (upper list) and the findings of the highlighted line (lower
// list), kept in step, beside the line cut into its fields. Both lists page by key, so a
// million-line result opens at once.
#pragma once

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class RecordFieldsDisplay;

class BrowseIzlazGreske final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control { kRetci = 1, kNalazi = 2, kZatvori = 3 };

  BrowseIzlazGreske(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  BrowseList* lines() const { return lines_; }
  BrowseList* findings() const { return findings_; }
  RecordFieldsDisplay* fields() const { return fields_; }

 protected:
  bool openTables() override;
  void setUpLists() override;
  int takeNewSelection(int control) override;
  int takeWindowEvent(const Event& e) override;

 private:
  void follow();

  BrowseList* lines_;
  BrowseList* findings_;
  RecordFieldsDisplay* fields_;
  std::int64_t shownLine_ = -1;
};

// The whole line of a TBIZLAZ.DAT row, put together from its five pieces (Windows-1250).
std::string lineOfRow(const Record& ulz);

}  // namespace obrazac::ui
