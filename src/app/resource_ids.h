#pragma once
// Resource and message numbers shared by the resource script and the code. Plain defines:
// the resource compiler reads this file too.

#define IDD_MAIN_WINDOW 700
#define IDI_PROGRAM 710

#define ID_TRAY_EXIT 1028

#define WM_TRAY_CALLBACK 0x0401
#define WM_DEVICE_NOTICE 0x0402
#define WM_RECORDER_KEY 0x0403
