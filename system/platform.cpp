#include "system/platform.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tc {

#ifdef _WIN32

std::unique_ptr<Instancelock> Instancelock::Acquire(const std::filesystem::path& file,
                                                    Outcome& outcome) {
    outcome = Outcome::Failed;
    // Reading is all a lock needs, so a file another user made stays usable.
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    OVERLAPPED at{};
    // The system releases the range when the process ends, so a crash leaves nothing behind.
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        if (GetLastError() == ERROR_LOCK_VIOLATION) outcome = Outcome::Busy;
        CloseHandle(h);
        return nullptr;
    }
    outcome = Outcome::Taken;
    std::unique_ptr<Instancelock> lock(new Instancelock);
    lock->handle_ = h;
    return lock;
}

Instancelock::~Instancelock() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

std::unique_ptr<Newfile> Newfile::Create(const std::filesystem::path& file, std::error_code& ec) {
    // CREATE_NEW fails on any existing name, a link included.
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        ec.assign(static_cast<int>(GetLastError()), std::system_category());
        return nullptr;
    }
    ec.clear();
    std::unique_ptr<Newfile> f(new Newfile);
    f->handle_ = h;
    return f;
}

Newfile::~Newfile() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

bool Newfile::Write(const unsigned char* data, std::size_t size, std::error_code& ec) {
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD done = 0;
        if (!WriteFile(static_cast<HANDLE>(handle_), data, chunk, &done, nullptr) || done == 0) {
            ec.assign(static_cast<int>(GetLastError()), std::system_category());
            return false;
        }
        data += done;
        size -= done;
    }
    return true;
}

bool Newfile::Sync(std::error_code& ec) {
    if (FlushFileBuffers(static_cast<HANDLE>(handle_))) return true;
    ec.assign(static_cast<int>(GetLastError()), std::system_category());
    return false;
}

bool Newfile::Close(std::error_code& ec) {
    HANDLE h = static_cast<HANDLE>(handle_);
    handle_ = nullptr;
    if (CloseHandle(h)) return true;
    ec.assign(static_cast<int>(GetLastError()), std::system_category());
    return false;
}

bool Syncfolder(const std::filesystem::path&, std::error_code& ec) {
    // NTFS journals the names itself; a folder cannot be flushed by handle there.
    ec.clear();
    return true;
}

std::error_code Writeaccess(const std::filesystem::path& folder) {
    // The system's access test does not see access lists, so a file is made and removed: one
    // of a name the system draws, so that nobody else's file is ever touched.
    wchar_t name[MAX_PATH];
    if (!GetTempFileNameW(folder.c_str(), L"tc", 0, name))
        return {static_cast<int>(GetLastError()), std::system_category()};
    DeleteFileW(name);
    return {};
}

std::filesystem::path Userdatafolder() {
    const wchar_t* base = _wgetenv(L"LOCALAPPDATA");
    if (!base || !*base) return {};
    return std::filesystem::path(base) / "Tintcipher";
}

#else

std::unique_ptr<Instancelock> Instancelock::Acquire(const std::filesystem::path& file,
                                                    Outcome& outcome) {
    outcome = Outcome::Failed;
    // Read-only, so a lock file left by another user of a shared folder serves as well; never
    // through a link, and close-on-exec, so a program started by the holder does not keep the
    // lock alive after it.
    const int flags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC;
    int fd = open(file.c_str(), flags);
    if (fd < 0 && errno == ENOENT) {
        fd = open(file.c_str(), flags | O_CREAT | O_EXCL, 0644);
        // Whatever the umask, the next user must be able to open it.
        if (fd >= 0)
            fchmod(fd, 0644);
        else if (errno == EEXIST)
            fd = open(file.c_str(), flags);
    }
    if (fd < 0) return nullptr;
    // flock belongs to the open file, so a second open in the same process is refused too; the
    // kernel drops it when the last descriptor closes, also when the holder is killed.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) outcome = Outcome::Busy;
        close(fd);
        return nullptr;
    }
    outcome = Outcome::Taken;
    std::unique_ptr<Instancelock> lock(new Instancelock);
    lock->fd_ = fd;
    return lock;
}

Instancelock::~Instancelock() {
    if (fd_ >= 0) close(fd_);
}

std::unique_ptr<Newfile> Newfile::Create(const std::filesystem::path& file, std::error_code& ec) {
    // O_EXCL refuses any existing name, a dangling link included.
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        ec.assign(errno, std::generic_category());
        return nullptr;
    }
    ec.clear();
    std::unique_ptr<Newfile> f(new Newfile);
    f->fd_ = fd;
    return f;
}

Newfile::~Newfile() {
    if (fd_ >= 0) close(fd_);
}

bool Newfile::Write(const unsigned char* data, std::size_t size, std::error_code& ec) {
    while (size > 0) {
        const ssize_t done = write(fd_, data, size);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) {
            ec.assign(done < 0 ? errno : EIO, std::generic_category());
            return false;
        }
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

bool Newfile::Sync(std::error_code& ec) {
    if (fsync(fd_) == 0) return true;
    ec.assign(errno, std::generic_category());
    return false;
}

bool Newfile::Close(std::error_code& ec) {
    const int fd = fd_;
    fd_ = -1;
    // Some file systems report a failed write only here.
    if (close(fd) == 0) return true;
    ec.assign(errno, std::generic_category());
    return false;
}

bool Syncfolder(const std::filesystem::path& folder, std::error_code& ec) {
    ec.clear();
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder that may be written but not read cannot be asked to flush; its names stay as
    // the system keeps them.
    if (fd < 0 && errno == EACCES) return true;
    if (fd < 0) {
        ec.assign(errno, std::generic_category());
        return false;
    }
    const bool ok = fsync(fd) == 0 || errno == EINVAL; // EINVAL: nothing to flush here
    if (!ok) ec.assign(errno, std::generic_category());
    close(fd);
    return ok;
}

std::error_code Writeaccess(const std::filesystem::path& folder) {
    // Asks without writing: permissions, access lists and read-only mounts are all in the answer.
    if (access(folder.c_str(), W_OK | X_OK) == 0) return {};
    return {errno, std::generic_category()};
}

std::filesystem::path Userdatafolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return std::filesystem::path(xdg) / "tintcipher";
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return std::filesystem::path(home) / ".local" / "share" / "tintcipher";
}

#endif

} // namespace tc
