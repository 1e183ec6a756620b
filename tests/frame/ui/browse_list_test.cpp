// A list with two sort orders over the municipalities: names with a step locator, codes with an
// entry locator.
#include "frame/ui/browse_list.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "data/codepage.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::settle;

class MunicipalityList final : public ProcedureWindow {
 public:
  MunicipalityList(Desktop& d, std::shared_ptr<ProcedureThread> t)
      : ProcedureWindow(d, std::move(t), "MunicipalityList") {
    auto* layout = new QVBoxLayout(this);
    list = new BrowseList(*this, "OPC", 1);
    layout->addWidget(list->widget());
  }
  BrowseList* list;

 protected:
  bool openTables() override { return openTable("OPC"); }
  void setUpLists() override {
    BrowseList::SortOrder byName;
    byName.tab = "Naziv";
    byName.key = "KEYNAZIV";
    byName.locator = BrowseList::Locator::Step;
    BrowseList::SortOrder byCode;
    byCode.tab = QString::fromUtf8("Šifra");
    byCode.key = "KEYSIFRA";
    byCode.locator = BrowseList::Locator::Entry;
    byCode.locatorWidth = 4;
    list->addSortOrder(byName);
    list->addSortOrder(byCode);
    list->addColumn({"Naziv", "NAZIV", 30, {}});
    list->addColumn({QString::fromUtf8("Šifra"), "SIFRA", 4, {}});
    list->init();
  }
};

class BrowseListTest : public DesktopTest {
 protected:
  void SetUp() override {
    Context ctx(dir_.path());
    RecordManager opc(ctx, "OPC");
    ASSERT_EQ(opc.open(), 0);
    const std::pair<const char*, const char*> rows[] = {{"ZADAR", "2291"},
                                                        {"ZAGREB", "1333"},
                                                        {"ZABOK", "0388"},
                                                        {"OSIJEK", "3123"},
                                                        {"SPLIT", "3360"}};
    for (auto [name, code] : rows) {
      opc.record().clear();
      opc.record().setText(opc.record().index("NAZIV"), name);
      opc.record().setText(opc.record().index("SIFRA"), code);
      ASSERT_TRUE(opc.insert().ok());
    }
    DesktopTest::SetUp();
    window_ = start<MunicipalityList>();
  }
  QString highlighted() { return window_->list->cellText(window_->list->currentRow(), 0); }
  void type(const char* keys) { QTest::keyClicks(window_->list->view(), keys); }

  MunicipalityList* window_ = nullptr;
};

TEST_F(BrowseListTest, StepLocatorWalksThroughTheRowsWithTheTypedInitial) {
  EXPECT_EQ(highlighted(), "OSIJEK");
  const char* walk[] = {"ZABOK", "ZADAR", "ZAGREB"};
  for (const char* expected : walk) {
    type("Z");
    EXPECT_EQ(highlighted(), expected);
  }
  type("S");
  EXPECT_EQ(highlighted(), "SPLIT");
  type("A");  // no name begins with it: the first record after it
  EXPECT_EQ(highlighted(), "OSIJEK");
}

TEST_F(BrowseListTest, AnotherSortOrderKeepsTheHighlightedRecordAndItsOwnLocator) {
  type("ZZZ");
  ASSERT_EQ(highlighted(), "ZAGREB");
  window_->list->tabs()->setCurrentIndex(1);
  settle();
  EXPECT_EQ(highlighted(), "ZAGREB");
  EXPECT_EQ(window_->list->cellText(0, 0), "ZABOK") << "codes in their order: 0388 first";
  EXPECT_TRUE(window_->list->locatorEntry()->isVisible());
  type("2");
  EXPECT_EQ(highlighted(), "ZADAR");  // 2291
  type("9");
  EXPECT_EQ(highlighted(), "OSIJEK");  // the first code not less than "29": 3123
  EXPECT_EQ(window_->list->locatorEntry()->text(), "29");
  QTest::keyClick(window_->list->view(), Qt::Key_Backspace);
  EXPECT_EQ(highlighted(), "ZADAR");
  EXPECT_EQ(window_->list->locatorEntry()->text(), "2");
}

}  // namespace
}  // namespace obrazac::ui
