#include "frame/ui/file_drop.h"

#include <QComboBox>
#include <QLineEdit>

#include "data/codepage.h"
#include "frame/save_message.h"
#include "frame/ui/update_form.h"

namespace obrazac::ui {

FileDrop::FileDrop(ProcedureWindow& window, const std::string& prefix, const std::string& key,
                   const std::string& field, int control)
    : QObject(&window), window_(window), prefix_(prefix), control_(control) {
  const TableDecl& decl = table().decl();
  key_ = decl.keyIndex(key);
  field_ = decl.fieldIndex(field);
  combo_ = new QComboBox(&window);
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setMaxVisibleItems(16);
  window.registerField(control, combo_);
  connect(combo_, &QComboBox::activated, this, [this](int index) { choose(index); });
  connect(combo_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
    if (combo_->lineEdit()->isModified()) {
      combo_->lineEdit()->setModified(false);
      takeTyped();
    }
  });
}

void FileDrop::reset() {
  filling_ = true;
  const QString shown = combo_->currentText();
  combo_->clear();
  positions_.clear();
  Table& t = table();
  const Record kept = t.record();
  t.clear();
  if (t.set(key_) == 0) {
    while (t.next() == 0) {
      combo_->addItem(fieldText(t.record(), field_));
      positions_.push_back(t.position());
    }
  }
  t.record() = kept;
  combo_->setCurrentIndex(-1);
  combo_->setEditText(shown);
  filling_ = false;
}

void FileDrop::setText(const QString& text) {
  filling_ = true;
  combo_->setCurrentIndex(find(text));
  combo_->setEditText(text);
  combo_->lineEdit()->setModified(false);
  filling_ = false;
}

int FileDrop::find(const QString& text) const {
  const QString wanted = text.trimmed();
  for (int i = 0; i < combo_->count(); ++i)
    if (combo_->itemText(i).compare(wanted, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void FileDrop::choose(int index) {
  if (filling_ || index < 0 || index >= static_cast<int>(positions_.size())) return;
  if (table().reget(positions_[static_cast<std::size_t>(index)]) != 0) return;
  if (onChoose) onChoose(table().record());
  window_.takeEvent({EventKind::Accepted, control_});
}

void FileDrop::takeTyped() {
  const QString typed = combo_->currentText().trimmed();
  if (typed.isEmpty()) return;
  if (const int i = find(typed); i >= 0) {
    combo_->setCurrentIndex(i);
    return choose(i);
  }
  Table& t = table();
  auto primeTyped = [&] {
    t.clear();
    t.record().setText(field_, cp1250FromUtf8(typed.toStdString()));
  };
  if (updateProcedure) {
    primeTyped();
    QPointer<FileDrop> self(this);
    window_.callProcedure(updateProcedure, request::kInsert, [self, typed](int response) {
      if (!self) return;
      self->reset();
      const int i = self->find(typed);
      if (response == response::kCompleted && i >= 0) {
        self->combo_->setCurrentIndex(i);
        self->choose(i);
      } else {
        self->window_.select(self->control_);
      }
    });
    return;
  }
  if (allowAdd && window_.errors().ask(5, Buttons::YesNo, Answer::Yes) == Answer::Yes) {
    primeTyped();
    const SaveResult r = window_.thread().manager(prefix_).insert();
    if (r.ok()) {
      reset();
      if (const int i = find(typed); i >= 0) {
        combo_->setCurrentIndex(i);
        return choose(i);
      }
    } else {
      const StandardMessageCall m = saveMessage(r, 4);
      window_.errors().throwMessage(m.id, m.values);
    }
  }
  window_.desktop().prompter.beep();
  window_.select(control_);
}

}  // namespace obrazac::ui
