// A database of its own on the test server for one test, dropped when the test ends. The server
// is the throwaway cluster scripts/with-pg-cluster.sh starts for `make test`; it names it in
// OBRAZAC_TEST_PG_URI with a superuser's login.
#pragma once

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

namespace obrazac::testing {

// The test server's superuser URI, or empty without one.
inline std::string testServerUri() {
  const char* uri = std::getenv("OBRAZAC_TEST_PG_URI");
  return uri ? uri : "";
}

inline bool inContinuousIntegration() {
  const char* ci = std::getenv("CI");
  return ci && std::string(ci) == "true";
}

// The same URI naming another database.
inline std::string withDatabase(const std::string& uri, const std::string& name) {
  const std::size_t start = uri.find("://");
  const std::size_t slash = uri.find('/', start + 3);
  const std::size_t query = uri.find('?', slash);
  return uri.substr(0, slash + 1) + name + (query == std::string::npos ? "" : uri.substr(query));
}

// Appends a URI parameter (name=value, value as URI text).
inline std::string withParameter(const std::string& uri, const std::string& parameter) {
  return uri + (uri.find('?') == std::string::npos ? "?" : "&") + parameter;
}

class ServerDatabase {
 public:
  explicit ServerDatabase(std::string adminUri) : adminUri_(std::move(adminUri)) {
    static std::atomic<int> count{0};
    std::random_device rd;
    name_ = "obrazac_t" + std::to_string(getpid()) + "_" + std::to_string(++count) + "_" +
            std::to_string(rd() % 100000);
    ok_ = admin(adminUri_, "CREATE DATABASE " + name_);
  }
  ~ServerDatabase() {
    if (ok_) admin(adminUri_, "DROP DATABASE " + name_ + " WITH (FORCE)");
  }
  ServerDatabase(const ServerDatabase&) = delete;
  ServerDatabase& operator=(const ServerDatabase&) = delete;

  bool ok() const { return ok_; }
  const std::string& name() const { return name_; }
  std::string uri() const { return withDatabase(adminUri_, name_); }
  // Runs SQL of the test's own (roles, rights) as the superuser in this database.
  bool run(const std::string& sql) const { return admin(uri(), sql); }

  static bool admin(const std::string& uri, const std::string& sql) {
    PGconn* c = PQconnectdb(uri.c_str());
    bool done = PQstatus(c) == CONNECTION_OK;
    if (done) {
      PGresult* r = PQexec(c, sql.c_str());
      done = PQresultStatus(r) == PGRES_COMMAND_OK || PQresultStatus(r) == PGRES_TUPLES_OK;
      if (!done) ADD_FAILURE() << sql << ": " << PQresultErrorMessage(r);
      PQclear(r);
    } else {
      ADD_FAILURE() << "no connection to the test server: " << PQerrorMessage(c);
    }
    PQfinish(c);
    return done;
  }

 private:
  std::string adminUri_;
  std::string name_;
  bool ok_ = false;
};

// A fresh database for the calling test; skips the test (fails it under CI) without a server.
#define OBRAZAC_SERVER_DATABASE(var)                                                               \
  if (::obrazac::testing::testServerUri().empty()) {                                               \
    if (::obrazac::testing::inContinuousIntegration())                                             \
      FAIL() << "CI=true but OBRAZAC_TEST_PG_URI is not set: the tests run without the "           \
                "PostgreSQL cluster of scripts/with-pg-cluster.sh";                                \
    GTEST_SKIP() << "no PostgreSQL test server (OBRAZAC_TEST_PG_URI is not set; make test "        \
                    "starts one where the packages postgresql and libpq-dev are installed)";       \
  }                                                                                                \
  var = std::make_unique<::obrazac::testing::ServerDatabase>(::obrazac::testing::testServerUri()); \
  ASSERT_TRUE(var->ok())

}  // namespace obrazac::testing
