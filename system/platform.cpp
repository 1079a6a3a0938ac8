#include "system/platform.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tc {

namespace {

struct Faultorder {
    int Error = 0, After = 0, Times = 0;
};
Faultorder faults[static_cast<int>(Oscall::Count)];

// The error a test ordered for this call, or 0 to make the call.
int Injected(Oscall call) {
    Faultorder& f = faults[static_cast<int>(call)];
    if (f.Times == 0) return 0;
    if (f.After > 0) {
        --f.After;
        return 0;
    }
    --f.Times;
    return f.Error;
}

} // namespace

void Injectfault(Oscall call, int error, int after, int times) {
    faults[static_cast<int>(call)] = {error, after, times};
}

void Clearfaults() {
    for (Faultorder& f : faults) f = {};
}

std::error_code Renamefile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (const int e = Injected(Oscall::Rename)) return {e, std::generic_category()};
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return ec;
}

#ifdef _WIN32

std::unique_ptr<Instancelock> Instancelock::Acquire(const std::filesystem::path& file,
                                                    Outcome& outcome) {
    outcome = Outcome::Failed;
    // Reading is all a lock needs, so a file another user made stays usable.
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    if (GetFileType(h) != FILE_TYPE_DISK) {
        outcome = Outcome::Notfile;
        CloseHandle(h);
        return nullptr;
    }
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

void Newfile::Copyaccess(const std::filesystem::path&) {
    // A new file takes the folder's access list, as the one it replaces did.
}

bool Syncfolder(const std::filesystem::path&, std::error_code& ec) {
    // NTFS journals the names itself; a folder cannot be flushed by handle there.
    ec.clear();
    return true;
}

std::error_code Removefile(const std::filesystem::path& file) {
    if (DeleteFileW(file.c_str())) return {};
    return {static_cast<int>(GetLastError()), std::system_category()};
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

void Ignorefilesizesignal() {
    // Windows has no such signal: the write fails by itself.
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
    // Without blocking too: a FIFO planted as the lock would otherwise hold the start for ever.
    const int flags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    int fd = open(file.c_str(), flags);
    if (fd < 0 && errno == ENOENT) {
        fd = open(file.c_str(), flags | O_CREAT | O_EXCL, 0644);
        // Whatever the umask, the next user must be able to open it.
        if (fd >= 0)
            fchmod(fd, 0644);
        else if (errno == EEXIST)
            fd = open(file.c_str(), flags);
    }
    // A link is refused by O_NOFOLLOW (ELOOP); FreeBSD says EMLINK.
    if (fd < 0 && (errno == ELOOP || errno == EMLINK)) outcome = Outcome::Notfile;
    if (fd < 0) return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        outcome = Outcome::Notfile;
        close(fd);
        return nullptr;
    }
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
    if (const int e = Injected(Oscall::Open)) {
        ec.assign(e, std::generic_category());
        return nullptr;
    }
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
    if (const int e = Injected(Oscall::Write)) {
        ec.assign(e, std::generic_category());
        return false;
    }
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
    const int injected = Injected(Oscall::Sync);
    if (!injected && fsync(fd_) == 0) return true;
    ec.assign(injected ? injected : errno, std::generic_category());
    return false;
}

bool Newfile::Close(std::error_code& ec) {
    const int fd = fd_;
    fd_ = -1;
    // Some file systems report a failed write only here.
    const int injected = Injected(Oscall::Close);
    if (close(fd) == 0 && !injected) return true;
    ec.assign(injected ? injected : errno, std::generic_category());
    return false;
}

void Newfile::Copyaccess(const std::filesystem::path& model) {
    struct stat st {};
    if (lstat(model.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    // The group first, as changing it may clear permission bits. A group the writer does not belong
    // to cannot be given; the file keeps the writer's, and its permissions still say what the group
    // and others may do.
    [[maybe_unused]] const int group = fchown(fd_, static_cast<uid_t>(-1), st.st_gid);
    fchmod(fd_, st.st_mode & 0777);
}

bool Syncfolder(const std::filesystem::path& folder, std::error_code& ec) {
    ec.clear();
    if (const int e = Injected(Oscall::Syncfolder)) {
        ec.assign(e, std::generic_category());
        return false;
    }
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

std::error_code Removefile(const std::filesystem::path& file) {
    if (unlink(file.c_str()) == 0) return {};
    return {errno, std::generic_category()};
}

std::error_code Writeaccess(const std::filesystem::path& folder) {
    // Asks without writing: permissions, access lists and read-only mounts are all in the answer.
    if (access(folder.c_str(), W_OK | X_OK) == 0) return {};
    return {errno, std::generic_category()};
}

void Ignorefilesizesignal() {
    signal(SIGXFSZ, SIG_IGN);
}

std::filesystem::path Userdatafolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return std::filesystem::path(xdg) / "tintcipher";
    std::string home;
    if (const char* env = std::getenv("HOME")) home = env;
    if (home.empty()) {
        // Started without a login's environment (a service, `env -i`): the account still has
        // its home.
        std::string buffer(16384, '\0');
        passwd entry{}, *found = nullptr;
        if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_dir)
            home = found->pw_dir;
    }
    if (home.empty() || home.front() != '/') return {};
    return std::filesystem::path(home) / ".local" / "share" / "tintcipher";
}

#endif

} // namespace tc
