// Thin wrappers over libpq for the server store: a connection shared by the tables of one
// context, and prepared statements whose parameters are always bound, never spliced into the
// SQL text. Results come in binary form: integers as eight bytes, text and key encodings as their
// bytes, so nothing is parsed or unescaped on the way.
#pragma once

#include <libpq-fe.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace obrazac::pg {

class Connection {
 public:
  // Connects to the database the libpq URI names. On failure returns null and says why in
  // Croatian words in `why` (a refused login says so); the password is never part of it.
  static std::unique_ptr<Connection> open(const std::string& uri, std::string& why);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  PGconn* get() const { return conn_; }
  // The name of the statement prepared on this connection for `text`, preparing it the first
  // time, so tables opened again reuse their statements; empty with the code in `code` when the
  // server refuses it.
  const std::string& prepared(const std::string& text, int& code, std::string& driverError);

  // Runs a command without parameters or results (BEGIN, SAVEPOINT ...): 0 or the store's
  // code, with the server's words in `driverError`.
  int run(const char* command, std::string& driverError);

  // One transaction for every table of the context: the outermost begin starts it, the matching
  // commit ends it; a rollback at any depth undoes the whole of it.
  int begin(std::string& driverError);
  int commit(std::string& driverError);
  int rollback(std::string& driverError);
  bool inTransaction() const { return depth_ > 0; }

 private:
  explicit Connection(PGconn* conn) : conn_(conn) {}
  PGconn* conn_;
  std::unordered_map<std::string, std::string> prepared_;  // SQL text -> statement name
  int depth_ = 0;
};

// A prepared statement with its parameters and, after execute(), the rows of its result.
// Parameter and column indices follow sql::Statement: parameters from 1, columns from 0.
class Statement {
 public:
  Statement() = default;
  Statement(Connection& conn, std::string text) : conn_(&conn), text_(std::move(text)) {}
  ~Statement() { clearResult(); }
  Statement(Statement&& o) noexcept { *this = std::move(o); }
  Statement& operator=(Statement&& o) noexcept;

  void bind(int i, std::int64_t v) { slot(i, std::to_string(v), false); }
  void bindText(int i, std::string_view v) { slot(i, v, false); }
  void bindBlob(int i, std::string_view v) { slot(i, v, true); }
  void bindTextInPlace(int i, std::string_view v) { bindText(i, v); }
  void bindBlobInPlace(int i, std::string_view v) { bindBlob(i, v); }
  void bindNull(int i);

  // Runs the statement (prepared on the server the first time): 0, or the store's code with
  // the server's words in driverError(). The bound parameters are cleared afterwards.
  int execute();
  // Steps through the result: false after the last row.
  bool nextRow() { return ++row_ < rows_; }
  int rows() const { return rows_; }
  std::int64_t changes() const;  // rows an UPDATE or DELETE touched
  const std::string& driverError() const { return driverError_; }

  std::int64_t integer(int col) const;
  std::string_view text(int col) const { return blob(col); }
  std::string_view blob(int col) const;
  bool isNull(int col) const { return PQgetisnull(result_, row_, col) != 0; }

 private:
  struct Parameter {
    std::string value;
    bool null = true;
    bool binary = false;
  };
  void slot(int i, std::string_view value, bool binary);
  void clearResult();

  Connection* conn_ = nullptr;
  std::string text_;
  std::vector<Parameter> params_;
  PGresult* result_ = nullptr;
  int rows_ = 0;
  int row_ = -1;
  std::string driverError_;
};

// The table store's error code for a server error (its SQLSTATE): 40 for a unique key, 5 for
// missing rights, 43 for a row another station holds locked ...
int storeCodeOf(std::string_view sqlState);

// The URI as it may be shown or logged: any password (user:password@ or password=) left out.
std::string withoutPassword(std::string_view uri);

}  // namespace obrazac::pg
