// The binder: ties each control of a window to the value it shows and edits, both ways. A value
// is a field of a record buffer (the form's primary record) or a field of a plain struct of
// window state (text kept in Windows-1250 like the records, or a whole number). The user's
// changes go into the value as they are made; showing puts every value back into its control.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "data/record.h"
#include "frame/ui/entry_picture.h"
#include "register/check_failure.h"

class QWidget;

namespace obrazac::ui {

// Where a bound value lives and what it is called in the checks' failures ("APL:JMBG").
class FieldRef {
 public:
  FieldRef(Record& record, int field, std::string label)
      : place_(RecordField{&record, field}), label_(std::move(label)) {}
  FieldRef(std::string& text, std::string label) : place_(&text), label_(std::move(label)) {}
  FieldRef(int& number, std::string label) : place_(&number), label_(std::move(label)) {}

  const std::string& label() const { return label_; }
  // The record and field number of a record field, or nullptr and -1.
  Record* record() const;
  int field() const;

  QString read(const EntryPicture& picture) const;
  void write(const QString& text, const EntryPicture& picture) const;
  // Why the text typed into an amount field's entry is no amount that field holds, in the words
  // of the command line; nothing for other fields and for an amount it takes.
  std::optional<std::string> amountRefusal(const QString& text, const EntryPicture& picture) const;

 private:
  struct RecordField {
    Record* record;
    int field;
  };
  std::variant<RecordField, std::string*, int*> place_;
  std::string label_;
};

class FieldBinder : public QObject {
  Q_OBJECT

 public:
  struct Binding {
    int control;
    QWidget* widget;
    FieldRef ref;
    EntryPicture picture;
    QString choices;  // drop list, option group, check box
  };

  explicit FieldBinder(QObject* parent) : QObject(parent) {}

  // Called with the control when the user has made a value: an entry left after a change, a
  // choice made.
  std::function<void(int control)> accepted;
  // Called when the user typed or pasted a character the field cannot hold (a control character,
  // one outside Windows-1250): the entry keeps the value it had.
  std::function<void(const CheckFailure& failure)> refused;

  // Binds a line edit, combo box, check box, spin box, label, or a frame of option buttons.
  void bind(int control, QWidget* widget, FieldRef ref, const EntryPicture& picture = {},
            const QString& choices = {});
  void show();
  void show(int control);
  // The control bound to the field of this label, or 0.
  int controlOf(const std::string& label) const;
  const std::vector<Binding>& bindings() const { return bindings_; }

 private:
  void showBinding(const Binding& b);
  void store(int control, const QString& text);

  std::vector<Binding> bindings_;
};

}  // namespace obrazac::ui
