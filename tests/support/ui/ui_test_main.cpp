// The test program of the windows: a QApplication on the offscreen platform (no display), the
// program's font and Qt's Croatian translation, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

#include "frame/ui/croatian_translation.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(QFont("Liberation Sans", 8));
  obrazac::ui::installCroatianTranslation();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
