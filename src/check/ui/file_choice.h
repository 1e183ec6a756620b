// The file dialog "Popis datoteka" of the check windows: text files, register files and all
// files, in that order, opened in the folder of what the file field holds. The dialog does not
// block: the chosen path, trailing blanks removed, is handed to `chosen`.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace obrazac::ui {

void chooseInputFile(QWidget* parent, const QString& current,
                     std::function<void(const QString& path)> chosen);

}  // namespace obrazac::ui
