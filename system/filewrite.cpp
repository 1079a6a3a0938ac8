#include "system/filewrite.h"

#include "system/platform.h"
#include <cstdint>
#include <memory>
#include <random>

namespace tc {

namespace fs = std::filesystem;

fs::path Unforeseenname(const fs::path& folder, const std::string& suffix) {
    std::random_device entropy;
    const uint64_t n = (static_cast<uint64_t>(entropy()) << 32) ^ entropy();
    static const char digits[] = "0123456789abcdef";
    std::string name = ".tintcipher-";
    for (int shift = 60; shift >= 0; shift -= 4) name += digits[(n >> shift) & 0xF];
    return folder / (name + suffix);
}

std::error_code Replacefile(const fs::path& file, std::span<const unsigned char> bytes,
                            std::optional<fs::file_time_type> time) {
    std::error_code ec;
    fs::path temp;
    std::unique_ptr<Newfile> out;
    // A name already there is somebody else's: another name is drawn, nothing is overwritten.
    for (int tries = 0; !out && tries < 4; ++tries) {
        temp = Unforeseenname(file.parent_path(), ".tmp");
        out = Newfile::Create(temp, ec);
        if (!out && ec != std::errc::file_exists) return ec;
    }
    if (!out) return ec;
    const auto fail = [&](std::error_code why) {
        out.reset();
        std::error_code ignored;
        fs::remove(temp, ignored);
        return why;
    };
    if (!out->Write(bytes.data(), bytes.size(), ec)) return fail(ec);
    if (time) {
        fs::last_write_time(temp, *time, ec);
        if (ec) return fail(ec);
    }
    if (!out->Sync(ec) || !out->Close(ec)) return fail(ec);
    fs::rename(temp, file, ec);
    if (ec) return fail(ec);
    Syncfolder(file.has_parent_path() ? file.parent_path() : fs::path("."), ec);
    return ec;
}

} // namespace tc
