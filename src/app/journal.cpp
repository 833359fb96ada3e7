#include "app/journal.h"

#include "platform/text.h"

namespace k8 {

namespace {

void appendEscaped(std::string& out, std::wstring_view field) {
  for (const char c : toUtf8(field)) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
}

}  // namespace

std::string journalLine(std::initializer_list<std::wstring_view> fields) {
  std::string line;
  bool first = true;
  for (const auto field : fields) {
    if (!first) line += '\t';
    first = false;
    appendEscaped(line, field);
  }
  return line;
}

Journal::Journal(const std::filesystem::path& file) {
#ifdef _WIN32
  file_ = _wfopen(file.c_str(), L"ab");
#else
  file_ = std::fopen(file.c_str(), "ab");
#endif
}

Journal::~Journal() {
  if (file_) std::fclose(file_);
}

void Journal::write(const std::string& line) {
  std::lock_guard lock(mutex_);
  if (!file_) return;
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

}  // namespace k8
