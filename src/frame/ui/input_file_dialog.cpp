#include "frame/ui/input_file_dialog.h"

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
  // The field may hold a folder in the old notation ("...\izlaz\") or a file.
  const QString named = QString(current).replace('\\', '/').trimmed();
  const QFileInfo info(named);
  if (named.isEmpty() || info.isDir()) return named;
  return info.absolutePath();
}

void chooseInputFile(QWidget* parent, const QString& current,
                     std::function<void(const QString& path)> chosen) {
  auto* dialog =
      new QFileDialog(parent, QString::fromUtf8("Popis datoteka"), inputFileStart(current));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setNameFilters(inputFileFilters());
  QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                   [chosen = std::move(chosen)](QString path) {
                     while (path.endsWith(' ')) path.chop(1);
                     if (chosen && !path.isEmpty()) chosen(path);
                   });
  dialog->open();
}

}  // namespace obrazac::ui
