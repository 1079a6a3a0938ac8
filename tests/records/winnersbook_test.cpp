// The records keeper the game talks to: averages of a setting, the statistics update with its
// stamp, files that cannot be read, and batched updates.
#include "records/winnersbook.h"
#include "tests/records/recordtesting.h"
#include <cerrno>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace tc {
namespace {

namespace fs = std::filesystem;
using testkit::Filebytes;
using testkit::Putbytes;
using testkit::Tempfolder;
using testkit::Testclock;

// "Watch computer play", 8 colours, "Unspecified (3 - 5)", random order, at most 2 times.
Gamesetting Watchsetting(int start = 1, int hint = 1) {
    Gamesetting s;
    s.Whoguess = Role::Watch;
    s.Ncolours = 8;
    s.Codelength = 5;
    s.Fixedlength = 0;
    s.Maxblanks = 2;
    s.Ordertype = Orderkind::Random;
    s.Maxrepeat = 2;
    s.Starttype = static_cast<Startkind>(start);
    s.Starttrial = 1;
    s.Hinttype = static_cast<Hintkind>(hint);
    return s;
}

class Winnersbookfixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Restorewinners(dir.Path(), clock)); }
    fs::path File(int n) const { return Winnersfile(dir.Path(), n); }
    Winnersrecord Record(int n) const {
        Loadedrecord f = Readwinners(File(n));
        EXPECT_EQ(f.Status, Filestatus::Ok);
        return f.Record;
    }
    void Setaverage(int slot, float a) {
        Winnersrecord r = Record(8);
        r.Average[slot] = a;
        ASSERT_EQ(Writewinners(File(8), r, clock), Writeresult::Written);
    }

    Tempfolder dir;
    Testclock clock;
};

TEST_F(Winnersbookfixture, AverageIsTakenFromTheTrialOneNoErrorSlot) {
    const int base = Settingslot(Watchsetting());
    Setaverage(base, 5.25f);
    Setaverage(Settingslot(Watchsetting(2, 2)), 9.0f);
    Winnersbook book(dir.Path(), clock);
    EXPECT_EQ(book.Average(Watchsetting()), 5.25f);
    EXPECT_EQ(book.Average(Watchsetting(2, 2)), 5.25f);
    EXPECT_EQ(book.Lastfault(), Bookfault::None);

    // Values no game can give never reach the caller's conversion to a trial.
    Setaverage(base, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(book.Average(Watchsetting()), 0.0f);
    Setaverage(base, 1e30f);
    EXPECT_EQ(book.Average(Watchsetting()), 27.0f);
    Setaverage(base, -3.0f);
    EXPECT_EQ(book.Average(Watchsetting()), 0.0f);

    fs::remove(File(8));
    EXPECT_EQ(book.Average(Watchsetting()), 0.0f);
    EXPECT_EQ(book.Lastfault(), Bookfault::Missing);
    Gamesetting odd = Watchsetting();
    odd.Ncolours = 11;
    EXPECT_EQ(book.Average(odd), 0.0f);
    EXPECT_EQ(book.Lastfault(), Bookfault::Badsetting);
}

TEST_F(Winnersbookfixture, AddstatisticUpdatesTheSlotAndRenewsTheStamp) {
    Winnersbook book(dir.Path(), clock);
    const Gamesetting s = Watchsetting();
    const int slot = Settingslot(s);
    clock.Advance(5 * 60'000);
    book.Addstatistic(s, 4);
    clock.Advance(60'000);
    book.Addstatistic(s, 7);
    Winnersrecord r = Record(8);
    EXPECT_EQ(r.Average[slot], 5.5f);
    EXPECT_EQ(r.Population[slot], 2);
    EXPECT_EQ(r.Stamp, clock.Now().Serial());
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
    EXPECT_EQ(book.Average(s), 5.5f);

    // Past the cap nothing changes but the stamp.
    r.Population[slot] = 30001;
    ASSERT_EQ(Writewinners(File(8), r, clock), Writeresult::Written);
    clock.Advance(60'000);
    book.Addstatistic(s, 27);
    const Winnersrecord after = Record(8);
    EXPECT_EQ(after.Average[slot], 5.5f);
    EXPECT_EQ(after.Population[slot], 30001);
    EXPECT_EQ(after.Stamp, clock.Now().Serial());
}

TEST_F(Winnersbookfixture, AFileThatCannotBeReadIsLeftForTheNextStartToReport) {
    const auto t = fs::last_write_time(File(8));
    auto bytes = Filebytes(File(8));
    bytes[8] = 0xFF;
    bytes[9] = 0xFF;
    Putbytes(File(8), bytes);
    fs::last_write_time(File(8), t);
    Winnersbook book(dir.Path(), clock);
    clock.Advance(60'000);
    book.Addstatistic(Watchsetting(), 4);
    EXPECT_EQ(book.Lastfault(), Bookfault::Malformed);
    EXPECT_EQ(Filebytes(File(8)), bytes);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Malformed);

    // A file that cannot be written keeps its old contents; the fault is told.
    ASSERT_TRUE(Restorewinners(dir.Path(), clock));
    const auto good = Filebytes(File(8));
    testkit::Fulldisk full(1000);
    EXPECT_EQ(book.Addstatistic(Watchsetting(), 4),
              "The file " + File(8).string() +
                  " cannot be written. The disk is full; make room on it and try again.");
    EXPECT_EQ(book.Lastfault(), Bookfault::Unwritable);
    EXPECT_EQ(Filebytes(File(8)), good);
}

TEST_F(Winnersbookfixture, BatchedGamesReachTheFileAtMostOnceASecond) {
    Tempfolder plain;
    ASSERT_TRUE(Restorewinners(plain.Path(), clock));
    Winnersbook unbatched(plain.Path(), clock);
    Winnersbook book(dir.Path(), clock);
    book.Setbatching(true);
    const Gamesetting s = Watchsetting();
    const int slot = Settingslot(s);
    const auto before = Filebytes(File(8));
    const int games[] = {4, 6, 5, 7, 3, 5};

    for (int i = 0; i < 3; ++i) {
        clock.Advance(300);
        book.Addstatistic(s, games[i]);
        unbatched.Addstatistic(s, games[i]);
    }
    EXPECT_EQ(Filebytes(File(8)), before); // 900 ms: nothing written yet
    EXPECT_TRUE(book.Pending());
    EXPECT_EQ(book.Average(s), Readwinners(Winnersfile(plain.Path(), 8)).Record.Average[slot]);

    clock.Advance(300);
    book.Addstatistic(s, games[3]);
    unbatched.Addstatistic(s, games[3]);
    EXPECT_FALSE(book.Pending());
    EXPECT_EQ(Record(8).Population[slot], 4);
    EXPECT_EQ(Record(8).Stamp, clock.Now().Serial());

    for (int i = 4; i < 6; ++i) {
        clock.Advance(10);
        book.Addstatistic(s, games[i]);
        unbatched.Addstatistic(s, games[i]);
    }
    EXPECT_EQ(Record(8).Population[slot], 4);
    EXPECT_TRUE(book.Flush());
    // The same single-precision steps as one write per game.
    const Winnersrecord a = Record(8), b = Readwinners(Winnersfile(plain.Path(), 8)).Record;
    EXPECT_EQ(a.Population[slot], 6);
    EXPECT_EQ(a.Average[slot], b.Average[slot]);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
}

TEST_F(Winnersbookfixture, BatchedGamesKeepWhatAnotherWriterStoredMeanwhile) {
    const Gamesetting s = Watchsetting();
    const int slot = Settingslot(s);
    {
        Winnersbook book(dir.Path(), clock);
        book.Setbatching(true);
        book.Addstatistic(s, 4);
        // A TOP FIVE entry is written while the game waits in memory.
        Winnersrecord r = Record(8);
        r.Player[Entryindex(slot, 1)] = "Gus";
        r.Duration[Entryindex(slot, 1)] = 95;
        ASSERT_EQ(Writewinners(File(8), r, clock), Writeresult::Written);
        book.Addstatistic(s, 6);
        // Ending the batch writes without waiting for the second.
        book.Setbatching(false);
        EXPECT_FALSE(book.Pending());
        const Winnersrecord after = Record(8);
        EXPECT_EQ(after.Player[Entryindex(slot, 1)], "Gus");
        EXPECT_EQ(after.Duration[Entryindex(slot, 1)], 95);
        EXPECT_EQ(after.Population[slot], 2);
        EXPECT_EQ(after.Average[slot], 5.0f);

        book.Setbatching(true);
        book.Addstatistic(s, 8);
    } // the book's end writes the last game
    EXPECT_EQ(Record(8).Population[slot], 3);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
}

TEST_F(Winnersbookfixture, BatchedGamesWaitForAFileThatCannotBeWritten) {
    const Gamesetting s = Watchsetting();
    const int slot = Settingslot(s);
    Winnersbook book(dir.Path(), clock);
    book.Setbatching(true);
    book.Addstatistic(s, 4);
    auto full = std::make_unique<testkit::Fulldisk>(1000);
    EXPECT_FALSE(book.Flush());
    EXPECT_EQ(book.Lastfault(), Bookfault::Unwritable);
    EXPECT_TRUE(book.Pending());
    full.reset();
    EXPECT_TRUE(book.Flush());
    EXPECT_EQ(Record(8).Population[slot], 1);

    // Games for a file that has gone cannot be stored; the file is not made up anew.
    book.Addstatistic(s, 5);
    fs::remove(File(8));
    EXPECT_FALSE(book.Flush());
    EXPECT_EQ(book.Lastfault(), Bookfault::Missing);
    EXPECT_FALSE(book.Pending());
    EXPECT_FALSE(fs::exists(File(8)));
}

TEST_F(Winnersbookfixture, AFileEditedWhilePlayingIsNeverStampedAnew) {
    const Gamesetting s = Watchsetting();
    Winnersbook book(dir.Path(), clock);
    auto bytes = Filebytes(File(8));
    bytes[100] ^= 1; // a hand edit: the file's time is now, its stamp the clock's
    Putbytes(File(8), bytes);
    const std::string altered =
        "The file " + File(8).string() +
        " has been changed by another programme, so the records were not updated.";
    EXPECT_EQ(book.Addstatistic(s, 4), altered);
    EXPECT_EQ(book.Lastfault(), Bookfault::Altered);
    book.Setbatching(true);
    book.Addstatistic(s, 4);
    EXPECT_EQ(book.Setbatching(false), altered);
    EXPECT_EQ(Filebytes(File(8)), bytes);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Altered);
}

#ifndef _WIN32
TEST_F(Winnersbookfixture, EachGameIsCountedOnceWhateverFailsWhere) {
    const Gamesetting s = Watchsetting();
    const int slot = Settingslot(s);
    Winnersbook book(dir.Path(), clock);
    // The folder's flush fails after the rename: the file holds the game, and that is success.
    testkit::Injectedfault later(Oscall::Syncfolder, EIO, 0, 1);
    EXPECT_EQ(book.Addstatistic(s, 4), "");
    EXPECT_EQ(Record(8).Population[slot], 1);
    book.Setbatching(true);
    for (const Oscall call : {Oscall::Open, Oscall::Write, Oscall::Sync, Oscall::Close,
                              Oscall::Rename, Oscall::Syncfolder}) {
        clock.Advance(1000);
        Injectfault(call, EIO);
        const std::string problem = book.Addstatistic(s, 4);
        EXPECT_EQ(problem.empty(), call == Oscall::Syncfolder) << static_cast<int>(call);
        EXPECT_EQ(book.Flush(), true); // the retry stores what failed, and only that
    }
    EXPECT_EQ(Record(8).Population[slot], 7);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
}
#endif

} // namespace
} // namespace tc
