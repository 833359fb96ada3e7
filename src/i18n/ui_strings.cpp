#include "i18n/ui_strings.h"

namespace k8 {
namespace {

// English, Simplified Chinese, Traditional Chinese, Turkish.
const UiTextRow kRows[] = {
    // page tab
    {&UiStrings::basicSettings, {L"Basic Settings", L"基本设置", L"基本設置", L"Basit Ayarlar"}},
    {&UiStrings::advancedSettings,
     {L"Advanced Settings", L"高级设置", L"高級設置", L"Gelişmiş Ayarlar"}},
    // common button
    {&UiStrings::ok, {L"OK", L"确定", L"確定", L"Tamam"}},
    {&UiStrings::apply, {L"Apply", L"应用", L"應用", L"Uygula"}},
    {&UiStrings::cancel, {L"Cancel", L"取消", L"取消", L"İptal"}},
    // button function
    {&UiStrings::leftClick, {L"Left Click", L"左键", L"左鍵", L"Sol tık"}},
    {&UiStrings::rightClick, {L"Right Click", L"右键", L"右鍵", L"Sağ tık"}},
    {&UiStrings::midClick, {L"Mid Click", L"中键", L"中鍵", L"TekerlekTık"}},
    // DPI sub-function
    {&UiStrings::dpiPlus, {L"DPI +", L"DPI +", L"DPI +", L"DPI +"}},
    {&UiStrings::dpiMinus, {L"DPI -", L"DPI -", L"DPI -", L"DPI -"}},
    // button function
    {&UiStrings::forward, {L"Forward", L"前进方向键", L"前進方向鍵", L"İleri"}},
    {&UiStrings::backward, {L"Backward", L"后退方向键", L"後退方向鍵", L"Geri"}},
    {&UiStrings::tripleClick, {L"Triple-click", L"三连发", L"三連發", L"Üç tık"}},
    {&UiStrings::dpiSwitch, {L"DPI Switch", L"DPI切换", L"DPI切換", L"DPI Değiştir"}},
    {&UiStrings::shift, {L"Shift", L"Shift", L"Shift", L"Değiştir"}},
    {&UiStrings::rgbOnOff, {L"RGB On/Off", L"RGB打开/关闭", L"RGB打開/關閉", L"RGB Aç/Kapa"}},
    {&UiStrings::windows, {L"Windows", L"Windows", L"Windows", L"Windows"}},
    {&UiStrings::multimedia, {L"Multimedia", L"多媒体", L"多媒體", L"Multimedya"}},
    {&UiStrings::fireKey, {L"Fire Key", L"火力键", L"火力鍵", L"Seri ateş"}},
    {&UiStrings::singleKey, {L"Single Key", L"单键", L"單鍵", L"Tek tuş"}},
    {&UiStrings::comboKey, {L"Combo Key", L"组合键", L"複合鍵", L"Combo Tuşu"}},
    {&UiStrings::macroKey, {L"Macro Key", L"宏", L"巨集", L"MakroTuşu"}},
    {&UiStrings::keyOff, {L"Key Off", L"按键关闭", L"按鍵關閉", L"TuşKapa"}},
    // message
    {&UiStrings::leftKeyMustBeSelected,
     {L"Left key must be selected!", L"左键功能必须选择！", L"左鍵功能必須選擇！",
      L"Lütfen Sol Tuşu seçin!"}},
    // Basic page: key defaults
    {&UiStrings::keyDefaults, {L"Default", L"按键恢复", L"按鍵恢復", L"Varsayılan"}},
    // Basic page heading
    {&UiStrings::keySetting, {L"Key Setting", L"按键设置", L"按鍵設置", L"TuşAyarları"}},
    {&UiStrings::reportRateSetting,
     {L"Report Rate Setting", L"报告率设置", L"報告率設置", L"Yenilenme hızı ayarları"}},
    {&UiStrings::dpiSetting, {L"DPI Setting", L"DPI设置", L"DPI設置", L"DPI Ayarları"}},
    // light settings label
    {&UiStrings::dpiEffect, {L"DPI Effect", L"DPI显示特效", L"DPI顯示特效", L"DPI Efekti"}},
    {&UiStrings::lightMode, {L"Mode", L"模式", L"模式", L"Mod"}},
    {&UiStrings::lightParameter, {L"Parameter", L"参数", L"參數", L"Parametre"}},
    {&UiStrings::lightEffect, {L"Effect", L"效果", L"效果", L"Effekt"}},
    // light mode name
    {&UiStrings::lightStandard, {L"Standard", L"标准模式", L"標準模式", L"Standart Mod"}},
    {&UiStrings::lightRespiration, {L"Respiration", L"呼吸模式", L"呼吸模式", L"Nefes alma Modu"}},
    {&UiStrings::lightNeon, {L"Neon", L"霓虹模式", L"霓虹模式", L"Neon Modu"}},
    {&UiStrings::lightRgbEffect, {L"RGB Effect", L"RGB效果", L"RGB效果", L"RGB Effekti"}},
    {&UiStrings::lightRgbFlash, {L"RGB Flash", L"RGB闪烁", L"RGB閃爍", L"RGB Flaş"}},
    {&UiStrings::lightRgbFixedOn, {L"RGB Fixed On", L"RGB常亮", L"RGB常亮", L"RGB Sabit"}},
    // report-rate notice
    {&UiStrings::reportRate1000Notice,
     {L"Switch report rate into 1000HZ", L"报告率切换到1000HZ", L"報告率切換到1000HZ",
      L"Yenilenme hızını 1000HZ yap"}},
    {&UiStrings::reportRate500Notice,
     {L"Switch report rate into 500HZ", L"报告率切换到500HZ", L"報告率切換到500HZ",
      L"Yenilenme hızını500HZ yap"}},
    {&UiStrings::reportRate250Notice,
     {L"Switch report rate into 250HZ", L"报告率切换到250HZ", L"報告率切換到250HZ",
      L"Yenilenme hızını250HZ yap"}},
    {&UiStrings::reportRate125Notice,
     {L"Switch report rate into 125HZ", L"报告率切换到125HZ", L"報告率切換到125HZ",
      L"Yenilenme hızını125HZ yap"}},
    // DPI-stage notice
    {&UiStrings::dpiStage1Notice,
     {L"Switch DPI into the first stage ", L"DPI切换到第一段", L"DPI切換到第一段",
      L"DPI ayarını 1. Seviyeye getir "}},
    {&UiStrings::dpiStage2Notice,
     {L"Switch DPI into the second stage ", L"DPI切换到第二段", L"DPI切換到第二段",
      L"DPI ayarını 2. Seviyeye getir"}},
    {&UiStrings::dpiStage3Notice,
     {L"Switch DPI into the third stage ", L"DPI切换到第三段", L"DPI切換到第三段",
      L"DPI ayarını 3. Seviyeye getir "}},
    {&UiStrings::dpiStage4Notice,
     {L"Switch DPI into the fourth stage ", L"DPI切换到第四段", L"DPI切換到第四段",
      L"DPI ayarını 4. Seviyeye getir "}},
    // key-matrix notice
    {&UiStrings::keyMatrix1Notice,
     {L"Switch to key matrix 1", L"切换到按键组1", L"切換到按鍵群組1", L"1. Tuş matrisine geç"}},
    {&UiStrings::keyMatrix2Notice,
     {L"Switch to key matrix 2", L"切换到按键组2", L"切換到按鍵群組2", L"2. Tuş matrisine geç"}},
    {&UiStrings::keyMatrix3Notice,
     {L"Switch to key matrix 3", L"切换到按键组3", L"切換到按鍵群組3", L"3. Tuş matrisine geç"}},
    {&UiStrings::keyMatrix4Notice,
     {L"Switch to key matrix 4", L"切换到按键组4", L"切換到按鍵群組4", L"4. Tuş matrisine geç"}},
    // macro-key notice
    {&UiStrings::macroKeyNotice,
     {L"Switch to macro key", L"切换到宏", L"切換到巨集", L"Makro değiştirme tuşu"}},
    // notification menu
    {&UiStrings::exit, {L"Exit", L"退出", L"退出", L"Çıkış"}},
    // mouse-missing notice
    {&UiStrings::mouseMissing,
     {L"The system did not detect the gaming mouse!", L"系统没有检测到游戏鼠标！",
      L"系統沒有檢測到遊戲滑鼠！", L"Fare algılanamadı, lütfen önce farenizi takın!"}},
    // an Apply that did not reach the mouse whole
    {&UiStrings::settingsNotDelivered,
     {L"Not all settings reached the mouse. They are saved and will be sent again when the mouse "
      L"is connected.",
      L"部分设置未能写入鼠标。设置已保存，将在鼠标重新连接时再次发送。",
      L"部分設定未能寫入滑鼠。設定已儲存，將在滑鼠重新連接時再次傳送。",
      L"Ayarların tümü fareye ulaşmadı. Ayarlar kaydedildi, fare yeniden bağlandığında tekrar "
      L"gönderilecek."}},
    // Advanced page
    {&UiStrings::mouseSpeed, {L"Mouse Speed", L"鼠标移动速度", L"滑鼠移動速度", L"Fare hızı"}},
    {&UiStrings::scrollingSpeed,
     {L"Scrolling Speed", L"鼠标滚动速度", L"滑鼠滾動速度", L"Yuvarlama hızı"}},
    {&UiStrings::doubleClickSpeed,
     {L"Double-Click Speed", L"鼠标双击速度", L"滑鼠雙擊速度", L"Çift tıklama hızı"}},
    {&UiStrings::macroSetting, {L"Macro Setting", L"宏设置", L"巨集設置", L"MakroAyarları"}},
    {&UiStrings::selectMacro, {L"Select Macro", L"选择宏", L"選擇巨集", L"Makro seç"}},
    {&UiStrings::keyPressSequence,
     {L"Key Press Sequence", L"按键序列", L"按鍵序列", L"Tuş basış sırası"}},
    {&UiStrings::recordOption, {L"Record Option", L"录制选项", L"錄製選項", L"Kayıt ayarları"}},
    {&UiStrings::enhancePointerPrecision,
     {L"Enhance Pointer Precision", L"提高指针准确度", L"提高指針準確度",
      L"Fare isabetliliğini artır"}},
    {&UiStrings::scrollOneScreen,
     {L"Scroll One Screen", L"一次滚动一个屏幕", L"一次滾動一個螢幕", L"Tam ekran yuvarla"}},
    // Advanced page: system defaults
    {&UiStrings::systemDefaults, {L"Default", L"恢复默认", L"恢復默認", L"Varsayılan"}},
    // Advanced page
    {&UiStrings::macroName, {L"Macro Name", L"宏名称", L"巨集名稱", L"MakroAdı"}},
    {&UiStrings::startRecording, {L"Start Recording", L"开始录制", L"開始錄製", L"Kayda başla"}},
    {&UiStrings::stopRecording, {L"Stop Recording", L"停止录制", L"停止錄製", L"Kaydı durdur"}},
    {&UiStrings::loopTimes, {L"Loop Times", L"循环次数", L"迴圈次數", L"Tekrar adedi"}},
    {&UiStrings::insertMouseEvent,
     {L"Insert A Mouse Event", L"插入一个鼠标事件", L"插入一個滑鼠事件", L"Fare olayı gir"}},
    {&UiStrings::newMacro, {L"New", L"新建", L"新建", L"Yeni"}},
    {&UiStrings::deleteMacro, {L"Delete", L"删除", L"刪除", L"Sil"}},
    {&UiStrings::confirm, {L"Confirm", L"确认", L"確認", L"Onayla"}},
    // macro message
    {&UiStrings::macroNameBlank,
     {L"Macro name is blank", L"宏名称为空", L"巨集名稱為空", L"Makro adı giriniz"}},
    {&UiStrings::macroNameExists,
     {L"Macro name already exists", L"宏名称已经存在", L"巨集名稱已經存在", L"Makroadı zaten var"}},
    {&UiStrings::pressCtrlBreakToStop,
     {L"Press Ctrl+Break key to stop recording", L"按Ctrl+Break可以停止录制",
      L"按Ctrl+Break可以停止錄製", L"Kaydı durdurmak için Ctrl-İptal tuşuna basın"}},
    {&UiStrings::notRecording,
     {L"It doesn’t start recording, unnecessary to press Stop key!",
      L"没有开始录制,点击停止录制按钮没有意义！", L"沒有開始錄製，點擊停止錄製按鈕沒有意義！",
      L"Kayıt yapılmıyor, durdur tuşu işlevsiz!"}},
};
static_assert(std::size(kRows) == kUiTextCount);

}  // namespace

std::span<const UiTextRow> uiTextTable() { return kRows; }

UiStrings uiStringsFor(Language language) {
  UiStrings strings;
  const int column = languageIndex(language);
  for (const UiTextRow& row : kRows) strings.*row.member = row.text[column];
  return strings;
}

std::wstring_view functionText(const UiStrings& ui, int function) {
  static constexpr std::wstring UiStrings::*kFunctions[] = {
      &UiStrings::leftClick, &UiStrings::rightClick,  &UiStrings::midClick,  &UiStrings::forward,
      &UiStrings::backward,  &UiStrings::tripleClick, &UiStrings::dpiSwitch, &UiStrings::rgbOnOff,
      &UiStrings::windows,   &UiStrings::multimedia,  &UiStrings::fireKey,   &UiStrings::singleKey,
      &UiStrings::comboKey,  &UiStrings::macroKey,    &UiStrings::shift,     &UiStrings::keyOff};
  if (function < 0 || function >= static_cast<int>(std::size(kFunctions))) return {};
  return ui.*kFunctions[function];
}

}  // namespace k8
