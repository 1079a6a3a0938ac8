#pragma once
// Replacing a file whole: the way the Winners files and saved games are written.
#include <chrono>
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
// leaves either the old file or the new one. The new file keeps the permissions and, where it can,
// the group of the file it replaces. On failure the reason is returned, the old file is as it was
// and no temporary file is left; once the rename is made the write has succeeded, whatever the
// folder's flush says.
std::error_code Replacefile(const std::filesystem::path& file, std::span<const unsigned char> bytes,
                            std::optional<std::filesystem::file_time_type> time = std::nullopt);

// Removes what writes cut short by a crash left behind: regular files of `Unforeseenname`'s
// ".tmp" names directly in `folder`, last changed longer than `age` ago (a write in progress is
// younger). Links and folders are never touched. Returns how many were removed.
int Removestale(const std::filesystem::path& folder,
                std::chrono::seconds age = std::chrono::hours(1));

// The system's reason for a failed write, in the player's words: what is wrong and what to do.
std::string Writereason(const std::error_code& ec);

} // namespace tc
