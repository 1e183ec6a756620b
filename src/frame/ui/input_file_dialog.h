// The file dialog "Popis datoteka" of the windows that read a payment or submission file (the
// takeover, the input check, the formal control): the platform's open-file dialog with its three
// filters in their order, starting where the input file named so far lies (GLO:UlazDir takes
// GLO:UlazFile before it opens). It does not block; the chosen path, trailing blanks removed, is
// handed to `chosen`. The dialog never changes the program's current folder, so tables and work
// files stay in the working folder wherever it went.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace obrazac::ui {

// "Tekstualna datoteka", "Velor datoteka", "Svi tipovi datoteka", in this order.
QStringList inputFileFilters();

// The folder the dialog starts in for the input file named so far: the file's folder, or the
// named folder itself.
QString inputFileStart(const QString& current);

// Nothing is handed on when the user cancels.
void chooseInputFile(QWidget* parent, const QString& current,
                     std::function<void(const QString& path)> chosen);

}  // namespace obrazac::ui
