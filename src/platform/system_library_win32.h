#pragma once
// System libraries the program needs only now and then are loaded on first use instead of
// imported: under Wine an import loads the library, and everything it loads in turn, into every
// start of the program (the colour dialog's library brings the whole printing stack with it).

#include <windows.h>

namespace k8 {

// The named function of a library, loading the library on the first call and keeping it for the
// life of the process; null when either is missing. Callers keep the result.
template <typename Function>
Function systemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryW(library);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace k8
