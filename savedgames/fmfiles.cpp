#include "savedgames/fmfiles.h"
#include <algorithm>

namespace tc {

bool Fmfiles::Refresh() {
    Folders.clear();
    Filfiles.Clear();
    std::error_code ec;
    std::filesystem::directory_iterator it(Dirfiles, ec), end;
    if (ec) return false;
    for (; it != end; it.increment(ec)) {
        if (ec) break;
        const std::filesystem::directory_entry& e = *it;
        const std::string name = e.path().filename().string();
        std::error_code kind;
        if (e.is_directory(kind))
            Folders.push_back(name);
        else if (e.path().extension() == ".tc")
            Filfiles.Items.push_back(name);
    }
    std::sort(Folders.begin(), Folders.end());
    std::sort(Filfiles.Items.begin(), Filfiles.Items.end());
    return true;
}

std::filesystem::path Savedgamepath(const std::filesystem::path& folder, const std::string& name) {
    const bool ends = name.size() >= 3 && name.compare(name.size() - 3, 3, ".tc") == 0;
    return folder / (ends ? name : name + ".tc");
}

bool Plainfilename(const std::string& name) {
    if (name.empty() || name == "." || name == ".." ||
        Savedgamepath({}, name).string().size() > Longestfilename)
        return false;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        // Both separators everywhere: a name must mean the same file on every system.
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\') return false;
    }
    const std::filesystem::path p(name);
    return !p.has_root_path() && p.filename() == p;
}

} // namespace tc
