#pragma once
// Replacing a file whole: the way the Winners files and saved games are written.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace tc {

// A name in `folder` that nobody can foresee: ".tintcipher-", 16 random hexadecimal digits and
// `suffix`; short, so that it fits wherever the longest name fits.
std::filesystem::path Unforeseenname(const std::filesystem::path& folder,
                                     const std::string& suffix);

// Writes `bytes` to a new temporary file of an unforeseeable name in the folder of `file` (never an
// existing file, never through a link), gives it the last-modified time `time` when there is
// one, flushes it to the disk, renames it over `file` and flushes the folder, so that a power cut
// leaves either the old file or the new one. On failure the reason is returned and no temporary
// file is left; a failure after the rename (the folder's flush) is a failure too.
std::error_code Replacefile(const std::filesystem::path& file, std::span<const unsigned char> bytes,
                            std::optional<std::filesystem::file_time_type> time = std::nullopt);

} // namespace tc
