// A drop-down list of one table's rows on an update form: a field of every row in the order of
// a key. Choosing a row hands it over with the table's buffer holding it. Leaving the list with
// a typed value that no row has either calls the list's update procedure to insert it, or (when
// adding is allowed) asks "Dodati podatak?" and adds a record holding the typed value, or refuses
// the value.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "frame/ui/procedure_window.h"

class QComboBox;

namespace obrazac::ui {

class FileDrop : public QObject {
  Q_OBJECT

 public:
  FileDrop(ProcedureWindow& window, const std::string& prefix, const std::string& key,
           const std::string& field, int control);

  QComboBox* combo() const { return combo_; }
  Table& table() { return window_.thread().table(prefix_); }

  // Called with the chosen row in the table's buffer.
  std::function<void(const Record&)> onChoose;
  bool allowAdd = false;
  int updateProcedure = 0;  // 0: none

  // Reads the rows again.
  void reset();
  // Shows a value without choosing a row (the form's own field).
  void setText(const QString& text);

 private:
  void choose(int index);
  void takeTyped();
  int find(const QString& text) const;

  ProcedureWindow& window_;
  std::string prefix_;
  int key_;
  int field_;
  int control_;
  QComboBox* combo_;
  std::vector<Position> positions_;
  bool filling_ = false;
};

}  // namespace obrazac::ui
