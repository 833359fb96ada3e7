// The profile contract against the portable backend, and what only that backend does.
#include "platform/profile_text.h"
#include "profile_contract.h"

namespace k8test {
namespace {

using Portable = ::testing::Types<k8::PortableProfile>;
INSTANTIATE_TYPED_TEST_SUITE_P(Portable, ProfileContract, Portable);

TEST(ProfileText, KeepsTheEncodingAndLineEndsOfAFileItEdits) {
  auto utf8 = k8::ProfileText::parse("[S]\nk=1\n[T]\rx=ü");
  EXPECT_EQ(utf8.read(L"T", L"x", 16), L"ü");
  EXPECT_TRUE(utf8.write(L"S", L"k2", L"2"));
  EXPECT_TRUE(utf8.write(L"T", L"y", L"3"));
  EXPECT_EQ(utf8.serialize(), "[S]\nk=1\nk2=2\r\n[T]\rx=ü\r\ny=3\r\n");

  // Bytes that are not UTF-8 are read as Latin-1, and written back unchanged.
  const std::string latin1 = "\xEF\xBB\xBF[A]\r\nk=1\r\n";
  EXPECT_EQ(k8::ProfileText::parse(latin1).serialize(), latin1);
  auto ansi = k8::ProfileText::parse("[A]\r\nk=caf\xE9\r\n");
  EXPECT_EQ(ansi.read(L"A", L"k", 16), L"caf\u00E9");
}

TEST(ProfileText, OddInputIsHarmless) {
  // A lone trailing byte of UTF-16, a lone surrogate, brackets without a name.
  static const char kBytes[] = "\xFF\xFE[\0A\0]\0\n\0k\0=\0\x00\xD8\n\0[\0]\0x";
  auto text = k8::ProfileText::parse(std::string(kBytes, sizeof kBytes - 1));
  // Kept as the one UTF-16 unit where wchar_t is UTF-16, as the Win32 functions keep it.
  EXPECT_EQ(text.read(L"A", L"k", 16), sizeof(wchar_t) == 2 ? L"\xD800" : L"\uFFFD");
  wchar_t names[8];
  EXPECT_EQ(text.sectionNames(names, 8), 2u);
  EXPECT_EQ(std::wstring(names, 3), std::wstring(L"A\0\0", 3));
  EXPECT_EQ(text.sectionNames(names, 1), 0u);
  EXPECT_EQ(names[0], L'\0');
  EXPECT_EQ(text.sectionNames(nullptr, 0), 0u);
}

TEST(ProfileNames, CompareIgnoringLetterCase) {
  EXPECT_TRUE(k8::sameProfileName(L"Macro", L"mACRO"));
  EXPECT_TRUE(k8::sameProfileName(L"ÇIKIŞ", L"çikiş"));  // dotless I folds like i, as on Windows
  EXPECT_TRUE(k8::sameProfileName(L"МАКРО", L"макро"));
  EXPECT_FALSE(k8::sameProfileName(L"Macro1", L"Macro2"));
  EXPECT_FALSE(k8::sameProfileName(L"宏", L"巨集"));
}

}  // namespace
}  // namespace k8test
