#include "submission/ui/input_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace obrazac::ui {

QStringList inputFileFilters() {
  // The names of the old platform were upper case; both cases are offered here.
  return {QString::fromUtf8("Tekstualna datoteka (*.TXT *.txt)"),
          QString::fromUtf8("Velor datoteka (*.RM* *.rm*)"),
          QString::fromUtf8("Svi tipovi datoteka (*)")};
}

QString inputFileStart(const QString& current) {
  const QString named = current.trimmed();
  const QFileInfo info(named);
  if (named.isEmpty() || info.isDir()) return named;
  return info.absolutePath();
}

QString chooseInputFile(QWidget* parent, const QString& current) {
  QFileDialog dialog(parent, QString::fromUtf8("Popis datoteka"), inputFileStart(current));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(inputFileFilters());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  QString chosen = dialog.selectedFiles().front();
  while (chosen.endsWith(' ')) chosen.chop(1);
  return chosen;
}

}  // namespace obrazac::ui
