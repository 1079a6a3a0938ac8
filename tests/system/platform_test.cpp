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
    const char verdict = static_cast<char>('0' + static_cast<int>(s.Verdict));
    if (write(report, &verdict, 1) != 1) _exit(3);
    while (read(release, &ignored, 1) > 0) {}
    _exit(0);
}

TEST(Instancelock, TwoCopiesStartedTogetherExactlyOneRuns) {
    Tempfolder folder, home;
    // Both copies could also go to the user's folder: neither may take it for another folder.
    const fs::path user = home.Path() / "tintcipher";
    for (int round = 0; round < 40; ++round) {
        int report[2], release[2], go[2];
        ASSERT_EQ(pipe(report), 0);
        ASSERT_EQ(pipe(release), 0);
        ASSERT_EQ(pipe(go), 0);
        const pid_t a = Startcopy(folder.Path(), report[1], release[0], release[1], go[0], user);
        const pid_t b = Startcopy(folder.Path(), report[1], release[0], release[1], go[0], user);
        close(report[1]);
        close(release[0]);
        close(go[0]);
        ASSERT_EQ(write(go[1], "gg", 2), 2); // both start at this instant
        close(go[1]);
        std::vector<char> verdicts(2);
        ASSERT_EQ(read(report[0], &verdicts[0], 1), 1);
        ASSERT_EQ(read(report[0], &verdicts[1], 1), 1);
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
    }
    EXPECT_FALSE(fs::exists(user));
}

TEST(Instancelock, AKilledHolderLeavesNothingStuck) {
    Tempfolder folder;
    int report[2], release[2];
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = Startcopy(folder.Path(), report[1], release[0], release[1]);
    close(report[1]);
    close(release[0]);
    char verdict = 0;
    ASSERT_EQ(read(report[0], &verdict, 1), 1);
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
