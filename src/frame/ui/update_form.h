// An update form: a procedure window that inserts, changes or deletes one record of its primary
// table. It works on the thread's record buffer (the calling list has prepared it), keeps a
// copy taken when it opened to tell whether the user changed anything, saves through the
// table's record manager and shows every outcome as a standard message: a duplicate key names
// the key, a record changed by another station shows that station's values, a failed change or
// delete offers to try again, and closing a changed form asks whether to save.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/ui/procedure_window.h"

class QLineEdit;

namespace obrazac::ui {

class UpdateForm : public ProcedureWindow {
  Q_OBJECT

 public:
  UpdateForm(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
             std::string primary);

  RecordManager& primary() { return thread().manager(primary_); }
  Record& record() { return primary().record(); }
  // Whether the record differs from the copy taken when the form opened or last saved.
  bool recordChanged();

 protected:
  // Declarations, made while the form is built.
  void setCaptions(const QString& insert, const QString& change, const QString& remove = {});
  void allowRequests(bool insert, bool change, bool remove);
  // Binds an entry the form made itself to a field of the primary record (no prefix).
  QLineEdit* bindField(int control, QLineEdit* edit, const std::string& field);
  void setOkButton(int control, QAbstractButton* button);
  void setCancelButton(int control, QAbstractButton* button);
  // Fields of the primary record get the previous-value key: Ctrl+' brings back the value the
  // form last saved; the save button completes the form.
  void adopt(const ControlDescription& d, QWidget* widget) override;

  bool openTables() override;
  bool prepareBeforeWindow() override;
  // 6: prepares the primary record; false stops the form before its window shows.
  virtual bool primeUpdate();
  int takeCompleted() override;
  int takeCloseEvent() override;
  void restoreField(int control) override;
  void kill() override;
  // A question that confirms a delete in place of the standard one, when the form has more to
  // say (a code in use); empty keeps the standard confirmation. Asked even where the standard
  // one is not.
  virtual QString deleteQuestion() { return {}; }
  // Shows the standard message of a failed save; the store's own failure is `storeMessage`.
  void reportSaveFailure(const SaveResult& r, int storeMessage);

 private:
  enum class Removal { Deleted, Refused, Stay };
  int completeInsert();
  int completeChange();
  int completeDelete();
  Removal removeRecord(bool confirm);
  void saveHistory();
  void takeSaved();

  std::string primary_;
  std::unique_ptr<Record> saved_;
  QString insertCaption_;
  QString changeCaption_;
  QString deleteCaption_;
  bool allowInsert_ = true;
  bool allowChange_ = true;
  bool allowDelete_ = true;
  bool abandoned_ = false;
};

// The text of a record field as an entry shows it: text without its trailing blanks.
QString fieldText(const Record& record, int field);

}  // namespace obrazac::ui
