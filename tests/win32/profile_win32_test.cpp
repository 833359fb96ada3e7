// The profile contract against the Win32 functions, and both backends reading each other's
// files.
#include "platform/profile_win32.h"

#include <windows.h>

#include "../unit/profile_contract.h"

namespace k8test {

bool runningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Wine rewrites the file from its own model on every change, so blank lines, comments and line
// layout are only compared on Windows itself.
template <>
struct ProfileBackendTraits<k8::Win32Profile> {
  static bool checksLayout() { return !runningUnderWine(); }
};

namespace {

using Win32 = ::testing::Types<k8::Win32Profile>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProfileContract, Win32);

using CrossBackend = ProfileContract<k8::Win32Profile>;

TEST_F(CrossBackend, EachBackendReadsWhatTheOtherWrote) {
  const std::wstring turkish = L"Kaydı durdurmak için Ctrl-İptal tuşuna basın";
  const std::wstring chinese = L"按Ctrl+Break可以停止錄製";
  k8::Win32Profile win32(path_);
  k8::PortableProfile portable(path_);
  ASSERT_TRUE(win32.writeString(L"Setting-TUK", L"Item1", turkish));
  EXPECT_EQ(portable.readString(L"setting-tuk", L"ITEM1"), turkish);
  ASSERT_TRUE(portable.writeString(L"Setting-CHT", L"Item13", chinese));
  ASSERT_TRUE(portable.writeString(L"Setting-TUK", L"Item2", L"Sağ tık"));
  EXPECT_EQ(win32.readString(L"Setting-CHT", L"Item13"), chinese);
  EXPECT_EQ(win32.readString(L"Setting-TUK", L"Item1"), turkish);
  EXPECT_EQ(win32.readString(L"Setting-TUK", L"Item2"), L"Sağ tık");
  ASSERT_TRUE(win32.deleteSection(L"Setting-TUK"));
  wchar_t names[64];
  EXPECT_EQ(portable.sectionNames(names, 64), 12u);
  EXPECT_EQ(std::wstring(names, 13), std::wstring(L"Setting-CHT\0\0", 13));
}

TEST_F(CrossBackend, ARelativeNameIsTheFileInTheCurrentFolder) {
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(path_.parent_path());
  ASSERT_TRUE(k8::PortableProfile(path_).writeString(L"Mouse", L"Plugged", L"0"));
  EXPECT_EQ(k8::Win32Profile(path_.filename()).readString(L"Mouse", L"Plugged"), L"0");
  std::filesystem::current_path(before);
}

}  // namespace
}  // namespace k8test
