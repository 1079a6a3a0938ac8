#include "system/filewrite.h"

#include "system/platform.h"
#include <cerrno>
#include <cstdint>
#include <memory>
#include <random>

namespace tc {

namespace fs = std::filesystem;

namespace {

const std::string Tempprefix = ".tintcipher-";

} // namespace

fs::path Unforeseenname(const fs::path& folder, const std::string& suffix) {
    std::random_device entropy;
    const uint64_t n = (static_cast<uint64_t>(entropy()) << 32) ^ entropy();
    static const char digits[] = "0123456789abcdef";
    std::string name = Tempprefix;
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
    out->Copyaccess(file);
    if (!out->Write(bytes.data(), bytes.size(), ec)) return fail(ec);
    if (time) {
        fs::last_write_time(temp, *time, ec);
        if (ec) return fail(ec);
    }
    if (!out->Sync(ec) || !out->Close(ec)) return fail(ec);
    if ((ec = Renamefile(temp, file))) return fail(ec);
    // The rename has put the whole new file in place: that is the write. A failed flush of the
    // folder can at worst bring back the whole old file after a power cut; reporting it as a
    // failure would make the caller write again what is already there.
    Syncfolder(file.has_parent_path() ? file.parent_path() : fs::path("."), ec);
    return {};
}

int Removestale(const fs::path& folder, std::chrono::seconds age) {
    int removed = 0;
    std::error_code ec;
    const auto oldest = fs::file_time_type::clock::now() - age;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != Tempprefix.size() + 16 + 4 || !name.starts_with(Tempprefix) ||
            !name.ends_with(".tmp"))
            continue;
        std::error_code bad;
        // Of the name itself: a link is neither followed nor taken for a file.
        if (!fs::is_regular_file(it->symlink_status(bad)) || bad) continue;
        const auto changed = fs::last_write_time(it->path(), bad);
        if (bad || changed > oldest) continue;
        if (!Removefile(it->path())) ++removed;
    }
    return removed;
}

std::string Writereason(const std::error_code& ec) {
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted)
        return "You are not allowed to write there; ask whoever looks after this computer for the "
               "right to.";
    if (ec == std::errc::no_space_on_device || ec == std::errc::file_too_large
#ifdef EDQUOT
        || ec.value() == EDQUOT
#endif
    )
        return "The disk is full; make room on it and try again.";
    if (ec == std::errc::read_only_file_system)
        return "The disk is write-protected; make it writable and try again.";
    return "The disk may be full or write-protected (" + ec.message() + ").";
}

} // namespace tc
