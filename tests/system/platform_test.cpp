// The single-instance lock between real processes: copies started together, a holder that is
// killed. Processes are made with fork, so these run where POSIX is.
#include "shell/title.h"
#include "system/filewrite.h"
#include "system/platform.h"

#include "tests/records/recordtesting.h"
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tc {
namespace {

namespace fs = std::filesystem;
using testkit::Tempfolder;
using Outcome = Instancelock::Outcome;

TEST(Instancelock, OneHolderAtATimeAndAnUnopenableFileIsNotBusy) {
    Tempfolder folder;
    const fs::path file = folder.Path() / "lock";
    Outcome first, second;
    auto held = Instancelock::Acquire(file, first);
    EXPECT_EQ(first, Outcome::Taken);
    ASSERT_TRUE(held);
    EXPECT_FALSE(Instancelock::Acquire(file, second));
    EXPECT_EQ(second, Outcome::Busy);
    held.reset();
    EXPECT_TRUE(Instancelock::Acquire(file, second));
    EXPECT_EQ(second, Outcome::Taken);

    EXPECT_FALSE(Instancelock::Acquire(folder.Path() / "no" / "such" / "lock", second));
    EXPECT_EQ(second, Outcome::Failed);

#ifndef _WIN32
    // Another user takes it in turn, however private the umask of the user who made the file.
    const mode_t mask = umask(077);
    EXPECT_TRUE(Instancelock::Acquire(file.parent_path() / "shared", first));
    umask(mask);
    const pid_t other = fork();
    if (other == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        _exit(Instancelock::Acquire(file.parent_path() / "shared", second) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(other, &status, 0), other);
    if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "no other user to be";
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}

TEST(Replacefile, NeverThroughAPlantedNameAndNothingLeftBeside) {
    Tempfolder folder;
    const fs::path victim = folder.Path() / "victim", file = folder.Path() / "file";
    testkit::Putbytes(victim, {'m'});
    fs::create_symlink(victim, folder.Path() / "link");
    fs::create_symlink(folder.Path() / "nothing", folder.Path() / "dangling");
    std::error_code ec;
    for (const char* planted : {"victim", "link", "dangling"})
        EXPECT_FALSE(Newfile::Create(folder.Path() / planted, ec)) << planted;
    // Replaced whole, with the time asked for; nothing left beside it, after a failure neither.
    const auto time = fs::last_write_time(victim) - std::chrono::hours(30);
    EXPECT_FALSE(Replacefile(file, std::vector<unsigned char>{1, 2, 3}));
    EXPECT_FALSE(Replacefile(file, std::vector<unsigned char>{4}, time));
    EXPECT_EQ(testkit::Filebytes(file), std::vector<unsigned char>{4});
    EXPECT_EQ(fs::last_write_time(file), time);
    fs::create_directories(folder.Path() / "taken" / "inside");
    EXPECT_TRUE(Replacefile(folder.Path() / "taken", std::vector<unsigned char>{5}));
    EXPECT_EQ(testkit::Filebytes(victim), std::vector<unsigned char>{'m'});
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 5);
}

#ifndef _WIN32
TEST(Replacefile, KeepsTheReplacedFilesModeAndGroupWhateverTheUmask) {
    Tempfolder folder;
    const fs::path file = folder.Path() / "file";
    testkit::Putbytes(file, {1});
    ASSERT_EQ(chmod(file.c_str(), 0664), 0);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(file.c_str(), static_cast<uid_t>(-1), 65534), 0);
    }
    const mode_t mask = umask(077);
    EXPECT_FALSE(Replacefile(file, std::vector<unsigned char>{2}));
    umask(mask);
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0664u);
    EXPECT_TRUE(!root || st.st_gid == 65534u);
}

TEST(Instancelock, AnythingButARegularFileIsRefusedWithoutWaiting) {
    Tempfolder folder;
    const fs::path fifo = folder.Path() / "fifo", link = folder.Path() / "link";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    testkit::Putbytes(folder.Path() / "file", {});
    fs::create_symlink(folder.Path() / "file", link);
    fs::create_directory(folder.Path() / "folder");
    for (const fs::path& f : {fifo, link, folder.Path() / "folder", fs::path("/dev/null")}) {
        Outcome outcome = Outcome::Taken;
        EXPECT_FALSE(Instancelock::Acquire(f, outcome)) << f;
        EXPECT_EQ(outcome, Outcome::Notfile) << f;
    }
}

TEST(Userdatafolder, WithoutHomeTheAccountsHomeServes) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string data = xdg ? xdg : "";
    unsetenv("HOME");
    unsetenv("XDG_DATA_HOME");
    const fs::path found = Userdatafolder();
    setenv("HOME", home.c_str(), 1);
    if (xdg) setenv("XDG_DATA_HOME", data.c_str(), 1);
    EXPECT_TRUE(found.is_absolute() && found.filename() == "tintcipher") << found;
}

// Starts a copy of the program's start-up in a child process, with `user` as the user's data
// folder. The child waits for a byte on `go`, reports its verdict as one byte on `report`, then
// holds what it got until the parent closes `release` (or it is killed); `keep` is the parent's
// end of that pipe, which the child must not hold open.
pid_t Startcopy(const fs::path& folder, int report, int release, int keep, int go = -1,
                const fs::path& user = {}) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    close(keep);
    char ignored;
    if (go >= 0 && read(go, &ignored, 1) != 1) _exit(3);
    Started s = Startup(folder, 1024, user);
    // The verdict, then whether this copy tells the first-start notice.
    const char verdict[2] = {static_cast<char>('0' + static_cast<int>(s.Verdict)),
                             s.Notice.empty() ? '-' : 'n'};
    if (write(report, verdict, 2) != 2) _exit(3);
    while (read(release, &ignored, 1) > 0) {}
    _exit(0);
}

TEST(Instancelock, TwoCopiesStartedTogetherExactlyOneRunsAndTellsTheNoticeOnce) {
    Tempfolder folder, home, package;
    // Both copies could also go to the user's folder: neither may take it for another folder.
    const fs::path user = home.Path() / "tintcipher";
    // An installed package's first start: both seed the user's folder, the one that runs tells.
    fs::create_directories(package.Path() / "bin");
    fs::create_directories(package.Path() / "share" / "tintcipher" / "Winners");
    for (int round = 0; round < 80; ++round) {
        const bool installed = round % 2;
        const fs::path exe = installed ? package.Path() / "bin" : folder.Path();
        fs::remove_all(user);
        int report[2], release[2], go[2];
        ASSERT_EQ(pipe(report), 0);
        ASSERT_EQ(pipe(release), 0);
        ASSERT_EQ(pipe(go), 0);
        const pid_t a = Startcopy(exe, report[1], release[0], release[1], go[0], user);
        const pid_t b = Startcopy(exe, report[1], release[0], release[1], go[0], user);
        close(report[1]);
        close(release[0]);
        close(go[0]);
        ASSERT_EQ(write(go[1], "gg", 2), 2); // both start at this instant
        close(go[1]);
        char got[4];
        ASSERT_EQ(read(report[0], got, 2), 2);
        ASSERT_EQ(read(report[0], got + 2, 2), 2);
        std::vector<char> verdicts{got[0], got[2]};
        close(release[1]); // both have reported while both were alive: now let them end
        close(report[0]);
        int status;
        waitpid(a, &status, 0);
        waitpid(b, &status, 0);
        const char run = '0' + static_cast<int>(Startverdict::Run);
        const char refused = '0' + static_cast<int>(Startverdict::Secondcopy);
        std::sort(verdicts.begin(), verdicts.end());
        EXPECT_EQ(verdicts, (std::vector<char>{std::min(run, refused), std::max(run, refused)}))
            << "round " << round;
        // The notice: from the copy that runs, on a first start only.
        EXPECT_EQ(std::string({got[1], got[3]}), installed ? (got[0] == run ? "n-" : "-n") : "--")
            << "round " << round;
        EXPECT_TRUE(installed || !fs::exists(user));
    }
}

TEST(Instancelock, AKilledHolderLeavesNothingStuck) {
    Tempfolder folder;
    int report[2], release[2];
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = Startcopy(folder.Path(), report[1], release[0], release[1]);
    close(report[1]);
    close(release[0]);
    char verdict = 0, notice = 0;
    ASSERT_EQ(read(report[0], &verdict, 1), 1);
    ASSERT_EQ(read(report[0], &notice, 1), 1);
    ASSERT_EQ(verdict, '0' + static_cast<int>(Startverdict::Run));
    EXPECT_EQ(Startup(folder.Path(), 1024, {}).Verdict, Startverdict::Secondcopy);

    ASSERT_EQ(kill(holder, SIGKILL), 0);
    int status;
    ASSERT_EQ(waitpid(holder, &status, 0), holder);
    ASSERT_TRUE(WIFSIGNALED(status));
    // The lock file is still there, but the next start works.
    EXPECT_TRUE(fs::exists(folder.Path() / Lockfilename));
    EXPECT_EQ(Startup(folder.Path(), 1024, {}).Verdict, Startverdict::Run);
    close(release[1]);
    close(report[0]);
}

#endif

} // namespace
} // namespace tc
