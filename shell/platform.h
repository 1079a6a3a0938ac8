#pragma once
// The few things the standard library cannot do portably: an exclusive lock on a file that the
// operating system drops when its holder ends, however it ends, and the user's own data folder.
// This is the only file of the game that calls the operating system directly.
#include <filesystem>
#include <memory>

namespace tc {

class Instancelock {
public:
    // Busy: another holder has the lock. Failed: the file cannot be opened or created.
    enum class Outcome { Taken, Busy, Failed };
    // Takes the lock on `file` (created when missing) without waiting; nothing when it is not
    // taken, and `outcome` says why.
    static std::unique_ptr<Instancelock> Acquire(const std::filesystem::path& file,
                                                 Outcome& outcome);
    ~Instancelock();
    Instancelock(const Instancelock&) = delete;
    Instancelock& operator=(const Instancelock&) = delete;

private:
    Instancelock() = default;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// Where a program installed in a folder it may not write keeps its own copy of the data:
// %LOCALAPPDATA%\Tintcipher on Windows, $XDG_DATA_HOME/tintcipher or ~/.local/share/tintcipher
// elsewhere. Empty when the environment names no home.
std::filesystem::path Userdatafolder();

} // namespace tc
