#include "i18n/dialog_texts.h"

#include <iterator>

namespace k8 {
namespace {

// Every table: English, Simplified Chinese, Traditional Chinese, Turkish.
using Texts = std::array<std::wstring_view, kLanguageCount>;

constexpr Texts kOk = {L"OK", L"确定", L"確定", L"Tamam"};
constexpr Texts kCancel = {L"Cancel", L"取消", L"取消", L"İptal"};
constexpr Texts kSingleKeyPrompt = {L"Please enter a key", L"请输入一个按键", L"請輸入一個按鍵",
                                    L"Lütfen bir tuşa basın"};
constexpr Texts kFireSpeedLabel = {L"Speed", L"速度", L"速度", L"Hız"};
constexpr Texts kFireTimesLabel = {L"Times", L"次数", L"次數", L"Kaç kez"};
constexpr Texts kFireSpeedRange = {L"Speed (value range 5-255, with smaller values faster)",
                                   L"速度(数值范围5-255，数值越小速度越快)",
                                   L"速度(數值範圍5-255，數值越小速度越快)",
                                   L"Hız (değer aralığı 5-255, düşük değerler daha hızlı)"};
constexpr Texts kFireTimesRange = {
    L"Times (value range 0-255,0 indicates fire key to end when the key released)",
    L"次数(数值范围0-255，0表示按键放开火力键结束)",
    L"次數(數值範圍0-255，0表示按鍵放開火力鍵結束)",
    L"Tık adedi (değer aralığı 0-255,0 seri ateşin tuş bırakıldığında durması demek)"};
constexpr Texts kDelayPrompt = {L"Please enter a delay", L"请输入一个延时", L"請輸入一個延時",
                                L"Lütfen gecikme girin"};
constexpr Texts kDelayRange = {L"(value range 20-10000)", L"(数值范围 20-10000)",
                               L"(數值範圍 20-10000)", L"(Değer aralığı 20-10000)"};
constexpr Texts kMacroModes[] = {
    {L"Repeat a specified number of times or press any key to end", L"重复指定次数或按任意键结束",
     L"重複指定次數或按任意鍵結束",
     L"Belirtilen sayıda tekrar eder,ya da durdurmak için herhangi bir tuşa basın"},
    {L"Repeat until press any key to end", L"重复直到按任意键结束", L"重複直到按任意鍵結束",
     L"Bir tuşa basılana kadar devam et"},
    {L"Repeat until the key is released", L"重复直到该按键松开结束", L"重複直到該按鍵鬆開結束",
     L"Tuş bırakılana kadar tekrar et"},
};
constexpr Texts kMacroPrompt = {L"Please select a macro", L"请从列表框选择一个宏",
                                L"請從清單方塊選擇一個巨集", L"Lütfen bir makro seçin"};
constexpr Texts kSkinsColorPrompt = {L"Please click to set the UI text color",
                                     L"请点击设置UI文本颜色", L"請點擊設置UI文本顏色",
                                     L"Arayüz yazı rengini belirlemek için tıklayın"};

constexpr Texts kMediaItems[] = {
    {L"Next", L"下一首", L"下一首", L"Sonraki"},
    {L"Previous", L"上一首", L"上一首", L"Önceki"},
    {L"Stop", L"停止", L"停止", L"Dur"},
    {L"Play/Pause", L"播放/暂停", L"播放/暫停", L"Oynat/Durdur"},
    {L"Mute", L"静音", L"靜音", L"Sustur"},
    {L"Vol+", L"音量+", L"音量+", L"Ses artır"},
    {L"Vol-", L"音量-", L"音量-", L"Ses kıs"},
};

constexpr Texts kWindowsItems[] = {
    {L"Multimedia Player", L"打开多媒体播放器", L"打開多媒體播放器", L"Multimedya oynatıcı"},
    {L"Mail", L"邮件", L"郵件", L"Mail"},
    {L"Calculator", L"计算器", L"計算器", L"Hesap makinesi"},
    {L"My Computer", L"我的电脑", L"我的電腦", L"Bilgisayarım"},
    {L"Browser-Search", L"浏览器-搜索", L"瀏覽器-搜索", L"Tarayıcı-Ara"},
    {L"Browser-Home", L"浏览器-主页", L"瀏覽器-主頁", L"Tarayıcı-Ev"},
    {L"Browser-Back", L"浏览器-后退", L"瀏覽器-後退", L"Tarayıcı-Geri"},
    {L"Browser-Forward", L"浏览器-前进", L"瀏覽器-前進", L"Tarayıcı-İleri"},
    {L"Browser-Stop", L"浏览器-停止", L"瀏覽器-停止", L"Tarayıcı-Dur"},
    {L"Browser-Refresh", L"浏览器-刷新", L"瀏覽器-刷新", L"Tarayıcı-Yenile"},
    {L"Browser-My Favorites", L"浏览器-收藏夹", L"瀏覽器-我的最愛", L"Tarayıcı-En sevdiklerim"},
};

template <std::size_t N>
std::wstring_view itemAt(const Texts (&items)[N], Language language, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return items[index][languageIndex(language)];
}

}  // namespace

OkCancelTexts okCancelTexts(Language language) {
  const int i = languageIndex(language);
  return {kOk[i], kCancel[i]};
}

std::wstring_view singleKeyPrompt(Language language) {
  return kSingleKeyPrompt[languageIndex(language)];
}

FireKeyTexts fireKeyTexts(Language language) {
  const int i = languageIndex(language);
  return {kFireSpeedLabel[i], kFireTimesLabel[i], kFireSpeedRange[i], kFireTimesRange[i]};
}

DelayTimeTexts delayTimeTexts(Language language) {
  const int i = languageIndex(language);
  return {kDelayPrompt[i], kDelayRange[i]};
}

MacroDialogTexts macroDialogTexts(Language language) {
  const int i = languageIndex(language);
  return {{kMacroModes[0][i], kMacroModes[1][i], kMacroModes[2][i]}, kMacroPrompt[i]};
}

std::wstring_view skinsColorPrompt(Language language) {
  return kSkinsColorPrompt[languageIndex(language)];
}

int mediaItemCount() { return static_cast<int>(std::size(kMediaItems)); }
std::wstring_view mediaItemText(Language language, int index) {
  return itemAt(kMediaItems, language, index);
}

int windowsItemCount() { return static_cast<int>(std::size(kWindowsItems)); }
std::wstring_view windowsItemText(Language language, int index) {
  return itemAt(kWindowsItems, language, index);
}

}  // namespace k8
