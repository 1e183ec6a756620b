// The file dialog "Popis datoteka" of the windows that read a payment or submission file: the
// platform's open-file dialog with its three filters in their order, starting where the input
// file named so far lies (GLO:UlazDir takes GLO:UlazFile before it opens). The chosen path,
// trailing blanks removed, becomes the input file. The dialog never changes the program's
// current folder, so tables and work files stay in the working folder wherever it went.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace obrazac::ui {

// "Tekstualna datoteka", "Velor datoteka", "Svi tipovi datoteka", in this order.
QStringList inputFileFilters();

// The folder the dialog starts in for the input file named so far: the file's folder, or the
// named folder itself.
QString inputFileStart(const QString& current);

// Empty when the user cancelled.
QString chooseInputFile(QWidget* parent, const QString& current);

}  // namespace obrazac::ui
