#include "transfer/table_files.h"

#include <algorithm>

namespace obrazac {
namespace {

namespace fs = std::filesystem;

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isTableFileName(const fs::path& name) {
  const std::string ext = name.extension().string();
  return equalIgnoringCase(ext, ".dat") || equalIgnoringCase(ext, ".tps");
}

}  // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return lower(x) == lower(y); });
}

TableFileList tableFilesIn(const fs::path& folder) {
  TableFileList list;
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError) || !isTableFileName(it->path().filename())) continue;
    list.names.push_back(it->path().filename().string());
  }
  if (ec) {
    list.names.clear();
    list.error = ec.message();
  }
  std::sort(list.names.begin(), list.names.end());
  return list;
}

std::optional<std::string> findFileIgnoringCase(const fs::path& folder, std::string_view name) {
  std::error_code ec;
  if (fs::is_regular_file(folder / name, ec)) return std::string(name);
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string found = it->path().filename().string();
    std::error_code typeError;
    if (equalIgnoringCase(found, name) && it->is_regular_file(typeError)) return found;
  }
  return std::nullopt;
}

}  // namespace obrazac
