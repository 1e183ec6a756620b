// The text-file backend: one record per line, fields side by side in fixed columns. Lines end in
// CR LF; writing drops trailing blanks; reading clears the buffer first, expands TAB to the next
// multiple of 8 columns, cuts long lines and stops at a Ctrl-Z that begins a line. Appending
// overwrites a Ctrl-Z that ends the file and first ends a last line left without CR LF. Tables
// with the OEM attribute hold code page 852 on disk. Keys do not exist here (error 80).
//
// What the reading rules pass over without a word (the tail of a long line, a CR that is no line
// end, the lines behind a Ctrl-Z) is kept for the caller: the shape of each line read, and a way
// on past the end mark, so that a run can report what it did not take.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "data/table.h"

namespace obrazac {

class TextTable final : public Table {
 public:
  TextTable(const TableDecl& decl, std::filesystem::path file);
  ~TextTable() override;

  using Table::get;
  using Table::set;
  using Table::setLast;

  bool isOpen() const override { return file_ptr_ != nullptr; }
  int open(AccessMode mode = AccessMode::DenyNone) override;
  void close() override;
  int create() override;
  int empty() override;

  int set(int) override { return fail(err::kUnsupportedFunction); }
  int setLast(int) override { return fail(err::kUnsupportedFunction); }
  int setPhysical() override;
  int next() override;
  int previous() override { return fail(err::kUnsupportedFunction); }
  int get(int) override { return fail(err::kUnsupportedFunction); }
  int reget(Position p) override;
  bool keyValueExists(int, const Record&, Position) override { return false; }

  int add() override { return append(); }
  int append() override;
  int build() override { return ok(); }
  int put() override { return fail(err::kUnsupportedFunction); }
  int remove() override { return fail(err::kUnsupportedFunction); }
  std::int64_t records() override;
  int send(std::string_view) override { return ok(); }

  int begin() override { return fail(err::kUnsupportedFunction); }
  int commit() override { return fail(err::kUnsupportedFunction); }
  int rollback() override { return fail(err::kUnsupportedFunction); }

  // What next() saw of the line it read last, beyond what the record holds.
  struct LineShape {
    std::int64_t number = 0;   // the line's number in the file, from 1
    std::int64_t length = 0;   // its bytes before the line end; the record holds the first ones
    bool bareCR = false;       // a CR in it before anything but LF: line ends of another system,
                               // which run the lines into one
    bool pastEndMark = false;  // it stands behind a Ctrl-Z that ended the file
  };
  const LineShape& lineShape() const { return shape_; }

  // After next() ended at a Ctrl-Z that begins a line: steps over the Ctrl-Z bytes there, so that
  // next() reads on into what the mark hides, from the rest of the mark's own line. False
  // when the walk ended at the true end of the file.
  bool stepOverEndMark();

  // The record as one line of fixed columns, and back (no code-page conversion).
  std::string lineOf(const Record& r) const;
  void recordFromLine(std::string_view line, Record& r) const;

 private:
  int readLineAt(long offset, std::string& line, long& nextOffset, LineShape& shape);
  int byteAt(long offset);
  void restartWalk();

  std::FILE* file_ptr_ = nullptr;
  ShareLock lock_;
  int width_ = 0;
  long readOffset_ = 0;  // where the next line begins
  // Bytes of the file read ahead, from offset bufferStart_; dropped by every write through this
  // table, and bytes past bufferLength_ are read again, so lines appended since are seen.
  std::unique_ptr<char[]> buffer_;
  long bufferStart_ = 0;
  long bufferLength_ = 0;
  std::string line_;
  LineShape shape_;
  long endMarkOffset_ = -1;   // the Ctrl-Z the last next() stopped at, or -1
  bool pastEndMark_ = false;  // the walk stepped over an end mark
};

}  // namespace obrazac
