#include "frame/ui/report_printer.h"

#include <QFileDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "render/page_painter.h"

namespace obrazac::ui {

QPrinter& sharedPrinter() {
  static const std::unique_ptr<QPrinter> printer =
      std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer;
}

void setUpPrinter(QWidget* parent) {
  QPrintDialog dialog(&sharedPrinter(), parent);
  dialog.setWindowTitle(QString::fromUtf8("Izbor i podešavanje pisača"));
  dialog.exec();
}

void savePagesAsPdf(Prompter& prompter, QWidget* parent, const prints::Pages& pages) {
  const QString path = QFileDialog::getSaveFileName(parent, QString::fromUtf8("Spremi kao PDF"),
                                                    QString(), QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  const QString failed = render::writePdf(pages, path);
  if (!failed.isEmpty())
    prompter.message(QString::fromUtf8("PDF datoteka %1 nije zapisana: %2").arg(path, failed));
}

PrintPages printOnSharedPrinter(Prompter& prompter, QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [&prompter, owner](const prints::Pages& pages) {
    QPrinter& printer = sharedPrinter();
    if (printer.outputFormat() == QPrinter::NativeFormat &&
        QPrinterInfo::availablePrinters().isEmpty()) {
      const Answer a =
          prompter.show(QString::fromUtf8("Ispis"),
                        QString::fromUtf8("Na ovom računalu nije instaliran nijedan pisač. "
                                          "Želite li izvještaj spremiti kao PDF datoteku?"),
                        Icon::Question, Buttons::YesNo, Answer::Yes);
      if (a == Answer::Yes) savePagesAsPdf(prompter, owner, pages);
      return;
    }
    const QString failed = render::printPages(printer, pages);
    if (!failed.isEmpty()) prompter.message(QString::fromUtf8("Ispis nije uspio: %1").arg(failed));
  };
}

}  // namespace obrazac::ui
