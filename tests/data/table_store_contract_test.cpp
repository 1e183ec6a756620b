// The table store's contract, run against both backends of the keyed tables: the embedded SQLite
// files and a database on the PostgreSQL test server. Two contexts stand for two stations.
#include <gtest/gtest.h>

#include <memory>

#include "data/codepage.h"
#include "data/context.h"
#include "data/record_manager.h"
#include "support/server_database.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using testing::ServerDatabase;
using testing::TempDir;

enum class Backend { Embedded, Server };

class TableStoreContract : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    if (GetParam() == Backend::Server) {
      OBRAZAC_SERVER_DATABASE(server_);
      store_.uri = server_->uri();
    }
  }

  std::unique_ptr<Context> station() { return std::make_unique<Context>(dir_.path(), store_); }

  // An obligor by running number and name (UTF-8).
  static int addObligor(Table& pos, int number, std::string_view name) {
    Record& r = pos.record();
    r.clear();
    r.setInteger(r.index("REDBROJ"), number);
    r.setText(r.index("NAZIV"), cp1250(name));
    return pos.add();
  }

  static std::vector<std::string> walk(Table& t, std::string_view key, const char* field,
                                       bool backwards = false) {
    std::vector<std::string> out;
    t.clear();
    EXPECT_EQ(backwards ? t.setLast(key) : t.set(key), 0);
    while ((backwards ? t.previous() : t.next()) == 0) out.push_back(t.record().display(field));
    EXPECT_EQ(t.error(), err::kRecordNotAvailable);
    return out;
  }

  TempDir dir_;
  StoreLocation store_;
  std::unique_ptr<ServerDatabase> server_;
};

TEST_P(TableStoreContract, NamesSortInCroatianOrderAndEveryWalkFindsThem) {
  auto ctx = station();
  Table& pos = ctx->table("POS");
  ASSERT_EQ(pos.open(), 0) << pos.driverError();
  const std::vector<std::string> added{"Žitar",  "Zagorka", "čaj",     "Čakovec", "Cvijet", "Ćuk",
                                       "Đakovo", "Dubrava", "Šibenik", "Sisak",   "ab",     "Ab"};
  for (std::size_t i = 0; i < added.size(); ++i)
    ASSERT_EQ(addObligor(pos, static_cast<int>(i + 1), added[i]), 0) << pos.driverError();
  const std::vector<std::string> sorted{"Ab",    "ab",      "Cvijet",  "Čakovec",
                                        "čaj",   "Ćuk",     "Dubrava", "Đakovo",
                                        "Sisak", "Šibenik", "Zagorka", "Žitar"};
  EXPECT_EQ(walk(pos, "KEYNAZIV", "NAZIV"), sorted);
  EXPECT_EQ(walk(pos, "KEYNAZIV", "NAZIV", true),
            std::vector<std::string>(sorted.rbegin(), sorted.rend()));
  EXPECT_EQ(walk(pos, "KEYREDBROJ", "NAZIV"), added);
  EXPECT_EQ(pos.records(), 12);

  // set from a primed name, get by key, a walk from a saved place, the end of a range
  pos.clear();
  pos.record().setText(pos.record().index("NAZIV"), cp1250("D"));
  ASSERT_EQ(pos.set("KEYNAZIV"), 0);
  ASSERT_EQ(pos.next(), 0);
  EXPECT_EQ(pos.record().display("NAZIV"), "Dubrava");
  const Position dubrava = pos.position();

  pos.clear();
  pos.record().setInteger(pos.record().index("REDBROJ"), 6);
  ASSERT_EQ(pos.get("KEYREDBROJ"), 0);
  EXPECT_EQ(pos.record().display("NAZIV"), "Ćuk");
  pos.record().setInteger(pos.record().index("REDBROJ"), 99);
  EXPECT_EQ(pos.get("KEYREDBROJ"), err::kRecordNotFound);

  ASSERT_EQ(pos.setAt(pos.decl().keyIndex("KEYNAZIV"), dubrava), 0);
  ASSERT_EQ(pos.next(), 0);
  EXPECT_EQ(pos.record().display("NAZIV"), "Đakovo");
  ASSERT_EQ(pos.reget(dubrava), 0);
  EXPECT_EQ(pos.record().display("NAZIV"), "Dubrava");

  pos.clear();
  pos.record().setText(pos.record().index("NAZIV"), cp1250("Sisak"));
  ASSERT_EQ(pos.setLastOf(pos.decl().keyIndex("KEYNAZIV"), 1), 0);
  ASSERT_EQ(pos.previous(), 0);
  EXPECT_EQ(pos.record().display("NAZIV"), "Sisak");
}

TEST_P(TableStoreContract, EqualKeysFollowInsertionAndBlankKeysStayOut) {
  auto ctx = station();
  Table& t = ctx->table("RAD");
  ASSERT_EQ(t.open(), 0) << t.driverError();
  const auto add = [&](int employer, const char* jmbg, const char* name) {
    Record& r = t.record();
    r.clear();
    r.setInteger(r.index("REDBROJ"), employer);
    r.setText(r.index("JMBG"), jmbg);
    r.setText(r.index("PREZIME"), name);
    return t.add();
  };
  ASSERT_EQ(add(2, "B", "1"), 0);
  ASSERT_EQ(add(1, "A", "2"), 0);
  ASSERT_EQ(add(2, "B", "3"), 0);
  ASSERT_EQ(add(0, "", "4"), 0);  // left out of the key
  EXPECT_EQ(walk(t, "KEYRBRFIRME", "PREZIME"), (std::vector<std::string>{"2", "1", "3"}));
  EXPECT_EQ(walk(t, "KEYRBRFIRME", "PREZIME", true), (std::vector<std::string>{"3", "1", "2"}));
  EXPECT_EQ(t.records(), 4);
  t.clear();
  ASSERT_EQ(t.setPhysical(), 0);
  std::string physical;
  while (t.next() == 0) physical += t.record().display("PREZIME");
  EXPECT_EQ(physical, "1234");
}

// Every refusal the store gives, with its number.
TEST_P(TableStoreContract, RefusalsCarryTheStoresNumbers) {
  auto ctx = station();
  Table& pos = ctx->table("POS");
  EXPECT_EQ(pos.next(), err::kFileNotOpen);
  EXPECT_EQ(ctx->table("ZAP").open(), err::kFileNotFound);  // declared without create
  ASSERT_EQ(pos.open(), 0);
  EXPECT_EQ(pos.open(), err::kFileAlreadyOpen);
  EXPECT_EQ(pos.put(), err::kRecordNotAvailable);  // nothing read yet
  ASSERT_EQ(addObligor(pos, 1, "Prvi"), 0);
  ASSERT_EQ(addObligor(pos, 2, "Drugi"), 0);
  EXPECT_EQ(addObligor(pos, 1, "Treći"), err::kDuplicateKey);
  EXPECT_EQ(pos.errorText(), "Creates Duplicate Key");
  // a change onto another record's unique value is refused and changes nothing
  pos.clear();
  pos.record().setInteger(pos.record().index("REDBROJ"), 2);
  ASSERT_EQ(pos.get("KEYREDBROJ"), 0);
  pos.record().setText(pos.record().index("NAZIV"), "Prvi");
  pos.record().setInteger(pos.record().index("REDBROJ"), 1);
  EXPECT_EQ(pos.put(), err::kDuplicateKey);
  EXPECT_EQ(walk(pos, "KEYREDBROJ", "NAZIV"), (std::vector<std::string>{"Prvi", "Drugi"}));
  EXPECT_EQ(pos.empty(), err::kExclusiveAccessRequired);
  ASSERT_EQ(pos.next(), err::kRecordNotAvailable);
  pos.clear();
  ASSERT_EQ(pos.set("KEYREDBROJ"), 0);
  ASSERT_EQ(pos.next(), 0);
  ASSERT_EQ(pos.remove(), 0);
  EXPECT_EQ(pos.remove(), err::kRecordNotAvailable);
  EXPECT_EQ(pos.records(), 1);
}

TEST_P(TableStoreContract, TwoStationsKeepTheirOwnBuffersAndAWatchSeesTheOthersChange) {
  auto a = station(), b = station();
  Table& pa = a->table("POS");
  Table& pb = b->table("POS");
  ASSERT_EQ(pa.open(), 0);
  ASSERT_EQ(pb.open(), 0);
  ASSERT_EQ(addObligor(pa, 1, "Ivić d.o.o."), 0);
  ASSERT_EQ(addObligor(pa, 2, "Horvat obrt"), 0);

  const auto read = [](Table& t, int number, bool watch) {
    t.clear();
    t.record().setInteger(t.record().index("REDBROJ"), number);
    if (watch) t.watch();
    return t.get("KEYREDBROJ");
  };
  ASSERT_EQ(read(pa, 1, true), 0);
  ASSERT_EQ(read(pb, 2, false), 0);
  EXPECT_EQ(pa.record().display("NAZIV"), "Ivić d.o.o.");  // each station its own record
  ASSERT_EQ(read(pb, 1, false), 0);
  pb.record().setText(pb.record().index("ADRESA"), cp1250("Ilica 1"));
  ASSERT_EQ(pb.put(), 0);

  pa.record().setText(pa.record().index("ADRESA"), cp1250("Vukovarska 2"));
  EXPECT_EQ(pa.put(), err::kRecordChanged);
  EXPECT_EQ(pa.errorText(), "Record Changed By Another Station");

  // Through the record manager: the other station's version comes into the buffer, watched
  // again, and the next save goes through.
  RecordManager manager(*a, "POS");
  ASSERT_EQ(read(pa, 1, true), 0);
  ASSERT_EQ(read(pb, 1, false), 0);
  ASSERT_EQ(pb.put(), 0);
  pa.record().setText(pa.record().index("ADRESA"), cp1250("Vukovarska 2"));
  EXPECT_EQ(manager.update().outcome, SaveOutcome::RecordChanged);
  EXPECT_EQ(pa.record().display("ADRESA"), "Ilica 1");
  pa.record().setText(pa.record().index("ADRESA"), cp1250("Vukovarska 2"));
  EXPECT_TRUE(manager.update().ok());
  ASSERT_EQ(read(pb, 1, false), 0);
  EXPECT_EQ(pb.record().display("ADRESA"), "Vukovarska 2");
}

TEST_P(TableStoreContract, AutoNumbersReservedByTwoStationsDiffer) {
  auto a = station(), b = station();
  RecordManager ma(*a, "OPC"), mb(*b, "OPC");
  ASSERT_EQ(ma.open(), 0);
  ASSERT_EQ(mb.open(), 0);
  ASSERT_TRUE(ma.reserveAutoNumber().ok());
  ASSERT_TRUE(mb.reserveAutoNumber().ok());
  const auto na = ma.record().integer(ma.record().index("REDBROJ"));
  const auto nb = mb.record().integer(mb.record().index("REDBROJ"));
  EXPECT_EQ(na, 1);
  EXPECT_EQ(nb, 2);
  ASSERT_TRUE(ma.cancelReservation().ok());
  EXPECT_EQ(ma.table().records(), 1);
}

TEST_P(TableStoreContract, ATransactionIsSeenWholeOrNotAtAll) {
  auto a = station(), b = station();
  Table& pa = a->table("POS");
  Table& pb = b->table("POS");
  ASSERT_EQ(pa.open(), 0);
  ASSERT_EQ(pb.open(), 0);
  ASSERT_EQ(pa.begin(), 0) << pa.driverError();
  ASSERT_EQ(addObligor(pa, 1, "Prvi"), 0);
  ASSERT_EQ(addObligor(pa, 2, "Drugi"), 0);
  EXPECT_EQ(pa.records(), 2);
  EXPECT_EQ(pb.records(), 0);  // not before the commit
  ASSERT_EQ(pa.rollback(), 0);
  EXPECT_EQ(pa.records(), 0);

  ASSERT_EQ(pa.begin(), 0);
  ASSERT_EQ(addObligor(pa, 1, "Prvi"), 0);
  EXPECT_EQ(addObligor(pa, 1, "Prvi opet"), err::kDuplicateKey);  // refused, the rest stays
  ASSERT_EQ(addObligor(pa, 2, "Drugi"), 0);
  pa.clear();
  ASSERT_EQ(pa.set("KEYREDBROJ"), 0);
  ASSERT_EQ(pa.next(), 0);
  pa.record().setInteger(pa.record().index("REDBROJ"), 2);
  EXPECT_EQ(pa.put(), err::kDuplicateKey);
  ASSERT_EQ(pa.commit(), 0) << pa.driverError();
  EXPECT_EQ(walk(pb, "KEYREDBROJ", "NAZIV"), (std::vector<std::string>{"Prvi", "Drugi"}));
}

TEST_P(TableStoreContract, AppendsCountAtTheBuildAndADuplicateUndoesThemAll) {
  auto ctx = station();
  Table& pos = ctx->table("POS");
  ASSERT_EQ(pos.open(), 0);
  const auto append = [&](int number, const char* name) {
    pos.record().clear();
    pos.record().setInteger(pos.record().index("REDBROJ"), number);
    pos.record().setText(pos.record().index("NAZIV"), name);
    return pos.append();
  };
  for (int n : {3, 1, 2}) ASSERT_EQ(append(n, ("Obveznik " + std::to_string(n)).c_str()), 0);
  ASSERT_EQ(pos.build(), 0);
  EXPECT_EQ(walk(pos, "KEYREDBROJ", "REDBROJ"), (std::vector<std::string>{"1", "2", "3"}));

  ASSERT_EQ(append(4, "Četvrti"), 0);
  append(1, "Opet prvi");
  EXPECT_EQ(pos.build(), err::kDuplicateKey);
  EXPECT_EQ(pos.records(), 3);
}

TEST_P(TableStoreContract, SharingModesHoldAcrossStations) {
  auto a = station(), b = station();
  Table& pa = a->table("POS");
  Table& pb = b->table("POS");
  ASSERT_EQ(pa.open(AccessMode::DenyAll), 0);
  EXPECT_EQ(pb.open(), err::kAccessDenied);
  EXPECT_EQ(pb.open(AccessMode::ReadOnly), err::kAccessDenied);
  ASSERT_EQ(addObligor(pa, 1, "Prvi"), 0);
  ASSERT_EQ(pa.empty(), 0);
  EXPECT_EQ(pa.records(), 0);
  pa.close();

  ASSERT_EQ(pa.open(AccessMode::DenyWrite), 0);
  EXPECT_EQ(pb.open(), err::kAccessDenied);
  EXPECT_EQ(pb.open(AccessMode::ReadOnly), 0);
  pb.close();
  pa.close();
  EXPECT_EQ(pb.open(), 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, TableStoreContract,
                         ::testing::Values(Backend::Embedded, Backend::Server),
                         [](const auto& info) {
                           return info.param == Backend::Embedded ? "Embedded" : "Server";
                         });

}  // namespace
}  // namespace obrazac
