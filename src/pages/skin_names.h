#pragma once
// The skin images' file names, relative to the skin folder (each begins with "/").

namespace k8::img {

inline constexpr wchar_t kMain[] = L"/main.png";  // the main window's frame and back buffer
inline constexpr wchar_t kBasicPage[] = L"/BasicSet2.png";
inline constexpr wchar_t kAdvancedPage[] = L"/AdvancedSet2.png";
inline constexpr wchar_t kMinNormal[] = L"/button-min-normal.png";
inline constexpr wchar_t kMinOver[] = L"/button-min-over.png";
inline constexpr wchar_t kSkinsNormal[] = L"/button-Skins-normal.png";
inline constexpr wchar_t kSkinsOver[] = L"/button-Skins-over.png";
inline constexpr wchar_t kPrePageNormal[] = L"/button-PrePage-normal.png";
inline constexpr wchar_t kPrePageOver[] = L"/button-PrePage-over.png";
inline constexpr wchar_t kNextPageNormal[] = L"/button-NextPage-normal.png";
inline constexpr wchar_t kNextPageOver[] = L"/button-NextPage-over.png";
inline constexpr wchar_t kDropdownNormal[] = L"/DropdownBox-normal.png";
inline constexpr wchar_t kDropdownOver[] = L"/DropdownBox-over.png";
inline constexpr wchar_t kPane[] = L"/Pane.png";
inline constexpr wchar_t kPaneTicked[] = L"/PaneMakingTick.png";
inline constexpr wchar_t kSliderDpiDark[] = L"/slider-DPI-dark.png";
inline constexpr wchar_t kSliderDpiLight[] = L"/slider-DPI-light.png";
inline constexpr wchar_t kSliderRateDark[] = L"/slider-RP-dark.png";
inline constexpr wchar_t kSliderRateLight[] = L"/slider-RP-light.png";
inline constexpr wchar_t kSliderDark[] = L"/slider-dark.png";
inline constexpr wchar_t kSliderLight[] = L"/slider-light.png";
inline constexpr wchar_t kButtonNormal[] = L"/button-normal.png";
inline constexpr wchar_t kButtonOver[] = L"/button-over.png";
inline constexpr wchar_t kCloseNormal[] = L"/button-close-normal.png";
inline constexpr wchar_t kCloseOver[] = L"/button-close-over.png";
// Backgrounds of the sub-dialogs and of the skins dialog.
inline constexpr wchar_t kFireKeyDialog[] = L"/fire-key.png";
inline constexpr wchar_t kDelayTimeDialog[] = L"/delay-time.png";
inline constexpr wchar_t kSingleKeyDialog[] = L"/single-key.png";
inline constexpr wchar_t kComboKeyDialog[] = L"/combo-key.png";
inline constexpr wchar_t kMediaKeyDialog[] = L"/media-key.png";
inline constexpr wchar_t kWindowsKeyDialog[] = L"/windows-key.png";
inline constexpr wchar_t kMacroKeyDialog[] = L"/macro-key.png";
inline constexpr wchar_t kSkinsDialog[] = L"/skins.png";

}  // namespace k8::img
