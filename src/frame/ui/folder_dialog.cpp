#include "frame/ui/folder_dialog.h"

#include <QFileDialog>

namespace obrazac::ui {
namespace {

FolderChooser& chooser() {
  static FolderChooser instance;
  return instance;
}

}  // namespace

QString chooseFolder(QWidget* parent, const QString& start) {
  if (chooser()) return chooser()(parent, start);
  return QFileDialog::getExistingDirectory(parent, QString::fromUtf8("Popis datoteka"), start);
}

void setFolderChooser(FolderChooser c) {
  chooser() = std::move(c);
}

}  // namespace obrazac::ui
