#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "frame/ui/croatian_translation.h"
#include "frame/ui/prompter.h"

namespace obrazac::ui {
namespace {

// The question box the program shows, read while it waits and then answered with its own button.
struct ShownButtons {
  QStringList texts;
};

ShownButtons askAndAnswer(Buttons buttons, QMessageBox::StandardButton press) {
  ShownButtons seen;
  QTimer::singleShot(0, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      for (QAbstractButton* b : box->buttons()) seen.texts << b->text().remove('&');
      box->button(press)->click();
    }
  });
  MessageBoxPrompter prompter;
  prompter.show("Pitanje", QString::fromUtf8("Obrisati zapis?"), Icon::Question, buttons,
                Answer::Yes);
  return seen;
}

TEST(CroatianDialogs, QuestionsAskWithDaNeOdustani) {
  ASSERT_FALSE(installCroatianTranslation().isEmpty()) << "qtbase_hr.qm is not installed";
  ShownButtons yesNo = askAndAnswer(Buttons::YesNo, QMessageBox::No);
  yesNo.texts.sort();
  EXPECT_EQ(yesNo.texts, (QStringList{"Da", "Ne"}));
  const ShownButtons all = askAndAnswer(Buttons::YesNoCancel, QMessageBox::Cancel);
  EXPECT_TRUE(all.texts.contains("Odustani")) << all.texts.join(",").toStdString();
  const ShownButtons ok = askAndAnswer(Buttons::Ok, QMessageBox::Ok);
  EXPECT_EQ(ok.texts, QStringList{"U redu"});
}

}  // namespace
}  // namespace obrazac::ui
