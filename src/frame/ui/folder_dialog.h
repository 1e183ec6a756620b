// The folder chooser behind a "..." button: the platform's dialog, titled "Popis datoteka",
// starting at the folder the entry names. Tests put a chooser of their own in its place, so no
// test ever waits on a dialog.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace obrazac::ui {

// The chosen folder, or an empty string when the user cancelled.
QString chooseFolder(QWidget* parent, const QString& start);

using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
// Replaces the dialog (an empty chooser puts the platform's dialog back).
void setFolderChooser(FolderChooser chooser);

}  // namespace obrazac::ui
