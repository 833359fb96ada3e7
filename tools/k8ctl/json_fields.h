#pragma once
// Reading JSON that a user may have edited: every value is checked where it is read, and the
// first bad one is named by its path ("settings.buttons.A[3].key: ...").

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

namespace k8ctl {

using Json = nlohmann::ordered_json;

struct FieldError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void badField(const std::string& path, const std::string& reason);

// The members of one object. Each member is taken once; done() refuses any member left over, so
// a misspelt name is reported rather than ignored.
class Fields {
 public:
  Fields(const Json& object, std::string path);
  const Json& take(const std::string& name);
  std::string pathOf(const std::string& name) const { return path_ + "." + name; }
  void done() const;

 private:
  const Json& object_;
  std::string path_;
  std::vector<std::string> taken_;
};

long integerIn(const Json& value, const std::string& path, long low, long high);
bool boolean(const Json& value, const std::string& path);
// A string of at most maxLength characters (UTF-8 checked), returned as UTF-8.
std::string text(const Json& value, const std::string& path, std::size_t maxLength);
// A text record.ini holds on one line: any character but a line break.
std::string recordText(const Json& value, const std::string& path, std::size_t maxLength);
// An array of exactly `count` elements (or up to `count` when `exact` is false).
const Json& arrayOf(const Json& value, const std::string& path, std::size_t count, bool exact);
// "#RRGGBB".
std::array<std::uint8_t, 3> colour(const Json& value, const std::string& path);
std::string colourText(std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace k8ctl
