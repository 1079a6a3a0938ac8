// The Winners files on disk: write with stamp, the start-up check's outcomes, re-creation,
// writes that fail without harming the old file, and stamps across time zones.
#include "records/winners.h"
#include "tests/records/recordtesting.h"
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>

namespace tc {
namespace {

namespace fs = std::filesystem;
using testkit::Filebytes;
using testkit::Putbytes;
using testkit::Tempfolder;
using testkit::Testclock;

// Moves a file's last-modified time by `seconds` from where it is.
void Shifttime(const fs::path& p, int seconds) {
    fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(seconds));
}

TEST(Winnersfile, WriteStampsTheRecordAndTheFileAlike) {
    Tempfolder dir;
    Testclock clock;
    const fs::path file = Winnersfile(dir.Path(), 7);
    EXPECT_EQ(file, dir.Path() / "Winners" / "Winners7");
    Winnersrecord r;
    r.Player[Entryindex(12, 2)] = "Cai";
    r.Average[12] = 5.5f;
    ASSERT_EQ(Writewinners(file, r, clock), Writeresult::Written); // creates the folder too
    EXPECT_EQ(r.Stamp, clock.Now().Serial());
    EXPECT_EQ(fs::file_size(file), 32392u);

    const Loadedrecord back = Readwinners(file);
    ASSERT_EQ(back.Status, Filestatus::Ok);
    EXPECT_EQ(back.Record, r);
    EXPECT_NEAR(back.Filetime, r.Stamp, 1e-9);
    // Nothing but the record is left in the folder.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path() / "Winners")) ++entries;
    EXPECT_EQ(entries, 1);

    // A later write renews the stamp.
    clock.Advance(90'000);
    ASSERT_EQ(Writewinners(file, r, clock), Writeresult::Written);
    EXPECT_EQ(r.Stamp, clock.Now().Serial());
    EXPECT_NEAR(Readwinners(file).Filetime, r.Stamp, 1e-9);
}

TEST(Winnersfile, ReadReportsMissingAndUnreadableFiles) {
    Tempfolder dir;
    EXPECT_EQ(Readwinners(Winnersfile(dir.Path(), 5)).Status, Filestatus::Missing);
    fs::create_directories(Winnersfile(dir.Path(), 5));
    EXPECT_EQ(Readwinners(Winnersfile(dir.Path(), 5)).Status, Filestatus::Unreadable);
}

class Winnerscheckfixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Restorewinners(dir.Path(), clock)); }
    fs::path File(int n) const { return Winnersfile(dir.Path(), n); }
    // Puts a file's time back on its stamp after an edit, as a careful forger would.
    void Keeptime(int n, fs::file_time_type t) { fs::last_write_time(File(n), t); }

    Tempfolder dir;
    Testclock clock;
};

TEST_F(Winnerscheckfixture, RestoredFilesAreEmptyAndPassTheCheck) {
    const Winnerscheck c = Checkwinners(dir.Path());
    EXPECT_EQ(c.Verdict, Winnersverdict::Fine);
    EXPECT_TRUE(c.Lines.empty());
    for (int n = 5; n <= 10; ++n) {
        const Loadedrecord f = Readwinners(File(n));
        ASSERT_EQ(f.Status, Filestatus::Ok);
        Winnersrecord empty;
        empty.Stamp = f.Record.Stamp;
        EXPECT_EQ(f.Record, empty) << n;
        EXPECT_EQ(f.Record.Stamp, clock.Now().Serial());
    }
}

TEST_F(Winnerscheckfixture, AFileTouchedLaterIsAltered) {
    Shifttime(File(6), 60);
    const Winnerscheck c = Checkwinners(dir.Path());
    EXPECT_EQ(c.Verdict, Winnersverdict::Altered);
    EXPECT_EQ(c.Ncolours, 6);
    EXPECT_EQ(c.Lines, (std::vector<std::string>{
                           "The Winners files have been altered improperly by someone.",
                           "This programme cannot be run any more.",
                           "To reinstall the programme, please download again."}));
}

TEST_F(Winnerscheckfixture, TheStampMayBeUpTo8Point64SecondsAway) {
    Shifttime(File(9), 8);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
    Shifttime(File(9), 1);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Altered);
    Shifttime(File(9), -18); // earlier counts as well
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Altered);
}

TEST_F(Winnerscheckfixture, ContentChangedByAnotherProgramIsAltered) {
    auto bytes = Filebytes(File(10));
    bytes[7048] = 5; // the first duration
    Putbytes(File(10), bytes);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Altered);
}

TEST_F(Winnerscheckfixture, AStampThatIsNotANumberIsAltered) {
    const auto t = fs::last_write_time(File(5));
    auto bytes = Filebytes(File(5));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(bytes.data(), &nan, 8);
    Putbytes(File(5), bytes);
    Keeptime(5, t);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Altered);
}

TEST_F(Winnerscheckfixture, ANameRunningPastTheRecordIsMalformedEvenAfterAnAlteredFile) {
    const auto t = fs::last_write_time(File(7));
    auto bytes = Filebytes(File(7));
    bytes[8 + 2 * 100] = 0xFF; // the count of name 100
    bytes[8 + 2 * 100 + 1] = 0x7F;
    Putbytes(File(7), bytes);
    Keeptime(7, t);
    Winnerscheck c = Checkwinners(dir.Path());
    EXPECT_EQ(c.Verdict, Winnersverdict::Malformed);
    EXPECT_EQ(c.Ncolours, 7);
    EXPECT_EQ(c.Lines, (std::vector<std::string>{
                           "Some of the Winners file has been altered improperly by someone.",
                           "This programme cannot be run any more.",
                           "To reinstall the programme, please download again."}));
    // The check goes on past an altered file, so the malformed one still decides.
    Shifttime(File(5), 3600);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Malformed);
}

TEST_F(Winnerscheckfixture, AShortenedFileIsAlteredOrMalformed) {
    const auto t = fs::last_write_time(File(8));
    auto bytes = Filebytes(File(8));
    bytes.resize(20000); // inside the attempts
    Putbytes(File(8), bytes);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Altered);
    // With its time put back, the stamp still agrees, but the rest of the record is not there.
    Keeptime(8, t);
    const Winnerscheck c = Checkwinners(dir.Path());
    EXPECT_EQ(c.Verdict, Winnersverdict::Malformed);
    EXPECT_EQ(c.Ncolours, 8);
    // Losing only padding changes nothing that is read.
    ASSERT_TRUE(Restorewinners(dir.Path(), clock));
    const auto t2 = fs::last_write_time(File(8));
    bytes = Filebytes(File(8));
    bytes.resize(Emptyrecordsize);
    Putbytes(File(8), bytes);
    Keeptime(8, t2);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
}

TEST_F(Winnerscheckfixture, AMissingFileAsksForThePasswordAndRestoreEmptiesAllSix) {
    Winnersrecord r;
    r.Player[0] = "Dee";
    ASSERT_EQ(Writewinners(File(5), r, clock), Writeresult::Written);
    fs::remove(File(9));
    const Winnerscheck c = Checkwinners(dir.Path());
    EXPECT_EQ(c.Verdict, Winnersverdict::Missing);
    EXPECT_EQ(c.Ncolours, 9);
    EXPECT_EQ(c.Lines, (std::vector<std::string>{"Some of the Winners files are missing.",
                                                 "To restore the files, input the password."}));
    EXPECT_EQ(std::string(Winnerspassword), "305817");

    clock.Advance(3'600'000);
    ASSERT_TRUE(Restorewinners(dir.Path(), clock));
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
    EXPECT_EQ(Readwinners(File(5)).Record.Player[0], ""); // the other files lose their entries

    fs::remove_all(dir.Path() / "Winners");
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Missing);
    ASSERT_TRUE(Restorewinners(dir.Path(), clock)); // the folder is made again
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
}

TEST_F(Winnerscheckfixture, AFolderInPlaceOfAFileIsAnUnexpectedErrorNamingIt) {
    fs::remove(File(6));
    fs::create_directories(File(6));
    const Winnerscheck c = Checkwinners(dir.Path());
    EXPECT_EQ(c.Verdict, Winnersverdict::Unexpected);
    EXPECT_EQ(c.Lines, (std::vector<std::string>{"Unexpected Error",
                                                 "The file " + File(6).string() +
                                                     " is not a regular file; put the programme's "
                                                     "own file back in its place."}));
}

TEST_F(Winnerscheckfixture, AFailedWriteLeavesTheOldFileWhole) {
    Winnersrecord r;
    r.Player[3] = "Eve";
    ASSERT_EQ(Writewinners(File(5), r, clock), Writeresult::Written);
    const auto before = Filebytes(File(5));
    const auto time = fs::last_write_time(File(5));
    const double stamp = r.Stamp;
    clock.Advance(60'000);
    r.Player[3] = "Fay";

    // The disk fills up while the record is written.
    {
        testkit::Fulldisk full(1000);
        EXPECT_EQ(Writewinners(File(5), r, clock), Writeresult::Failed);
    }
    EXPECT_EQ(r.Stamp, stamp); // the buffer still agrees with the file

    // A record too large for its length is refused before anything is written.
    for (int i = 0; i < 500; ++i) r.Player[i] = std::string(15, 'n');
    EXPECT_EQ(Writewinners(File(5), r, clock), Writeresult::Toolarge);
    EXPECT_EQ(Filebytes(File(5)), before);
    EXPECT_EQ(fs::last_write_time(File(5)), time);

    // The rename fails when a folder holds the record's name: the temporary file goes away.
    fs::remove(File(6));
    fs::create_directories(File(6) / "x");
    Winnersrecord s;
    EXPECT_EQ(Writewinners(File(6), s, clock), Writeresult::Failed);
    EXPECT_EQ(std::distance(fs::directory_iterator(File(6).parent_path()), {}), 6);

    fs::remove_all(File(6));
    ASSERT_TRUE(Restorewinners(dir.Path(), clock));
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
}

TEST_F(Winnerscheckfixture, AStaleTemporaryFileOrAPlantedLinkIsLeftAlone) {
    fs::path temp = File(7), link = File(8);
    Putbytes(temp += ".tmp", std::vector<unsigned char>(50000, 0xEE));
    fs::create_symlink(File(5), link += ".tmp");
    const auto victim = Filebytes(File(5));
    Winnersrecord r;
    r.Population[1] = 3;
    ASSERT_EQ(Writewinners(File(7), r, clock), Writeresult::Written);
    ASSERT_EQ(Writewinners(File(8), r, clock), Writeresult::Written);
    EXPECT_EQ(fs::file_size(temp), 50000u);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Filebytes(File(5)), victim);
    EXPECT_EQ(Readwinners(File(8)).Record, r);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
}

#ifndef _WIN32
// Summer time and zones with half-hour offsets: the stamp is the local time of the instant the
// file carries, so the check agrees at any date of the year.
TEST(Winnersstamp, AgreesWithTheFileTimeAcrossSummerTime) {
    if (!fs::exists("/usr/share/zoneinfo/Europe/London")) GTEST_SKIP() << "no time zone data";
    for (const char* tz : {"Europe/London", "America/St_Johns", "Australia/Lord_Howe"}) {
        testkit::Timezone zone(tz);
        Tempfolder dir;
        const Datetime times[] = {
            Datetime::Make(2024, 1, 15, 12),          Datetime::Make(2024, 7, 15, 23, 59, 59),
            Datetime::Make(2024, 10, 27, 1, 30),      // London's clocks go back: twice
            Datetime::Make(2024, 3, 31, 1, 30),       // London's clocks go forward: never
            Datetime::Make(2024, 11, 3, 1, 15, 0, 1), // St John's goes back
        };
        for (const Datetime& when : times) {
            Testclock clock(when);
            ASSERT_TRUE(Restorewinners(dir.Path(), clock));
            EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine)
                << tz << " " << when.Day << " " << when.Millisecond;
            const double stamp = Readwinners(Winnersfile(dir.Path(), 5)).Record.Stamp;
            EXPECT_NEAR(stamp, when.Serial(), 1.0 / 24 + 1e-9); // at most the skipped hour
        }
        // An instant's local reading names that instant again.
        const auto noon = std::chrono::sys_days{std::chrono::year{2024} / 7 / 1};
        for (int h = 0; h < 48; h += 5) {
            const auto t = noon + std::chrono::hours(h) + std::chrono::milliseconds(123);
            EXPECT_EQ(Systemtime(Localdatetime(t)), t) << tz << " " << h;
        }
    }
}

// Files written in one zone pass in any other (their stamps lie a whole number of quarter hours
// from universal time); a file changed since still fails there.
TEST(Winnersstamp, FilesFromAnotherZonePassAndChangedOnesStillFail) {
    if (!fs::exists("/usr/share/zoneinfo/Pacific/Chatham")) GTEST_SKIP() << "no time zone data";
    Tempfolder dir;
    {
        testkit::Timezone zone("Europe/London");
        Testclock clock(Datetime::Make(2024, 7, 15, 12)); // summer time
        ASSERT_TRUE(Restorewinners(dir.Path(), clock));
    }
    for (const char* tz : {"Asia/Kolkata", "Pacific/Chatham", "Pacific/Kiritimati", "Etc/GMT+12"}) {
        testkit::Timezone zone(tz);
        EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine) << tz;
    }
    testkit::Timezone zone("Asia/Kolkata");
    for (int seconds : {60, 16 * 3600}) {
        Shifttime(Winnersfile(dir.Path(), 8), seconds);
        EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Altered) << seconds;
        Shifttime(Winnersfile(dir.Path(), 8), -seconds);
    }
}
#endif

} // namespace
} // namespace tc
