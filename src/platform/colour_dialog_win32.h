#pragma once
// The system colour dialog, its library loaded on first use.

#include <windows.h>

#include <optional>

namespace k8 {

// The colour the user picked, or nothing when the dialog was cancelled or is not available. The
// sixteen custom colours are kept for the life of the process.
std::optional<COLORREF> chooseColourDialog(HWND owner);

}  // namespace k8
