#pragma once
// Libraries that Windows does not always map from its own folder are not imported: the program
// runs elevated from wherever its folder was unpacked (often Downloads), and the loader would look
// for an imported library beside the exe first. They are loaded here, from the system folder only,
// on first use. This is the one way the program loads a library at run time.

#include <windows.h>

#include <type_traits>

namespace k8 {

// From now on, libraries that system libraries load by name come from the system folder too.
// Each program calls it before it first needs a system library; its own loads do not depend on it.
inline void restrictLibrarySearch() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

// The library from the system folder, kept for the life of the process; null when it is missing.
inline HMODULE systemLibrary(const wchar_t* name) {
  return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// The named function of a system library; null when either is missing. Callers keep the result.
template <typename Function>
Function systemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = systemLibrary(library);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Calls `function` when it was found; otherwise gives `fallback` (the function's own failure
// value), so a missing library looks like a failed call rather than a crash.
template <typename Function, typename Fallback, typename... Args>
decltype(auto) callOrFallback(Function function, Fallback fallback, Args... args) {
  using Result = std::invoke_result_t<Function, Args...>;
  if constexpr (std::is_void_v<Result>) {
    if (function != nullptr) function(args...);
  } else {
    return function != nullptr ? function(args...) : static_cast<Result>(fallback);
  }
}

}  // namespace k8

// Calls `function` of the system library `library` (looked up once per call site), or gives
// `fallback` when the library or the function is missing (ignored for a function without result):
//   K8_SYSTEM_CALL(L"hid.dll", HidD_GetAttributes, FALSE, file, &attributes)
// Only the declaration's type is used, so nothing is imported.
#define K8_SYSTEM_CALL(library, function, fallback, ...)                                     \
  ([&] {                                                                                     \
    static const auto found = ::k8::systemFunction<decltype(&function)>(library, #function); \
    return ::k8::callOrFallback(found, fallback __VA_OPT__(, ) __VA_ARGS__);                 \
  }())
