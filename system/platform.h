#pragma once
// The few things the standard library cannot do portably: an exclusive lock on a file that the
// operating system drops when its holder ends, however it ends; a file made new, never through a
// link, and flushed to the disk; and the user's own data folder. This is the only file of the
// game that calls the operating system directly.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tc {

// The system calls a test can make fail, to see each failure handled without a broken disk.
enum class Oscall { Open, Write, Sync, Close, Rename, Syncfolder, Count };
// From the call after the next `after` calls of that kind on, `times` calls fail with `error`
// (an errno value) without reaching the system. `Clearfaults` ends every such order.
void Injectfault(Oscall call, int error, int after = 0, int times = 1);
void Clearfaults();

class Instancelock {
public:
    // Busy: another holder has the lock. Notfile: something that is not a regular file (a link,
    // a FIFO, a folder, a device) has the lock file's name. Failed: the file cannot be opened or
    // created.
    enum class Outcome { Taken, Busy, Notfile, Failed };
    // Takes the lock on `file` (created when missing) without waiting; nothing when it is not
    // taken, and `outcome` says why. The lock needs only the right to read the file, and the
    // file is made readable by all, so whoever may run the program may hold it in turn.
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

// A file created for writing only when nothing of its name exists, not even a dangling link, so
// a name planted beforehand can never redirect what is written.
class Newfile {
public:
    static std::unique_ptr<Newfile> Create(const std::filesystem::path& file, std::error_code& ec);
    ~Newfile();
    Newfile(const Newfile&) = delete;
    Newfile& operator=(const Newfile&) = delete;

    // Each returns false with the reason in `ec`. Write writes all `size` bytes; Sync returns
    // once they are on the disk.
    bool Write(const unsigned char* data, std::size_t size, std::error_code& ec);
    bool Sync(std::error_code& ec);
    bool Close(std::error_code& ec);
    // Gives the file the permissions, and where the system allows it the group, of `model` when
    // that is a regular file (never followed through a link): a file replaced keeps who may use
    // it, whatever the writer's umask. Nothing when `model` is not there.
    void Copyaccess(const std::filesystem::path& model);

private:
    Newfile() = default;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// Renames `from` over `to` in one step.
std::error_code Renamefile(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes the name `file` when it is anything but a folder; a link is removed, never followed.
std::error_code Removefile(const std::filesystem::path& file);

// Returns once the names in `folder` (a rename just made) are on the disk. True where the system
// keeps them without being asked.
bool Syncfolder(const std::filesystem::path& folder, std::error_code& ec);

// The file system's answer whether files may be made and removed in `folder`: no error when
// they may, else the reason (permission denied, a read-only file system ...). Nothing is left
// behind, and two programs asking at once never disturb each other.
std::error_code Writeaccess(const std::filesystem::path& folder);

// Under a file-size limit a write past it fails with EFBIG, to be reported as any failed write,
// instead of the system ending the program (SIGXFSZ) with a temporary file left behind.
void Ignorefilesizesignal();

// Where a program installed in a folder it may not write keeps its own copy of the data:
// %LOCALAPPDATA%\Tintcipher on Windows, $XDG_DATA_HOME/tintcipher or ~/.local/share/tintcipher
// elsewhere, the home taken from the user database when the environment names none. Empty when
// neither does.
std::filesystem::path Userdatafolder();

} // namespace tc
