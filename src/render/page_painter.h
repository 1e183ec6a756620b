// Draws the page model of a printed report with QPainter: onto any paint device at the device's
// resolution (a page image for the preview, a printer, a PDF). Liberation Sans stands for the
// form's proportional fonts, DejaVu Sans Mono for the values written in boxes and fixed-pitch
// columns; text stays text, so a PDF can be searched and copied from.
#pragma once

#include <QImage>
#include <QString>

#include "prints/page.h"

class QPainter;
class QPagedPaintDevice;

namespace obrazac::render {

// Draws one page onto the painter's device, its top left corner at the device's origin; a
// millimetre is as large as the device's resolution says.
void drawPage(QPainter& painter, const prints::Page& page);

// The page as a white image of `dotsPerInch`.
QImage pageImage(const prints::Page& page, double dotsPerInch);

// Sends every page to a printer or a PDF writer, each in its orientation on A4. Returns an
// empty text on success, otherwise why it failed.
QString printPages(QPagedPaintDevice& device, const prints::Pages& pages);

// The pages as a PDF file, put in place of `path` whole or not at all (data/file_replace.h).
QString writePdf(const prints::Pages& pages, const QString& path);

}  // namespace obrazac::render
