#include "submission/control_number.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace obrazac::submission {
namespace {

struct DigestContext {
  EVP_MD_CTX* ctx = EVP_MD_CTX_new();
  ~DigestContext() { EVP_MD_CTX_free(ctx); }
};

std::string hex(const unsigned char* digest, unsigned length) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(length * 2);
  for (unsigned i = 0; i < length; ++i) {
    text.push_back(kDigits[digest[i] >> 4]);
    text.push_back(kDigits[digest[i] & 15]);
  }
  return text;
}

// Feeds `read` into SHA-1 until it returns 0; a negative return is a read error.
template <typename Read>
std::string sha1(Read&& read, std::string& error) {
  DigestContext d;
  if (!d.ctx || EVP_DigestInit_ex2(d.ctx, EVP_sha1(), nullptr) != 1) {
    error = "SHA-1 nije dostupan";
    return {};
  }
  unsigned char buffer[1 << 16];
  for (;;) {
    const long n = read(buffer, sizeof buffer);
    if (n < 0) return {};
    if (n == 0) break;
    if (EVP_DigestUpdate(d.ctx, buffer, static_cast<std::size_t>(n)) != 1) {
      error = "SHA-1 nije uspio";
      return {};
    }
  }
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned length = 0;
  if (EVP_DigestFinal_ex(d.ctx, digest, &length) != 1) {
    error = "SHA-1 nije uspio";
    return {};
  }
  return hex(digest, length);
}

}  // namespace

ControlNumber controlNumberOfFile(const std::filesystem::path& file) {
  ControlNumber result;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"), std::fclose);
  if (!in) {
    result.error = file.string() + ": " + std::strerror(errno);
    return result;
  }
  result.digits = sha1(
      [&](unsigned char* buffer, std::size_t size) -> long {
        const std::size_t n = std::fread(buffer, 1, size, in.get());
        if (n == 0 && std::ferror(in.get())) {
          result.error = file.string() + ": " + std::strerror(errno);
          return -1;
        }
        return static_cast<long>(n);
      },
      result.error);
  return result;
}

std::string controlNumberOfBytes(std::string_view bytes) {
  std::string error;
  std::size_t at = 0;
  return sha1(
      [&](unsigned char* buffer, std::size_t size) -> long {
        const std::size_t n = std::min(size, bytes.size() - at);
        std::memcpy(buffer, bytes.data() + at, n);
        at += n;
        return static_cast<long>(n);
      },
      error);
}

std::string groupedControlNumber(std::string_view digits) {
  std::string text(digits.substr(0, 40));
  text.resize(40, ' ');
  return text.substr(0, 10) + "-" + text.substr(10, 10) + "-" + text.substr(20, 10) + "-" +
         text.substr(30, 10);
}

}  // namespace obrazac::submission
