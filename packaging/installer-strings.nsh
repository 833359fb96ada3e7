; The installer's own texts in the program's four languages (UTF-8).
LangString SecProgram ${LANG_ENGLISH} "K8 gaming mouse utility"
LangString SecProgram ${LANG_SIMPCHINESE} "K8 游戏鼠标设置程序"
LangString SecProgram ${LANG_TRADCHINESE} "K8 遊戲滑鼠設定程式"
LangString SecProgram ${LANG_TURKISH} "K8 oyun faresi yardımcı programı"

LangString DescProgram ${LANG_ENGLISH} "The program, its settings files, its skins and k8ctl."
LangString DescProgram ${LANG_SIMPCHINESE} "程序、设置文件、皮肤和 k8ctl。"
LangString DescProgram ${LANG_TRADCHINESE} "程式、設定檔、外觀和 k8ctl。"
LangString DescProgram ${LANG_TURKISH} "Program, ayar dosyaları, temalar ve k8ctl."

LangString SecStartup ${LANG_ENGLISH} "Start with Windows"
LangString SecStartup ${LANG_SIMPCHINESE} "随 Windows 启动"
LangString SecStartup ${LANG_TRADCHINESE} "隨 Windows 啟動"
LangString SecStartup ${LANG_TURKISH} "Windows ile başlat"

LangString DescStartup ${LANG_ENGLISH} "Starts the program with administrator rights when you log on (a scheduled task)."
LangString DescStartup ${LANG_SIMPCHINESE} "登录时以管理员权限启动程序（计划任务）。"
LangString DescStartup ${LANG_TRADCHINESE} "登入時以系統管理員權限啟動程式（排定的工作）。"
LangString DescStartup ${LANG_TURKISH} "Oturum açtığınızda programı yönetici haklarıyla başlatır (zamanlanmış görev)."

LangString SecMacros ${LANG_ENGLISH} "Also remove my recorded macros (record.ini)"
LangString SecMacros ${LANG_SIMPCHINESE} "同时删除我录制的宏 (record.ini)"
LangString SecMacros ${LANG_TRADCHINESE} "同時刪除我錄製的巨集 (record.ini)"
LangString SecMacros ${LANG_TURKISH} "Kaydettiğim makroları da sil (record.ini)"

LangString DescMacros ${LANG_ENGLISH} "Without it, record.ini stays in the program's folder for a later installation."
LangString DescMacros ${LANG_SIMPCHINESE} "不选此项时，record.ini 保留在程序文件夹中，供以后安装使用。"
LangString DescMacros ${LANG_TRADCHINESE} "不選此項時，record.ini 保留在程式資料夾中，供日後安裝使用。"
LangString DescMacros ${LANG_TURKISH} "Seçilmezse record.ini, sonraki bir kurulum için program klasöründe kalır."

LangString Needs64 ${LANG_ENGLISH} "This program needs 64-bit Windows."
LangString Needs64 ${LANG_SIMPCHINESE} "本程序需要 64 位 Windows。"
LangString Needs64 ${LANG_TRADCHINESE} "本程式需要 64 位元 Windows。"
LangString Needs64 ${LANG_TURKISH} "Bu program 64 bit Windows gerektirir."
