#include "data/text_table.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "data/codepage.h"
#include "data/file_replace.h"
#include "data/fixed_width.h"

namespace obrazac {
namespace {

constexpr char kCtrlZ = 26;
constexpr int kTabStop = 8;

}  // namespace

TextTable::TextTable(const TableDecl& decl, std::filesystem::path file)
    : Table(decl, std::move(file)), width_(decl.recordSize()) {}

TextTable::~TextTable() {
  close();
}

int TextTable::open(AccessMode mode) {
  if (file_ptr_) return fail(err::kFileAlreadyOpen);
  std::error_code ec;
  if (!std::filesystem::exists(file_, ec)) {
    const auto dir = file_.parent_path().empty() ? std::filesystem::path(".") : file_.parent_path();
    if (!std::filesystem::is_directory(dir, ec)) return fail(err::kPathNotFound);
    if (!decl_.create || mode == AccessMode::ReadOnly) return fail(err::kFileNotFound);
  }
  if (const int rc = lock_.acquire(file_, mode)) return fail(rc);
  if (mode == AccessMode::ReadOnly) {
    file_ptr_ = std::fopen(file_.c_str(), "rb");
  } else {
    // The file stays in the working folder: a link in its place becomes a file of what it leads
    // to, and the file is opened without following one, so nothing outside is ever written.
    if (std::filesystem::is_symlink(file_, ec)) {
      const bool leadsSomewhere = std::filesystem::exists(file_, ec);
      if (!(leadsSomewhere ? replaceFileByCopy(file_, file_) : replaceFile(file_, "")).empty()) {
        lock_.release();
        return fail(err::kFileSystemError);
      }
    }
    const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    file_ptr_ = fd < 0 ? nullptr : ::fdopen(fd, "r+b");
    if (fd >= 0 && !file_ptr_) ::close(fd);
  }
  if (!file_ptr_) {
    lock_.release();
    return fail(errno == EACCES ? err::kAccessDenied : err::kFileSystemError);
  }
  readOffset_ = 0;
  bufferLength_ = 0;  // a new stream: what was read of the last one no longer holds
  current_ = {};
  restartWalk();
  return ok();
}

void TextTable::close() {
  if (!file_ptr_) return;
  std::fclose(file_ptr_);
  file_ptr_ = nullptr;
  lock_.release();
}

int TextTable::create() {
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(file_, ec))) return ok();
  if (!writeNewFile(file_, "").empty()) return fail(err::kPathNotFound);
  return ok();
}

int TextTable::empty() {
  if (!file_ptr_) return fail(err::kFileNotOpen);
  if (lock_.mode() != AccessMode::DenyAll) return fail(err::kExclusiveAccessRequired);
  std::fflush(file_ptr_);
  if (ftruncate(fileno(file_ptr_), 0) != 0) return fail(err::kFileSystemError);
  std::rewind(file_ptr_);
  bufferLength_ = 0;
  readOffset_ = 0;
  return ok();
}

int TextTable::setPhysical() {
  if (!file_ptr_) return fail(err::kFileNotOpen);
  readOffset_ = 0;
  restartWalk();
  return ok();
}

void TextTable::restartWalk() {
  shape_ = {};
  endMarkOffset_ = -1;
  pastEndMark_ = false;
}

// Reads the line that begins at offset, without its line end, keeping no more bytes than a
// record can hold (so a line of a gigabyte costs no memory); 33 at the end of the data. The file
// is read in blocks and each line found with memchr, not byte by byte. The shape gets the line's
// whole length and whether a CR stands in it before anything but LF.
int TextTable::readLineAt(long offset, std::string& line, long& nextOffset, LineShape& shape) {
  constexpr long kBlock = 1 << 16;
  line.clear();
  shape.length = 0;
  shape.bareCR = false;
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBlock);
  const auto keep = static_cast<std::size_t>(width_) + 1;  // one more for a CR before LF
  long pos = offset;
  bool lineEnd = false;
  bool endsInCR = false;  // the bytes read so far end in a CR
  for (bool first = true; !lineEnd; first = false) {
    if (pos < bufferStart_ || pos >= bufferStart_ + bufferLength_) {
      const ssize_t n = pread(fileno(file_ptr_), buffer_.get(), kBlock, pos);
      if (n < 0) {
        bufferLength_ = 0;
        return err::kFileSystemError;
      }
      bufferStart_ = pos;
      bufferLength_ = static_cast<long>(n);
      if (n == 0) {
        if (first) return err::kRecordNotAvailable;
        break;
      }
    }
    const char* at = buffer_.get() + (pos - bufferStart_);
    const auto available = static_cast<std::size_t>(bufferStart_ + bufferLength_ - pos);
    if (first && *at == kCtrlZ) return err::kRecordNotAvailable;
    const void* newline = std::memchr(at, '\n', available);
    const std::size_t length =
        newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - at) : available;
    if (length > 0) {
      if (endsInCR || std::memchr(at, '\r', length - 1)) shape.bareCR = true;
      endsInCR = at[length - 1] == '\r';
    }
    shape.length += static_cast<std::int64_t>(length);
    if (line.size() < keep) line.append(at, std::min(length, keep - line.size()));
    pos += static_cast<long>(length);
    if (newline) {
      ++pos;
      lineEnd = true;
    }
  }
  if (endsInCR) --shape.length;
  if (!line.empty() && line.back() == '\r' && pos - offset <= static_cast<long>(keep) + 1)
    line.pop_back();
  nextOffset = pos;
  return err::kOk;
}

void TextTable::recordFromLine(std::string_view raw, Record& r) const {
  // Most lines hold no TAB and no OEM text: their fields are taken straight from the line, and
  // setting a field pads it with blanks, as the cleared buffer would.
  if (!decl_.oem && raw.find('\t') == std::string_view::npos) {
    std::size_t at = 0;
    for (int i = 0; i < r.fieldCount(); ++i) {
      const auto w = static_cast<std::size_t>(r.field(i).size);
      r.setText(i, at < raw.size() ? raw.substr(at, w) : std::string_view{});
      at += w;
    }
    return;
  }
  std::string expanded;
  expanded.reserve(static_cast<std::size_t>(width_));
  for (const char c : raw) {
    if (expanded.size() >= static_cast<std::size_t>(width_)) break;
    if (c == '\t') {
      expanded.append(kTabStop - expanded.size() % kTabStop, ' ');
    } else {
      expanded.push_back(c);
    }
  }
  expanded = padRight(expanded, static_cast<std::size_t>(width_));
  if (decl_.oem) convertCp852ToCp1250(expanded);
  std::size_t at = 0;
  for (int i = 0; i < r.fieldCount(); ++i) {
    const auto w = static_cast<std::size_t>(r.field(i).size);
    r.setText(i, std::string_view(expanded).substr(at, w));
    at += w;
  }
}

std::string TextTable::lineOf(const Record& r) const {
  std::string line;
  line.reserve(static_cast<std::size_t>(width_));
  for (int i = 0; i < r.fieldCount(); ++i) line += r.text(i);
  return line;
}

int TextTable::next() {
  if (!file_ptr_) return fail(err::kFileNotOpen);
  record_.clear();
  // At the end the walk stays where it is, so a line appended later is the next one read.
  long nextOffset = readOffset_;
  const std::int64_t number = shape_.number;
  endMarkOffset_ = -1;
  if (const int rc = readLineAt(readOffset_, line_, nextOffset, shape_)) {
    // The block read holds the byte the line would begin with.
    const bool atMark = rc == err::kRecordNotAvailable && readOffset_ >= bufferStart_ &&
                        readOffset_ < bufferStart_ + bufferLength_ &&
                        buffer_[static_cast<std::size_t>(readOffset_ - bufferStart_)] == kCtrlZ;
    if (atMark) endMarkOffset_ = readOffset_;
    return fail(rc);
  }
  shape_.number = number + 1;
  shape_.pastEndMark = pastEndMark_;
  recordFromLine(line_, record_);
  current_ = Position{readOffset_ + 1};  // positions count from 1: 0 means none
  readOffset_ = nextOffset;
  return ok();
}

bool TextTable::stepOverEndMark() {
  if (!file_ptr_ || endMarkOffset_ < 0) return false;
  long offset = endMarkOffset_;
  while (byteAt(offset) == kCtrlZ) ++offset;
  readOffset_ = offset;
  endMarkOffset_ = -1;
  pastEndMark_ = true;
  return true;
}

int TextTable::reget(Position p) {
  if (!file_ptr_) return fail(err::kFileNotOpen);
  if (p.row <= 0) return fail(err::kRecordNotFound);
  long nextOffset = 0;
  LineShape shape;
  record_.clear();
  if (const int rc = readLineAt(static_cast<long>(p.row - 1), line_, nextOffset, shape))
    return fail(rc == err::kRecordNotAvailable ? err::kRecordNotFound : rc);
  recordFromLine(line_, record_);
  current_ = p;
  return ok();
}

int TextTable::append() {
  if (!file_ptr_) return fail(err::kFileNotOpen);
  if (lock_.mode() == AccessMode::ReadOnly) return fail(err::kAccessDenied);
  bufferLength_ = 0;
  if (std::fseek(file_ptr_, 0, SEEK_END) != 0) return fail(err::kFileSystemError);
  long end = std::ftell(file_ptr_);
  if (end < 0) return fail(err::kFileSystemError);
  // The Ctrl-Z bytes that end the file are overwritten by the new line: one left in front of
  // it would end the file before the new line for every reader.
  while (end > 0 && byteAt(end - 1) == kCtrlZ) --end;
  // A last line left without its line end gets one, so the new line does not run on from it.
  const bool endLastLine = end > 0 && byteAt(end - 1) != '\n';
  std::string line = endLastLine ? "\r\n" : "";
  const long start = end + static_cast<long>(line.size());
  std::string text = lineOf(record_);
  if (decl_.oem) convertCp1250ToCp852(text);
  line += clipRight(text);
  line += "\r\n";
  if (std::fseek(file_ptr_, end, SEEK_SET) != 0 ||
      std::fwrite(line.data(), 1, line.size(), file_ptr_) != line.size() ||
      std::fflush(file_ptr_) != 0)
    return fail(err::kFileSystemError);
  if (ftruncate(fileno(file_ptr_), end + static_cast<long>(line.size())) != 0)
    return fail(err::kFileSystemError);
  // A walk that stood at the end of the file goes on with the new line.
  if (readOffset_ >= end) readOffset_ = start;
  current_ = Position{start + 1};
  return ok();
}

// The byte at offset, or EOF; leaves the stream somewhere else.
int TextTable::byteAt(long offset) {
  if (std::fseek(file_ptr_, offset, SEEK_SET) != 0) return EOF;
  return std::fgetc(file_ptr_);
}

std::int64_t TextTable::records() {
  if (!file_ptr_) {
    fail(err::kFileNotOpen);
    return 0;
  }
  std::int64_t n = 0;
  long offset = 0, nextOffset = 0;
  std::string line;
  LineShape shape;
  while (readLineAt(offset, line, nextOffset, shape) == err::kOk) {
    ++n;
    offset = nextOffset;
  }
  ok();
  return n;
}

}  // namespace obrazac
