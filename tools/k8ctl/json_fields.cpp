#include "json_fields.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/text.h"

namespace k8ctl {

void badField(const std::string& path, const std::string& reason) {
  throw FieldError(path + ": " + reason);
}

Fields::Fields(const Json& object, std::string path) : object_(object), path_(std::move(path)) {
  if (!object_.is_object()) badField(path_, "must be an object");
}

const Json& Fields::take(const std::string& name) {
  const auto it = object_.find(name);
  if (it == object_.end()) badField(pathOf(name), "missing");
  taken_.push_back(name);
  return *it;
}

void Fields::done() const {
  for (const auto& item : object_.items()) {
    if (std::find(taken_.begin(), taken_.end(), item.key()) == taken_.end()) {
      badField(pathOf(item.key()), "unknown field");
    }
  }
}

long integerIn(const Json& value, const std::string& path, long low, long high) {
  if (!value.is_number_integer()) {
    badField(path, "must be a whole number " + std::to_string(low) + "-" + std::to_string(high));
  }
  const auto v = value.get<long long>();
  if (v < low || v > high) {
    badField(path,
             std::to_string(v) + " is outside " + std::to_string(low) + "-" + std::to_string(high));
  }
  return static_cast<long>(v);
}

bool boolean(const Json& value, const std::string& path) {
  if (!value.is_boolean()) badField(path, "must be true or false");
  return value.get<bool>();
}

namespace {

std::string checkedText(const Json& value, const std::string& path, std::size_t maxLength,
                        bool (*refused)(wchar_t), const char* what) {
  if (!value.is_string()) badField(path, "must be a string");
  const auto& s = value.get_ref<const std::string&>();
  const std::wstring wide = k8::fromUtf8(s);
  if (k8::toUtf8(wide) != s) badField(path, "is not valid UTF-8");
  if (wide.size() > maxLength) {
    badField(path, "longer than " + std::to_string(maxLength) + " characters");
  }
  for (wchar_t c : wide) {
    if (refused(c)) badField(path, what);
  }
  return s;
}

}  // namespace

std::string text(const Json& value, const std::string& path, std::size_t maxLength) {
  return checkedText(
      value, path, maxLength, [](wchar_t c) { return c < 0x20 || c == 0x7F; },
      "holds a control character");
}

std::string recordText(const Json& value, const std::string& path, std::size_t maxLength) {
  return checkedText(
      value, path, maxLength, [](wchar_t c) { return c == L'\r' || c == L'\n'; },
      "holds a line break");
}

const Json& arrayOf(const Json& value, const std::string& path, std::size_t count, bool exact) {
  if (!value.is_array()) badField(path, "must be an array");
  if (exact ? value.size() != count : value.size() > count) {
    badField(path, std::string(exact ? "must have " : "may have at most ") + std::to_string(count) +
                       " elements, not " + std::to_string(value.size()));
  }
  return value;
}

std::array<std::uint8_t, 3> colour(const Json& value, const std::string& path) {
  const std::string s = value.is_string() ? value.get<std::string>() : "";
  std::array<std::uint8_t, 3> rgb{};
  const bool ok =
      s.size() == 7 && s[0] == '#' &&
      std::all_of(s.begin() + 1, s.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
  if (!ok) badField(path, "must be a colour \"#RRGGBB\"");
  for (std::size_t i = 0; i < 3; ++i) {
    rgb[i] = static_cast<std::uint8_t>(std::stoul(s.substr(1 + 2 * i, 2), nullptr, 16));
  }
  return rgb;
}

std::string colourText(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", r, g, b);
  return buffer;
}

}  // namespace k8ctl
