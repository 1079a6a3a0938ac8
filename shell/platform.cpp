#include "shell/platform.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tc {

#ifdef _WIN32

std::unique_ptr<Instancelock> Instancelock::Acquire(const std::filesystem::path& file,
                                                    Outcome& outcome) {
    outcome = Outcome::Failed;
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
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

std::filesystem::path Userdatafolder() {
    const wchar_t* base = _wgetenv(L"LOCALAPPDATA");
    if (!base || !*base) return {};
    return std::filesystem::path(base) / "Tintcipher";
}

#else

std::unique_ptr<Instancelock> Instancelock::Acquire(const std::filesystem::path& file,
                                                    Outcome& outcome) {
    outcome = Outcome::Failed;
    // Close-on-exec: a program started by the holder must not keep the lock alive after it.
    const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
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

std::filesystem::path Userdatafolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return std::filesystem::path(xdg) / "tintcipher";
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return std::filesystem::path(home) / ".local" / "share" / "tintcipher";
}

#endif

} // namespace tc
