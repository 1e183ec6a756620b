#include "frame/ui/field_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "data/codepage.h"
#include "data/field_value.h"
#include "data/fixed_width.h"
#include "data/typed_amount.h"

namespace obrazac::ui {
namespace {

QStringList choiceList(const QString& choices, const char* fallback) {
  return (choices.isEmpty() ? QString(fallback) : choices).split('|');
}

// The option buttons of a frame bound as an option group.
QList<QAbstractButton*> optionsOf(QWidget* group) {
  return group->findChildren<QAbstractButton*>();
}

}  // namespace

Record* FieldRef::record() const {
  const auto* r = std::get_if<RecordField>(&place_);
  return r ? r->record : nullptr;
}

int FieldRef::field() const {
  const auto* r = std::get_if<RecordField>(&place_);
  return r ? r->field : -1;
}

QString FieldRef::read(const EntryPicture& picture) const {
  if (const auto* r = std::get_if<RecordField>(&place_)) {
    const Record& rec = *r->record;
    const FieldDecl& f = rec.field(r->field);
    if (isTextField(f))
      return QString::fromStdString(utf8FromCp1250(clipRight(rec.text(r->field))));
    if (picture.isNumber() && f.type != FieldType::Date)
      return picture.show(f.type == FieldType::Decimal ? rec.decimal(r->field)
                                                       : Decimal(rec.integer(r->field)));
    return QString::fromStdString(rec.display(r->field));
  }
  if (const auto* text = std::get_if<std::string*>(&place_))
    return QString::fromStdString(utf8FromCp1250(clipRight(**text)));
  const int number = *std::get<int*>(place_);
  return picture.isNumber() ? picture.show(Decimal(number)) : QString::number(number);
}

std::optional<std::string> FieldRef::amountRefusal(const QString& text,
                                                   const EntryPicture& picture) const {
  const auto* r = std::get_if<RecordField>(&place_);
  if (!r) return std::nullopt;
  const FieldDecl& f = r->record->field(r->field);
  if (f.type != FieldType::Decimal) return std::nullopt;
  const QString plain = picture.withoutGrouping(text).trimmed();
  if (plain.isEmpty() || plain == "-") return std::nullopt;  // an empty amount is zero
  const TypedAmount amount = readTypedAmount(plain.toStdString(), f.size, f.places);
  if (amount.value) return std::nullopt;
  return amount.refusal;
}

// A number the picture cannot read, or an amount too long for its field, leaves the value as it
// was: the entry's validator keeps most such text out, and leaving the entry refuses the rest.
void FieldRef::write(const QString& text, const EntryPicture& picture) const {
  if (const auto* r = std::get_if<RecordField>(&place_)) {
    Record& rec = *r->record;
    const FieldDecl& f = rec.field(r->field);
    if (isTextField(f) || !picture.isNumber() || f.type == FieldType::Date) {
      rec.assign(r->field, text.toStdString());
    } else if (const auto value = picture.read(text); value && !amountRefusal(text, picture)) {
      if (f.type == FieldType::Decimal)
        rec.setDecimal(r->field, *value);
      else
        rec.setInteger(r->field, value->toUnits(0));
    }
    return;
  }
  if (auto* const* out = std::get_if<std::string*>(&place_)) {
    **out = cp1250FromUtf8(text.toStdString());
    return;
  }
  if (const auto value = picture.read(text))
    *std::get<int*>(place_) = static_cast<int>(value->toUnits(0));
}

void FieldBinder::bind(int control, QWidget* widget, FieldRef ref, const EntryPicture& picture,
                       const QString& choices) {
  bindings_.push_back({control, widget, std::move(ref), picture, choices});
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    picture.applyTo(edit);
    const Binding& b = bindings_.back();
    if (const Record* rec = b.ref.record();
        rec && isTextField(rec->field(b.ref.field())) && picture.width() == 0)
      edit->setMaxLength(rec->field(b.ref.field()).size);
    connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& text) {
      for (const Binding& b : bindings_) {
        if (b.control != control) continue;
        if (const auto why = fieldValueError(b.ref.label(), text.toStdString())) {
          showBinding(b);
          if (refused) refused({*why, b.ref.label(), true});
          return;
        }
      }
      store(control, text);
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, control, edit] {
      if (!edit->isModified()) return;
      edit->setModified(false);
      for (const Binding& b : bindings_) {
        if (b.control != control || !b.picture.isNumber()) continue;
        // An amount the field cannot hold is refused as the command line refuses it, and the
        // entry keeps what was typed.
        if (const auto why = b.ref.amountRefusal(edit->text(), b.picture)) {
          if (refused) refused({*why, b.ref.label(), true});
          return;
        }
        showBinding(b);
      }
      if (accepted) accepted(control);
    });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (!combo->isEditable() && combo->count() == 0) combo->addItems(choiceList(choices, ""));
    // A drop list of codes shows each code with its description and stores the code alone.
    connect(combo, &QComboBox::activated, this, [this, control, combo](int) {
      const QVariant code = combo->currentData();
      store(control, code.isValid() ? code.toString() : combo->currentText());
      if (accepted) accepted(control);
    });
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    // The state, not the click: the keyboard, the mouse and a screen reader all change it.
    connect(check, &QCheckBox::toggled, this, [this, control, choices](bool on) {
      store(control, choiceList(choices, "1|0").value(on ? 0 : 1));
      if (accepted) accepted(control);
    });
  } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    connect(spin, &QSpinBox::editingFinished, this, [this, control, spin] {
      store(control, QString::number(spin->value()));
      if (accepted) accepted(control);
    });
  } else if (qobject_cast<QGroupBox*>(widget)) {
    for (QAbstractButton* option : optionsOf(widget))
      connect(option, &QAbstractButton::toggled, this, [this, control, option](bool on) {
        if (!on) return;
        store(control, option->text().remove('&'));
        if (accepted) accepted(control);
      });
  }
}

void FieldBinder::store(int control, const QString& text) {
  for (const Binding& b : bindings_)
    if (b.control == control) b.ref.write(text, b.picture);
}

void FieldBinder::show() {
  for (const Binding& b : bindings_) showBinding(b);
}

void FieldBinder::show(int control) {
  for (const Binding& b : bindings_)
    if (b.control == control) showBinding(b);
}

void FieldBinder::showBinding(const Binding& b) {
  const QString value = b.ref.read(b.picture);
  if (auto* edit = qobject_cast<QLineEdit*>(b.widget)) {
    edit->setText(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(b.widget)) {
    if (combo->isEditable())
      combo->setEditText(value);
    else if (const int coded = combo->findData(value.trimmed()); coded >= 0)
      combo->setCurrentIndex(coded);
    else
      combo->setCurrentIndex(combo->findText(value.trimmed()));
  } else if (auto* check = qobject_cast<QCheckBox*>(b.widget)) {
    const QSignalBlocker shown(check);  // a value shown is no choice of the user's
    check->setChecked(value.trimmed() == choiceList(b.choices, "1|0").value(0));
  } else if (auto* spin = qobject_cast<QSpinBox*>(b.widget)) {
    spin->setValue(value.toInt());
  } else if (auto* label = qobject_cast<QLabel*>(b.widget)) {
    label->setText(value);
  } else if (qobject_cast<QGroupBox*>(b.widget)) {
    for (QAbstractButton* option : optionsOf(b.widget)) {
      const QSignalBlocker shown(option);  // the option unchecked by it says nothing either
      option->setChecked(option->text().remove('&') == value.trimmed());
    }
  }
}

int FieldBinder::controlOf(const std::string& label) const {
  for (const Binding& b : bindings_)
    if (b.ref.label() == label) return b.control;
  return 0;
}

}  // namespace obrazac::ui
