// Where a report's pages go when the user prints them: the printer chosen with the printer
// set-up of the main frame, one for the whole run of the program, in full-page mode so that a
// printer's margins do not shift the form. Without any printer installed the user is told so
// and offered "Spremi kao PDF" instead, from the preview's Print and from the printer set-up.
#pragma once

#include <QString>
#include <functional>

#include "frame/ui/prompter.h"
#include "prints/page.h"

class QPrinter;
class QWidget;

namespace obrazac::ui {

// Sends the kept pages of a report somewhere.
using PrintPages = std::function<void(const prints::Pages&)>;

// The printer of this run, created on first use.
QPrinter& sharedPrinter();

// Whether the machine has a printer installed; tests put an answer of their own in place (an
// empty function puts the platform's list back).
bool printerInstalled();
void setPrinterInstalled(std::function<bool()> installed);

// The save dialog of "Spremi kao PDF": the file chosen, starting from the proposed one, or an
// empty string when the user cancelled. Tests put a chooser of their own in its place.
using PdfFileChooser = std::function<QString(QWidget* parent, const QString& proposed)>;
void setPdfFileChooser(PdfFileChooser chooser);

// The file a typed name stands for: ".pdf" added when the name has no extension of that kind.
QString pdfFileName(const QString& typed);

// Opens the platform's printer set-up on the shared printer; without a printer it says so and
// tells where a report can be saved as PDF.
void setUpPrinter(Prompter& prompter, QWidget* parent);

// Asks for a PDF file (proposing `proposedName`.pdf in the working folder) and writes the pages
// there, then says where the file went; the user's Cancel writes nothing.
void savePagesAsPdf(Prompter& prompter, QWidget* parent, const prints::Pages& pages,
                    const QString& proposedName);

// Prints on the shared printer, or offers "Spremi kao PDF" where no printer is installed.
PrintPages printOnSharedPrinter(Prompter& prompter, QWidget* parent, const QString& proposedName);

}  // namespace obrazac::ui
