#include "render/page_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "support/temp_dir.h"

namespace obrazac::render {
namespace {

// The text of a PDF as pdftotext reads it, pages ended by form feeds.
std::string pdfText(const std::filesystem::path& pdf) {
  const std::filesystem::path out = pdf.string() + ".txt";
  const std::string command = "pdftotext -layout '" + pdf.string() + "' '" + out.string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return testing::readFile(out);
}

prints::Page samplePage(prints::Orientation orientation) {
  prints::Page page;
  page.orientation = orientation;
  page.text(20, 20, "OBRAČUN ŠĆŽĐČ šćžđč", prints::FontRole::Title);
  page.boxes(
      {.x = 20, .y = 40, .boxWidth = 6, .height = 6, .chars = prints::boxChars("12\x8A", 4)});
  page.rect(10, 10, page.width() - 20, 50, 0.4);
  page.line(10, 70, 100, 70);
  return page;
}

TEST(PagePainter, PdfKeepsCroatianLettersAsTextOnPagesOfTheirOrientation) {
  testing::TempDir dir;
  const auto pdf = dir / "ispis.pdf";
  const prints::Pages pages = {samplePage(prints::Orientation::Portrait),
                               samplePage(prints::Orientation::Landscape)};
  ASSERT_EQ(writePdf(pages, QString::fromStdString(pdf.string())), QString());
  const std::string text = pdfText(pdf);
  EXPECT_NE(text.find("OBRAČUN ŠĆŽĐČ šćžđč"), std::string::npos) << text;
  std::string letters = text;
  std::erase_if(letters, [](char c) { return c == ' ' || c == '\n'; });
  EXPECT_NE(letters.find("12Š"), std::string::npos) << "one character a box: " << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);

  const std::string info = [&] {
    const std::string command =
        "pdfinfo -f 1 -l 2 '" + pdf.string() + "' > '" + pdf.string() + ".info'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return testing::readFile(pdf.string() + ".info");
  }();
  EXPECT_NE(info.find("Page    1 size:  595 x 842"), std::string::npos) << info;
  EXPECT_NE(info.find("Page    2 size:  842 x 595"), std::string::npos) << info;
}

TEST(PagePainter, ImageHasThePaperSizeAtItsResolutionAndDrawsInk) {
  const QImage image = pageImage(samplePage(prints::Orientation::Landscape), 50.8);
  EXPECT_EQ(image.size(), QSize(594, 420));                 // 297 by 210 mm at 2 dots a millimetre
  EXPECT_NE(image.pixelColor(40, 140), QColor(Qt::white));  // the line at y 70 mm
  EXPECT_EQ(image.pixelColor(400, 300), QColor(Qt::white));
}

// A value clipped at its column leaves the next column blank however long it is; one that is not
// runs on.
TEST(PagePainter, AClippedTextStopsAtTheEndOfItsColumn) {
  for (const bool clip : {true, false}) {
    prints::Page page;
    page.text({.x = 20, .y = 20, .text = std::string(60, 'W'), .width = 30, .clip = clip});
    const QImage image = pageImage(page, 50.8);  // two dots a millimetre
    bool inkBeyond = false, inkWithin = false;
    for (int y = 40; y < 52; ++y) {
      for (int x = 44; x < 98; ++x) inkWithin |= image.pixelColor(x, y) != QColor(Qt::white);
      for (int x = 102; x < 200; ++x) inkBeyond |= image.pixelColor(x, y) != QColor(Qt::white);
    }
    EXPECT_TRUE(inkWithin) << clip;
    EXPECT_EQ(inkBeyond, !clip);
  }
}

TEST(PagePainter, NothingToPrintIsSaid) {
  testing::TempDir dir;
  EXPECT_EQ(writePdf({}, QString::fromStdString((dir / "prazno.pdf").string())),
            QString("There are no records available to process."));
}

}  // namespace
}  // namespace obrazac::render
