#include "check/ui/file_choice.h"

#include <QFileDialog>
#include <QFileInfo>

namespace obrazac::ui {

void chooseInputFile(QWidget* parent, const QString& current,
                     std::function<void(const QString& path)> chosen) {
  // The field may hold a folder ("...\izlaz\") or a file; the dialog starts in its folder.
  QString start = QString(current).replace('\\', '/').trimmed();
  if (!QFileInfo(start).isDir()) start = QFileInfo(start).absolutePath();
  auto* dialog = new QFileDialog(parent, QString::fromUtf8("Popis datoteka"), start);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setNameFilters({"Tekstualna datoteka (*.TXT *.txt)", "Velor datoteka (*.RM* *.rm*)",
                          "Svi tipovi datoteka (*)"});
  QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                   [chosen = std::move(chosen)](const QString& path) {
                     if (chosen) chosen(path.trimmed());
                   });
  dialog->open();
}

}  // namespace obrazac::ui
