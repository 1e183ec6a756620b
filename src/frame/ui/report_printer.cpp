#include "frame/ui/report_printer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <memory>

#include "render/page_painter.h"

namespace obrazac::ui {
namespace {

const QString kSaveAsPdf = QString::fromUtf8("Spremi kao PDF");

std::function<bool()>& installedTest() {
  static std::function<bool()> test;
  return test;
}

PdfFileChooser& pdfChooser() {
  static PdfFileChooser chooser;
  return chooser;
}

QString choosePdfFile(QWidget* parent, const QString& proposed) {
  if (pdfChooser()) return pdfChooser()(parent, proposed);
  return QFileDialog::getSaveFileName(parent, kSaveAsPdf, proposed,
                                      QString::fromUtf8("PDF datoteke (*.pdf)"));
}

// A name a file system takes: no path separators or characters Windows refuses.
QString fileNameOf(const QString& name) {
  QString clean = name.simplified();
  clean.replace(QRegularExpression(R"([/\\:*?"<>|])"), "-");
  return clean.isEmpty() ? QString::fromUtf8("izvještaj") : clean;
}

}  // namespace

QPrinter& sharedPrinter() {
  static const std::unique_ptr<QPrinter> printer = [] {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setFullPage(true);
    return p;
  }();
  return *printer;
}

bool printerInstalled() {
  if (installedTest()) return installedTest()();
  return !QPrinterInfo::availablePrinters().isEmpty();
}

void setPrinterInstalled(std::function<bool()> installed) {
  installedTest() = std::move(installed);
}

void setPdfFileChooser(PdfFileChooser chooser) {
  pdfChooser() = std::move(chooser);
}

QString pdfFileName(const QString& typed) {
  if (typed.isEmpty() || QFileInfo(typed).suffix().compare("pdf", Qt::CaseInsensitive) == 0)
    return typed;
  return typed + ".pdf";
}

void setUpPrinter(Prompter& prompter, QWidget* parent) {
  if (!printerInstalled()) {
    prompter.show(QString::fromUtf8("Izbor i podešavanje pisača"),
                  QString::fromUtf8("Na ovom računalu nije instaliran nijedan pisač. Izvještaj "
                                    "se iz pregleda ispisa može spremiti kao PDF datoteka: "
                                    "\"Ispis\" ili \"%1\" u izborniku \"File\".")
                      .arg(kSaveAsPdf),
                  Icon::Information, Buttons::Ok, Answer::Yes);
    return;
  }
  QPrintDialog dialog(&sharedPrinter(), parent);
  dialog.setWindowTitle(QString::fromUtf8("Izbor i podešavanje pisača"));
  dialog.exec();
}

void savePagesAsPdf(Prompter& prompter, QWidget* parent, const prints::Pages& pages,
                    const QString& proposedName) {
  const QString proposed = QDir::current().filePath(fileNameOf(proposedName) + ".pdf");
  const QString path = pdfFileName(choosePdfFile(parent, proposed));
  if (path.isEmpty()) return;
  const QString where = QFileInfo(path).absoluteFilePath();
  const QString failed = render::writePdf(pages, where);
  if (!failed.isEmpty()) {
    prompter.show(kSaveAsPdf,
                  QString::fromUtf8("PDF datoteka %1 nije zapisana: %2").arg(where, failed),
                  Icon::Exclamation, Buttons::Ok, Answer::Yes);
    return;
  }
  prompter.show(kSaveAsPdf, QString::fromUtf8("Izvještaj je spremljen u datoteku %1.").arg(where),
                Icon::Information, Buttons::Ok, Answer::Yes);
}

PrintPages printOnSharedPrinter(Prompter& prompter, QWidget* parent, const QString& proposedName) {
  QPointer<QWidget> owner(parent);
  return [&prompter, owner, proposedName](const prints::Pages& pages) {
    QPrinter& printer = sharedPrinter();
    // A printer set up to write a file prints without any printer installed.
    if (printer.outputFileName().isEmpty() && !printerInstalled()) {
      const Answer a = prompter.show(
          QString::fromUtf8("Ispis"),
          QString::fromUtf8("Na ovom računalu nije instaliran nijedan pisač. Želite li izvještaj "
                            "spremiti kao PDF datoteku (%1)?")
              .arg(kSaveAsPdf),
          Icon::Question, Buttons::YesNo, Answer::Yes);
      if (a == Answer::Yes) savePagesAsPdf(prompter, owner, pages, proposedName);
      return;
    }
    const QString failed = render::printPages(printer, pages);
    if (!failed.isEmpty()) prompter.message(QString::fromUtf8("Ispis nije uspio: %1").arg(failed));
  };
}

}  // namespace obrazac::ui
