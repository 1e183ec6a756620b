// The lists and forms of the input check's two work tables of lines: the accepted lines
// (TBOSIGU2.DAT, PregeldPreuzetih and UpdateTBOSIGU2) and every line read (TBOSIGU3.DAT,
// PregledUlaznogFile and UpdateTBOSIGU3). Both tables hold the same row of an insured person, so
// one list and one form serve both, each told its table, titles and column headings.
#pragma once

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"
#include "frame/ui/update_form.h"

namespace obrazac::ui {

class WorkRowsBrowse : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control { kList = 1, kDodaj = 2, kOtvori = 3, kObrisi = 4, kZatvori = 5 };

  BrowseList* list() const { return list_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  // `headings`: the ten column headings, `|` between them.
  WorkRowsBrowse(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
                 const char* prefix, const char* title, const char* headings,
                 const char* orderCaption);

  virtual ProcedureWindow* newForm() = 0;
  bool openTables() override;
  void setUpLists() override;

 private:
  const char* prefix_;
  QStringList headings_;
  QString orderCaption_;
  BrowseList* list_;
};

class WorkRowForm : public UpdateForm {
  Q_OBJECT

 public:
  enum Control { kFirst = 2, kURedu = 30, kZatvori = 31 };

 protected:
  WorkRowForm(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
              const char* prefix);
  void declare() override { firstField_ = kFirst; }
};

// PregeldPreuzetih: the accepted lines.
class PregeldPreuzetih final : public WorkRowsBrowse {
  Q_OBJECT
 public:
  PregeldPreuzetih(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  ProcedureWindow* newForm() override;
};

// PregledUlaznogFile: every line read.
class PregledUlaznogFile final : public WorkRowsBrowse {
  Q_OBJECT
 public:
  PregledUlaznogFile(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  ProcedureWindow* newForm() override;
};

class UpdateTBOSIGU2 final : public WorkRowForm {
  Q_OBJECT
 public:
  UpdateTBOSIGU2(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);
};

class UpdateTBOSIGU3 final : public WorkRowForm {
  Q_OBJECT
 public:
  UpdateTBOSIGU3(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);
};

}  // namespace obrazac::ui
