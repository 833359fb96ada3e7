#pragma once
// The one way the program replaces a file it owns (config.bin, profile files): the new bytes go
// to a file beside it, which then takes its place in one rename. A failure at any point leaves
// the old file as it was and no temporary file behind.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace k8 {

// False, with `error` set, when the file could not be replaced.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                           std::error_code& error);

}  // namespace k8
