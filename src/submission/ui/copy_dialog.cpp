#include "submission/ui/copy_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "submission/ui/copy_target.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using D = CopyDialog;

constexpr ControlDescription kControls[] = {
    {.kind = K::Display, .id = D::kLine1, .field = "line1", .chars = 80},
    {.kind = K::Display, .id = D::kLine2, .field = "line2", .chars = 80},
    {.kind = K::Display, .id = D::kLine3, .field = "line3", .chars = 80},
    {.kind = K::Display, .id = D::kLine4, .field = "line4", .chars = 80},
    {.id = D::kTarget,
     .prompt = "&Ime izlazne datoteke-file",
     .field = "target",
     .picture = "s80",
     .tip = "Datoteka na disketi ili drugom mediju"},
    {.kind = K::Button, .id = D::kChoose, .prompt = "...", .tip = "Odaberi mjesto kopije"},
    {.kind = K::Button,
     .id = D::kKopiraj,
     .prompt = "&Kopiraj datoteku",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button, .id = D::kOdustani, .prompt = "&Odustani", .role = ButtonRole::Cancel},
};

const char* procedureOf(CopyDialog::Variant v) {
  switch (v) {
    case CopyDialog::Variant::OneObligor:
      return "KopiranjeDatoteke";
    case CopyDialog::Variant::Collective:
      return "KopiranjeHASH";
    case CopyDialog::Variant::Transcript:
      break;
  }
  return "KopiDat";
}

std::string nameOf(const std::filesystem::path& file) {
  return cp1250FromUtf8(file.string());
}

}  // namespace

CopyDialog::CopyDialog(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, Variant variant,
                       std::filesystem::path file)
    : ProcedureWindow(desktop, std::move(thread), procedureOf(variant)),
      variant_(variant),
      file_(std::move(file)) {
  const std::string question = cp1250("Želite li prepisati file na disketu");
  switch (variant) {
    case Variant::OneObligor:
      line_[0] = cp1250("Završena je obrada za jednog obveznika");
      line_[1] = cp1250("Za obveznika je određen i HASH broj");
      line_[2] = "Formiran je file " + nameOf(file_);
      line_[3] = question;
      break;
    case Variant::Collective:
      line_[0] = cp1250("Završeno je spajanje datoteka");
      line_[1] = cp1250("Određen je i zbirni HASH broj");
      line_[2] = "Formiran je file " + nameOf(file_);
      line_[3] = question;
      break;
    case Variant::Transcript:
      line_[0] = "File: " + nameOf(file_);
      line_[1] = question;
      break;
  }
  const QString name = QString::fromStdString(file_.filename().string());
  target_ = cp1250FromUtf8(proposedCopyTarget(desktop.settings, name).toStdString());
  setWindowTitle("Upozorenje");
  setDialogSize(440, 110);
  describe(kControls);
  for (int i = 0; i < 4; ++i) {
    const QString text = QString::fromStdString(utf8FromCp1250(line_[i]));
    control(kLine1 + i)->setAccessibleName(text.isEmpty() ? QString("Poruka") : text);
  }
}

QStringList CopyDialog::lines() const {
  QStringList all;
  for (const auto& l : line_) all << QString::fromStdString(utf8FromCp1250(l));
  return all;
}

// The copy is what the dialog offers: Enter makes it.
void CopyDialog::declare() {
  firstField_ = kKopiraj;
}

std::optional<FieldRef> CopyDialog::stateField(std::string_view name) {
  if (name == "target") return FieldRef(target_, "target");
  for (int i = 0; i < 4; ++i)
    if (name == "line" + std::to_string(i + 1)) return FieldRef(line_[i], std::string(name));
  return std::nullopt;
}

int CopyDialog::takeAccepted(int control) {
  if (control == kKopiraj) {
    copy();
    return level::kNotify;
  }
  if (control == kChoose) {
    choose();
    return level::kNotify;
  }
  return ProcedureWindow::takeAccepted(control);
}

void CopyDialog::choose() {
  const QString chosen =
      QFileDialog::getSaveFileName(this, QString::fromUtf8("Ime izlazne datoteke-file"),
                                   QString::fromStdString(utf8FromCp1250(target_)));
  if (chosen.isEmpty()) return;
  target_ = cp1250FromUtf8(chosen.toStdString());
  binder().show(kTarget);
}

// The old file of the target goes first, then the produced file is copied in its place.
void CopyDialog::copy() {
  const QString source = QString::fromStdString(file_.string());
  const QString target = QString::fromStdString(utf8FromCp1250(clipRight(target_))).trimmed();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString why = copyOver(source, target);
  QApplication::restoreOverrideCursor();
  if (why.isEmpty())
    rememberCopyTarget(desktop().settings, target);
  else
    desktop().prompter.message("Greška, file: " + source + " " + target + " Error=" + why);
  setResponse(why.isEmpty() ? response::kCompleted : response::kCancelled);
}

}  // namespace obrazac::ui
