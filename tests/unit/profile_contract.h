#pragma once
// One contract for every profile backend: profile_test.cpp runs it against PortableProfile,
// tests/win32/profile_win32_test.cpp against the Win32 functions under Wine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/profile.h"

namespace k8test {

// What a backend's file layout can be checked for. Wine rewrites the whole file on every
// change (Windows edits it in place), so the Win32 suite turns layout checks off under Wine.
template <class Backend>
struct ProfileBackendTraits {
  static bool checksLayout() { return true; }
};

inline std::string utf16File(std::wstring_view text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t w : text) {
    auto c = static_cast<char32_t>(w);
    auto unit = [&](char32_t u) {
      bytes += static_cast<char>(u & 0xFF);
      bytes += static_cast<char>((u >> 8) & 0xFF);
    };
    if (c >= 0x10000) {
      c -= 0x10000;
      unit(0xD800 + (c >> 10));
      unit(0xDC00 + (c & 0x3FF));
    } else {
      unit(c);
    }
  }
  return bytes;
}

template <class Backend>
class ProfileContract : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("k8-profile-") + info->test_suite_name() + "-" + info->name();
    for (char& c : name) c = (c == '/') ? '_' : c;
    dir_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    path_ = dir_ / "test.ini";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  Backend open() const { return Backend(path_); }
  void writeText(std::wstring_view text) const {
    const std::string bytes = utf16File(text);
    std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
  }
  std::string bytes() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::wstring names(std::size_t size, std::size_t* result = nullptr) const {
    std::wstring buffer(size, L'x');
    const std::size_t n = open().sectionNames(buffer.data(), size);
    if (result) *result = n;
    return buffer;
  }

  std::filesystem::path dir_, path_;
};

TYPED_TEST_SUITE_P(ProfileContract);

TYPED_TEST_P(ProfileContract, ReadsTrimmedUnquotedValuesIgnoringCase) {
  this->writeText(
      L"  [ Macro One ]  \r\n"
      L"\t key \t=  value with  inner blanks \t\r\n"
      L"q1=\"quoted \"\r\nq2=' single'\r\nq3=\"mismatch'\r\nq4=\"\r\n"
      L"no equals sign here\r\n"
      L"empty=\r\n");
  const auto p = this->open();
  EXPECT_EQ(p.readString(L"Macro One", L"key"), L"value with  inner blanks");
  EXPECT_EQ(p.readString(L"MACRO one", L"KEY"), L"value with  inner blanks");
  EXPECT_EQ(p.readString(L"Macro One", L"q1"), L"quoted ");
  EXPECT_EQ(p.readString(L"Macro One", L"q2"), L" single");
  EXPECT_EQ(p.readString(L"Macro One", L"q3"), L"\"mismatch'");
  EXPECT_EQ(p.readString(L"Macro One", L"q4"), L"\"");
  EXPECT_EQ(p.readString(L"Macro One", L"no equals sign here"), L"");
  EXPECT_EQ(p.readString(L"Macro One", L"empty"), L"");
  EXPECT_EQ(p.readString(L"Macro One", L"missing"), L"");
  EXPECT_EQ(p.readString(L"Other", L"key"), L"");
}

TYPED_TEST_P(ProfileContract, FirstDuplicateWinsAndBothSectionsAreListed) {
  this->writeText(L"[A]\r\nk=1\r\nk=2\r\n[B]\r\nx=1\r\n[a]\r\nk=3\r\nm=4\r\n");
  const auto p = this->open();
  EXPECT_EQ(p.readString(L"a", L"k"), L"1");
  EXPECT_EQ(p.readString(L"A", L"m"), L"");  // the second block is not searched
  std::size_t n = 0;
  EXPECT_EQ(this->names(16, &n).substr(0, 7), std::wstring(L"A\0B\0a\0\0", 7));
  EXPECT_EQ(n, 6u);
}

TYPED_TEST_P(ProfileContract, LongValuesAndNameListsAreCutToTheBuffer) {
  this->writeText(L"[alpha]\r\nv=abcdef\r\n[beta]\r\n");
  const auto p = this->open();
  EXPECT_EQ(p.readString(L"alpha", L"v", 4), L"abc");
  EXPECT_EQ(p.readString(L"alpha", L"v", 7), L"abcdef");
  EXPECT_EQ(p.readString(L"alpha", L"v", 1), L"");

  std::size_t n = 0;
  EXPECT_EQ(this->names(9, &n), std::wstring(L"alpha\0b\0\0", 9));  // "beta" cut to "b"
  EXPECT_EQ(n, 7u);
  EXPECT_EQ(this->names(4, &n), std::wstring(L"al\0\0", 4));
  EXPECT_EQ(n, 2u);
  EXPECT_EQ(this->names(13, &n).substr(0, 12), std::wstring(L"alpha\0beta\0\0", 12));
  EXPECT_EQ(n, 11u);
}

TYPED_TEST_P(ProfileContract, MissingFileReadsEmptyAndListsNothing) {
  const auto p = this->open();
  EXPECT_FALSE(p.exists());
  EXPECT_EQ(p.readString(L"S", L"k"), L"");
  std::size_t n = 99;
  EXPECT_EQ(this->names(8, &n).substr(0, 2), std::wstring(L"\0\0", 2));
  EXPECT_EQ(n, 0u);
}

TYPED_TEST_P(ProfileContract, WritesPlaceKeysAndSectionsAndKeepTheRestOfTheFile) {
  this->writeText(L"; heading comment\r\n[A]\r\na=1\r\nb=2\r\n\r\n; about B\r\n[B]\r\nb=1\r\n");
  auto p = this->open();
  ASSERT_TRUE(p.writeString(L"A", L"c", L"3"));
  ASSERT_TRUE(p.writeString(L"a", L"A", L"9"));  // replaces in place, ignoring case
  ASSERT_TRUE(p.writeString(L"C", L"k", L"v"));
  EXPECT_EQ(p.readString(L"A", L"a"), L"9");
  EXPECT_EQ(p.readString(L"A", L"c"), L"3");
  EXPECT_EQ(p.readString(L"C", L"k"), L"v");
  std::size_t n = 0;
  EXPECT_EQ(this->names(32, &n).substr(0, 7), std::wstring(L"A\0B\0C\0\0", 7));
  if (ProfileBackendTraits<TypeParam>::checksLayout()) {
    EXPECT_EQ(this->bytes(), utf16File(L"; heading comment\r\n[A]\r\na=9\r\nb=2\r\nc=3\r\n\r\n"
                                       L"; about B\r\n[B]\r\nb=1\r\n[C]\r\nk=v\r\n"));
  }
}

TYPED_TEST_P(ProfileContract, DeletesOneKeyOrAWholeSection) {
  this->writeText(L"[A]\r\na=1\r\nb=2\r\n[B]\r\nb=1\r\n[C]\r\nc=1\r\n");
  auto p = this->open();
  ASSERT_TRUE(p.deleteKey(L"a", L"A"));
  ASSERT_TRUE(p.deleteSection(L"b"));
  EXPECT_EQ(p.readString(L"A", L"a"), L"");
  EXPECT_EQ(p.readString(L"A", L"b"), L"2");
  EXPECT_EQ(p.readString(L"B", L"b"), L"");
  EXPECT_EQ(p.readString(L"C", L"c"), L"1");
  EXPECT_EQ(this->names(32).substr(0, 5), std::wstring(L"A\0C\0\0", 5));
  // A section written again after deletion goes to the end.
  ASSERT_TRUE(p.writeString(L"B", L"b", L"new"));
  EXPECT_EQ(this->names(32).substr(0, 7), std::wstring(L"A\0C\0B\0\0", 7));
}

TYPED_TEST_P(ProfileContract, CreatesUnicodeFilesSoEveryLanguageSurvives) {
  const std::wstring turkish = L"Sağ tık İptal Çıkış Değiştir";
  const std::wstring chinese = L"按键设置 巨集名稱";
  const std::wstring supplementary = L"\U0001F600 ok";
  {
    auto p = this->open();
    ASSERT_TRUE(p.writeString(L"Setting-TUK", L"Item1", turkish));
    ASSERT_TRUE(p.writeString(L"Setting-CHS", L"Item1", chinese));
    ASSERT_TRUE(p.writeString(L"宏一", L"Item0", supplementary));
  }
  EXPECT_EQ(this->bytes().substr(0, 2), "\xFF\xFE");
  const auto p = this->open();
  EXPECT_EQ(p.readString(L"Setting-TUK", L"Item1"), turkish);
  EXPECT_EQ(p.readString(L"Setting-CHS", L"Item1"), chinese);
  EXPECT_EQ(p.readString(L"宏一", L"Item0"), supplementary);
  if (ProfileBackendTraits<TypeParam>::checksLayout()) {
    EXPECT_EQ(this->bytes(),
              utf16File(L"[Setting-TUK]\r\nItem1=" + turkish + L"\r\n[Setting-CHS]\r\nItem1=" +
                        chinese + L"\r\n[宏一]\r\nItem0=" + supplementary + L"\r\n"));
  }
}

REGISTER_TYPED_TEST_SUITE_P(ProfileContract, ReadsTrimmedUnquotedValuesIgnoringCase,
                            FirstDuplicateWinsAndBothSectionsAreListed,
                            LongValuesAndNameListsAreCutToTheBuffer,
                            MissingFileReadsEmptyAndListsNothing,
                            WritesPlaceKeysAndSectionsAndKeepTheRestOfTheFile,
                            DeletesOneKeyOrAWholeSection,
                            CreatesUnicodeFilesSoEveryLanguageSurvives);

}  // namespace k8test
