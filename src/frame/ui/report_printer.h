// Where a report's pages go when the user prints them: the printer chosen with the printer
// set-up of the main frame, one for the whole run of the program. Without any printer installed
// the user is told so and offered a PDF file instead.
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

// Opens the platform's printer set-up on the shared printer.
void setUpPrinter(QWidget* parent);

// Asks for a PDF file and writes the pages there; the user's Cancel writes nothing.
void savePagesAsPdf(Prompter& prompter, QWidget* parent, const prints::Pages& pages);

// Prints on the shared printer, or offers the PDF where no printer is installed.
PrintPages printOnSharedPrinter(Prompter& prompter, QWidget* parent);

}  // namespace obrazac::ui
