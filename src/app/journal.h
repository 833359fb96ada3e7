#pragma once
// The simulated build's journal: what a user would see, one UTF-8 line each, so that tests can
// read what the screen shows. The real program keeps no journal.

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <mutex>
#include <string>
#include <string_view>

namespace k8 {

// Fields joined by tabs; tabs, line breaks and backslashes inside a field are written as
// \t, \n, \r and \\ so that every entry stays one line.
std::string journalLine(std::initializer_list<std::wstring_view> fields);

class Journal {
 public:
  // Appends to the file (created when missing). A file that cannot be opened keeps no journal.
  explicit Journal(const std::filesystem::path& file);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Writes the line and flushes it at once (the program may end any moment).
  void write(const std::string& line);

 private:
  std::mutex mutex_;
  std::FILE* file_ = nullptr;
};

}  // namespace k8
