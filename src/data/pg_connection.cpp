#include "data/pg_connection.h"

#include <regex>

#include "data/store_error.h"

namespace obrazac::pg {
namespace {

// How long a write waits for a row or table another station holds before it gives up (43),
// unless the URI's options set a wait of their own.
constexpr const char* kSetLockTimeout =
    "SELECT set_config('lock_timeout', '5s', false) WHERE current_setting('lock_timeout') = '0'";

std::string firstLine(const char* message) {
  std::string s = message ? message : "";
  if (const auto nl = s.find('\n'); nl != std::string::npos) s.erase(nl);
  return s;
}

bool contains(const std::string& s, std::string_view part) {
  return s.find(part) != std::string::npos;
}

// The server's refusal in words a bookkeeper or an administrator acts on.
std::string connectFailure(const std::string& message) {
  if (contains(message, "password authentication failed") ||
      contains(message, "authentication failed") || contains(message, "no password supplied"))
    return "Poslužitelj je odbio prijavu: korisnik ili lozinka nisu ispravni (" + message + ")";
  if (contains(message, "role \"") && contains(message, "does not exist"))
    return "Poslužitelj je odbio prijavu: takav korisnik ne postoji (" + message + ")";
  if (contains(message, "no pg_hba.conf entry"))
    return "Poslužitelj je odbio prijavu: ovo računalo ili korisnik nema pristup (" + message + ")";
  if (contains(message, "database \"") && contains(message, "does not exist"))
    return "Baza podataka na poslužitelju ne postoji (" + message + ")";
  return "Poslužitelj nije dostupan (" + message + ")";
}

int failure(PGresult* result, PGconn* conn, std::string& driverError) {
  const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
  driverError = firstLine(result ? PQresultErrorMessage(result) : PQerrorMessage(conn));
  if (driverError.empty()) driverError = firstLine(PQerrorMessage(conn));
  return state ? storeCodeOf(state) : err::kFileSystemError;
}

bool succeeded(PGresult* result) {
  const auto s = PQresultStatus(result);
  return s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK;
}

}  // namespace

std::unique_ptr<Connection> Connection::open(const std::string& uri, std::string& why) {
  PGconn* conn = PQconnectdb(uri.c_str());
  if (!conn || PQstatus(conn) != CONNECTION_OK) {
    why = connectFailure(conn ? firstLine(PQerrorMessage(conn)) : "nema memorije");
    PQfinish(conn);
    return nullptr;
  }
  std::unique_ptr<Connection> c(new Connection(conn));
  std::string driverError;
  if (PQsetClientEncoding(conn, "UTF8") != 0 || c->run(kSetLockTimeout, driverError) != 0) {
    why = connectFailure(driverError.empty() ? firstLine(PQerrorMessage(conn)) : driverError);
    return nullptr;
  }
  return c;
}

Connection::~Connection() {
  PQfinish(conn_);
}

int Connection::run(const char* command, std::string& driverError) {
  PGresult* r = PQexec(conn_, command);
  const int code = succeeded(r) ? err::kOk : failure(r, conn_, driverError);
  PQclear(r);
  return code;
}

int Connection::begin(std::string& driverError) {
  if (depth_ == 0)
    if (const int rc = run("BEGIN", driverError)) return rc;
  ++depth_;
  return err::kOk;
}

int Connection::commit(std::string& driverError) {
  if (depth_ == 0) return err::kOk;
  if (--depth_ > 0) return err::kOk;
  const int rc = run("COMMIT", driverError);
  if (rc) run("ROLLBACK", driverError);
  return rc;
}

int Connection::rollback(std::string& driverError) {
  if (depth_ == 0) return err::kOk;
  depth_ = 0;
  return run("ROLLBACK", driverError);
}

const std::string& Connection::prepared(const std::string& text, int& code,
                                        std::string& driverError) {
  static const std::string none;
  code = err::kOk;
  if (const auto it = prepared_.find(text); it != prepared_.end()) return it->second;
  const std::string name = "s" + std::to_string(prepared_.size() + 1);
  PGresult* r = PQprepare(conn_, name.c_str(), text.c_str(), 0, nullptr);
  const bool ok = succeeded(r);
  if (!ok) code = failure(r, conn_, driverError);
  PQclear(r);
  return ok ? prepared_.emplace(text, name).first->second : none;
}

Statement& Statement::operator=(Statement&& o) noexcept {
  std::swap(conn_, o.conn_);
  std::swap(text_, o.text_);
  std::swap(params_, o.params_);
  std::swap(result_, o.result_);
  std::swap(rows_, o.rows_);
  std::swap(row_, o.row_);
  std::swap(driverError_, o.driverError_);
  return *this;
}

void Statement::slot(int i, std::string_view value, bool binary) {
  if (static_cast<std::size_t>(i) > params_.size()) params_.resize(static_cast<std::size_t>(i));
  Parameter& p = params_[static_cast<std::size_t>(i - 1)];
  p.value.assign(value);
  p.null = false;
  p.binary = binary;
}

void Statement::bindNull(int i) {
  slot(i, {}, false);
  params_[static_cast<std::size_t>(i - 1)].null = true;
}

void Statement::clearResult() {
  if (result_) PQclear(result_);
  result_ = nullptr;
  rows_ = 0;
  row_ = -1;
}

int Statement::execute() {
  clearResult();
  PGconn* conn = conn_->get();
  int code;
  const std::string& name = conn_->prepared(text_, code, driverError_);
  if (code) {
    params_.clear();
    return code;
  }
  std::vector<const char*> values(params_.size());
  std::vector<int> lengths(params_.size()), formats(params_.size());
  for (std::size_t i = 0; i < params_.size(); ++i) {
    values[i] = params_[i].null ? nullptr : params_[i].value.data();
    lengths[i] = static_cast<int>(params_[i].value.size());
    formats[i] = params_[i].binary ? 1 : 0;
  }
  result_ = PQexecPrepared(conn, name.c_str(), static_cast<int>(params_.size()), values.data(),
                           lengths.data(), formats.data(), 1);
  params_.clear();
  if (!succeeded(result_)) {
    code = failure(result_, conn, driverError_);
    clearResult();
    return code;
  }
  rows_ = PQntuples(result_);
  return err::kOk;
}

std::int64_t Statement::changes() const {
  const char* n = result_ ? PQcmdTuples(result_) : "";
  return *n ? std::stoll(n) : 0;
}

std::int64_t Statement::integer(int col) const {
  const auto* p = reinterpret_cast<const unsigned char*>(PQgetvalue(result_, row_, col));
  const int length = PQgetlength(result_, row_, col);
  std::uint64_t v = 0;
  for (int i = 0; i < length; ++i) v = v << 8 | p[i];
  // Sign-extends the two-, four- and eight-byte integers of the binary form.
  const int unused = 64 - 8 * length;
  if (length == 0) return 0;
  return unused > 0 ? static_cast<std::int64_t>(v << unused) >> unused
                    : static_cast<std::int64_t>(v);
}

std::string_view Statement::blob(int col) const {
  if (PQgetisnull(result_, row_, col)) return {};
  return {PQgetvalue(result_, row_, col),
          static_cast<std::size_t>(PQgetlength(result_, row_, col))};
}

int storeCodeOf(std::string_view state) {
  if (state == "23505") return err::kDuplicateKey;
  if (state == "42501" || state == "25006") return err::kAccessDenied;  // rights, read-only
  if (state == "55P03" || state == "40P01") return err::kRecordHeld;    // lock timeout, deadlock
  if (state == "42P01") return err::kFileNotFound;                      // no such table
  return err::kFileSystemError;
}

std::string withoutPassword(std::string_view uri) {
  std::string s(uri);
  // user:password@host in the authority of a URI
  static const std::regex userInfo(R"(^(postgres(?:ql)?://[^:/?#@]*):[^@/?#]*@)");
  s = std::regex_replace(s, userInfo, "$1@");
  // password=... as a URI parameter or a key/value setting
  static const std::regex parameter(R"((^|[?&\s])password\s*=\s*('[^']*'|[^&\s]*)&?)");
  s = std::regex_replace(s, parameter, "$1");
  while (!s.empty() && (s.back() == '&' || s.back() == '?' || s.back() == ' ')) s.pop_back();
  return s;
}

}  // namespace obrazac::pg
