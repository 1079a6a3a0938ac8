// The TOP FIVE lists: ranking by time then attempts, the name rules, the list's texts, the name
// panel and the list in whole games played in virtual time, the list from the setting menu, and
// the editor of design mode.
#include "play/game.h"
#include "records/topfive.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"
#include <cerrno>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

namespace fs = std::filesystem;
using testkit::Tempfolder;

constexpr int Slot = 17; // any slot: the functions must keep to it

// A list with these (seconds, attempts) entries at places 1, 2, ...; the rest empty.
Winnersrecord Listof(const std::vector<std::pair<int, int>>& entries, int slot = Slot) {
    Winnersrecord r;
    for (size_t k = 0; k < entries.size(); ++k) {
        const int i = Entryindex(slot, static_cast<int>(k) + 1);
        r.Player[i] = "P" + std::to_string(k + 1);
        r.Duration[i] = entries[k].first;
        r.Attempt[i] = entries[k].second;
    }
    return r;
}

// ---- Ranking ----

TEST(Topfiveranking, TimeFirstThenAttemptsAndANewGameGoesBeforeItsEquals) {
    const Winnersrecord two = Listof({{30, 5}, {30, 6}});
    EXPECT_EQ(Winnersplace(two, Slot, 30, 7), 3); // after both
    EXPECT_EQ(Winnersplace(two, Slot, 30, 5), 1); // before the equal entry
    EXPECT_EQ(Winnersplace(two, Slot, 30, 6), 2);
    EXPECT_EQ(Winnersplace(two, Slot, 29, 26), 1);               // less time beats any attempts
    EXPECT_EQ(Winnersplace(two, Slot, 31, 1), 3);                // more time loses to any attempts
    EXPECT_EQ(Winnersplace(Winnersrecord{}, Slot, 3599, 26), 1); // any real game beats empty

    const Winnersrecord full = Listof({{10, 3}, {20, 4}, {30, 5}, {40, 6}, {100, 8}});
    EXPECT_EQ(Winnersplace(full, Slot, 100, 7), 5); // same time as place 5, fewer attempts
    EXPECT_EQ(Winnersplace(full, Slot, 100, 8), 0); // same time and attempts: no entry
    EXPECT_EQ(Winnersplace(full, Slot, 101, 1), 0);
    EXPECT_EQ(Winnersplace(full, Slot, 99, 20), 5);
    // Another slot's entries play no part.
    EXPECT_EQ(Winnersplace(full, Slot + 1, 101, 1), 1);
}

TEST(Topfiveranking, InsertingMovesTheRestDownAndDropsTheFifth) {
    Winnersrecord r = Listof({{10, 3}, {20, 4}, {30, 5}, {40, 6}, {100, 8}});
    const Winnersrecord before = r;
    Insertwinner(r, Slot, 2, "New", 15, 9);
    const auto entry = [&](int p) {
        const int i = Entryindex(Slot, p);
        return std::make_tuple(r.Player[i], r.Duration[i], r.Attempt[i]);
    };
    using E = std::tuple<std::string, int, int>;
    EXPECT_EQ(entry(1), E("P1", 10, 3));
    EXPECT_EQ(entry(2), E("New", 15, 9));
    EXPECT_EQ(entry(3), E("P2", 20, 4));
    EXPECT_EQ(entry(4), E("P3", 30, 5));
    EXPECT_EQ(entry(5), E("P4", 40, 6));
    // Only the slot's per-place fields changed.
    Winnersrecord other = r;
    for (int p = 1; p <= Nplaces; ++p) {
        const int i = Entryindex(Slot, p);
        other.Player[i] = before.Player[i];
        other.Duration[i] = before.Duration[i];
        other.Attempt[i] = before.Attempt[i];
    }
    EXPECT_EQ(other, before);

    Insertwinner(r, Slot, 5, "Last", 50, 1);
    EXPECT_EQ(entry(4), E("P3", 30, 5));
    EXPECT_EQ(entry(5), E("Last", 50, 1));
}

// ---- Names ----

TEST(Topfivename, EmptyGivesXxxAndLongNamesAreCutTo15Characters) {
    EXPECT_EQ(Recordname(""), "xxx");
    EXPECT_EQ(Recordname(" Bo "), " Bo "); // kept as typed
    EXPECT_EQ(Recordname("ABCDEFGHIJKLMNO"), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(Recordname("ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKLMNO");
    // Characters, not bytes: fifteen "é" are kept whole, a sixteenth goes.
    std::string e15, e16;
    for (int k = 0; k < 15; ++k) e15 += "\xC3\xA9";
    e16 = e15 + "\xC3\xA9";
    EXPECT_EQ(Recordname(e15), e15);
    EXPECT_EQ(Recordname(e16), e15);
    EXPECT_EQ(Firstcharacters("ab\xE2\x82\xAC"
                              "cd",
                              3),
              "ab\xE2\x82\xAC");
}

TEST(Topfivename, FilesHoldOneBytePerCharacter) {
    EXPECT_EQ(Namebytes("Zo\xC3\xAB"), "Zo\xEB");
    EXPECT_EQ(Nametext("Zo\xEB"), "Zo\xC3\xAB");
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(Namebytes(Nametext(all)), all);
    EXPECT_EQ(Nametext(all).size(), 127u + 2 * 128u);
    // What one byte cannot hold becomes '?', one for each character or stray byte.
    EXPECT_EQ(Namebytes("a\xE2\x82\xAC"
                        "b\xF0\x9F\x98\x80"),
              "a?b?");
    EXPECT_EQ(Namebytes("x\xC3"), "x?");           // cut short
    EXPECT_EQ(Namebytes("\xA9\xC3\xA9"), "?\xE9"); // a continuation byte alone
    EXPECT_EQ(Namebytes("\xC3("), "?(");
    // A name of 15 characters takes 15 bytes in the file.
    std::string e15;
    for (int k = 0; k < 15; ++k) e15 += "\xC3\xA9";
    EXPECT_EQ(Namebytes(Recordname(e15)).size(), 15u);
}

// ---- The list's texts ----

TEST(Topfivetexts, AverageHasOneDecimalAndNoLeadingZero) {
    EXPECT_EQ(Averagetext(5.26f), "5.3");
    EXPECT_EQ(Averagetext(0.5f), ".5");
    EXPECT_EQ(Averagetext(0.04f), ".0");
    EXPECT_EQ(Averagetext(5.25f), "5.3"); // a half rounds up
    EXPECT_EQ(Averagetext(5.0f), "5.0");
    EXPECT_EQ(Averagetext(9.96f), "10.0");
    EXPECT_EQ(Averagetext(12.34f), "12.3");
}

TEST(Topfivetexts, EntriesAndStatistics) {
    Winnersrecord r = Listof({{75, 2}, {3599, 27}});
    r.Player[Entryindex(Slot, 1)] = "Zo\xEB";
    r.Player[Entryindex(Slot, 2)] = "P\n2"; // a line feed from an edited file forges no line
    Winnerstexts t = Listtexts(r, Slot);
    EXPECT_EQ(t.Names, " 1.  Zo\xC3\xAB\n\n 2.  P\\x0A2\n\n 3.  \n\n 4.  \n\n 5.  \n\n");
    EXPECT_EQ(t.Times, "1 minute 15 seconds\n\n59 minutes 59 seconds\n\n\n\n\n\n\n\n");
    // 27 attempts of a real game are shown; an empty entry shows none.
    EXPECT_EQ(t.Attempts, "2\n\n27\n\n\n\n\n\n\n\n");
    EXPECT_EQ(t.Statistics, "\n                  No Data Available");

    r.Population[Slot] = 120;
    r.Average[Slot] = 5.26f;
    EXPECT_EQ(Listtexts(r, Slot).Statistics,
              "Population Size:   120\nAverage No. of Attempts:   5.3");
    // Statistics of another slot do not count.
    EXPECT_EQ(Listtexts(r, Slot + 1).Statistics, "\n                  No Data Available");
    // An edited entry with an empty time but real attempts shows the attempts only.
    r.Duration[Entryindex(Slot, 3)] = 3600;
    r.Attempt[Entryindex(Slot, 3)] = 4;
    t = Listtexts(r, Slot);
    EXPECT_EQ(t.Times, "1 minute 15 seconds\n\n59 minutes 59 seconds\n\n\n\n\n\n\n\n");
    EXPECT_EQ(t.Attempts, "2\n\n27\n\n4\n\n\n\n\n\n");
}

// ---- The editor's values ----

TEST(Topfiveeditor, PopulationAndAverageMustBeNumbers) {
    EXPECT_EQ(Populationvalue("120"), 120);
    EXPECT_EQ(Populationvalue(" 7 "), 7);
    EXPECT_EQ(Populationvalue("0"), 0);
    EXPECT_EQ(Populationvalue("32767"), 32767);
    for (const char* bad : {"", " ", "abc", "12a", "1.5", "-1", "32768", "+3", "1 2"})
        EXPECT_FALSE(Populationvalue(bad)) << bad;

    EXPECT_EQ(Averagevalue("5.25"), 5.25f);
    EXPECT_EQ(Averagevalue(".5"), 0.5f);
    EXPECT_EQ(Averagevalue(" 6 "), 6.0f);
    EXPECT_EQ(Averagevalue("0"), 0.0f);
    for (const char* bad : {"", "abc", "5,3", "5.3x", "nan", "inf", "-1", "1e40"})
        EXPECT_FALSE(Averagevalue(bad)) << bad;
}

TEST(Topfiveeditor, DurationAndAttemptsTakeTheLeadingNumber) {
    EXPECT_EQ(Leadingnumber("45"), 45);
    EXPECT_EQ(Leadingnumber("45 s"), 45);
    EXPECT_EQ(Leadingnumber("  12.7"), 12);
    EXPECT_EQ(Leadingnumber("-3x"), -3);
    EXPECT_EQ(Leadingnumber("abc"), 0);
    EXPECT_EQ(Leadingnumber(""), 0);
    EXPECT_EQ(Leadingnumber("99999999999"), 32767);
    EXPECT_EQ(Leadingnumber("-99999"), -32768);
}

// ---- Whole games ----

struct Topfivegame : ::testing::Test, testkit::Virtualgame {
    Tempfolder dir;
    // The menu's first setting: 10 colours, length 3, trial 1, no error, fixed order, no
    // repetition.
    const int slot = 0;
    const std::string head = "No. of Colours: 10     Trial 1     Length: 3     No error     "
                             "Fixed order     No repetition";

    Topfivegame() {
        g.Programfolder = dir.Path();
        EXPECT_TRUE(Restorewinners(dir.Path(), clock));
        Act([&] { g.Menus.Menu_Click(Menucommand::Mnukey); });
    }
    fs::path File() const { return Winnersfile(dir.Path(), 10); }
    Winnersrecord Stored() const {
        const Loadedrecord f = Readwinners(File());
        EXPECT_EQ(f.Status, Filestatus::Ok);
        return f.Record;
    }
    void Store(Winnersrecord r) { ASSERT_EQ(Writewinners(File(), r, clock), Writeresult::Written); }
    // Plays a "You guess" game won in `attempts` attempts after `seconds`, and presses End.
    void Win(int attempts, int seconds, const std::string& answer = "789") {
        Startyouguess(answer);
        for (const std::string& s : testkit::Wrongguesses(attempts - 1, answer)) Play(s);
        Seconds(seconds);
        Guess(answer);
        ASSERT_TRUE(g.Message.Visible);
        ASSERT_EQ(g.Message.Tag, "Win");
        Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });
    }
    void Name(const std::string& name) {
        ASSERT_TRUE(m.Frgetname.Visible);
        m.Txtname.Caption = name;
        Act([&] { g.Topfivelist.Cmdokname_Click(); });
    }
    std::tuple<std::string, int, int> Entry(const Winnersrecord& r, int place) const {
        const int i = Entryindex(slot, place);
        return {r.Player[i], r.Duration[i], r.Attempt[i]};
    }
    void Expectidle() {
        EXPECT_FALSE(m.Frgetname.Visible);
        EXPECT_FALSE(m.Picwinners.Visible);
        EXPECT_TRUE(m.Picfore.Visible);
        EXPECT_EQ(g.Rec.Status, Gamestatus::None);
        EXPECT_EQ(g.Wait.Key(), "Picfore");
        EXPECT_EQ(g.Wait.Timeout, 300);
        EXPECT_TRUE(m.Mnuset.Enabled);
    }
};

using E = std::tuple<std::string, int, int>;

TEST_F(Topfivegame, PanelsStartHidden) {
    EXPECT_FALSE(m.Frgetname.Visible);
    EXPECT_FALSE(m.Picwinners.Visible);
    EXPECT_FALSE(m.Fredit.Visible);
    EXPECT_EQ(m.Lblcharacter.Caption,
              "(Do not enter more than 15 characters. You have 1 minute's  time to do this.)");
    EXPECT_EQ(m.Lblwinners.Caption, "TOP   FIVE");
}

TEST_F(Topfivegame, FirstWinTakesPlaceOneThenTheListThenIdle) {
    Win(2, 75);
    ASSERT_TRUE(m.Frgetname.Visible);
    EXPECT_EQ(m.Lblgetname.Caption,
              "Congratulation! You have entered the TOP FIVE list, please input your name.");
    EXPECT_EQ(m.Txtname.Caption, "");
    EXPECT_TRUE(m.Txtname.Focused);
    EXPECT_TRUE(m.Cmdokname.Default);
    EXPECT_EQ(g.Wait.Key(), "Frgetname");
    EXPECT_EQ(g.Wait.Timeout, 60);
    // The game can no longer be ended from the menu or the toolbar.
    EXPECT_FALSE(m.Mnuend.Enabled);
    EXPECT_FALSE(m.Tlbgame[4].Enabled);
    EXPECT_FALSE(m.Franswer.Visible);
    EXPECT_TRUE(m.Picrecord.Ops.empty());

    Name("Ada");
    EXPECT_FALSE(m.Frgetname.Visible);
    const Winnersrecord r = Stored();
    EXPECT_EQ(Entry(r, 1), E("Ada", 75, 2));
    for (int p = 2; p <= 5; ++p) EXPECT_EQ(Entry(r, p), E("", 3600, 27)) << p;
    // Written with its stamp: the next start accepts the file.
    EXPECT_EQ(r.Stamp, clock.Now().Serial());
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);

    ASSERT_TRUE(m.Picwinners.Visible);
    EXPECT_EQ(m.Lblhead.Caption, head);
    EXPECT_EQ(m.Lblname.Caption, " 1.  Ada\n\n 2.  \n\n 3.  \n\n 4.  \n\n 5.  \n\n");
    EXPECT_EQ(m.Lbllisttime.Caption, "1 minute 15 seconds\n\n\n\n\n\n\n\n\n\n");
    EXPECT_EQ(m.Lblattempt.Caption, "2\n\n\n\n\n\n\n\n\n\n");
    EXPECT_EQ(m.Lbldata.Caption, "\n                  No Data Available");
    EXPECT_TRUE(m.Cmdcontinue.Default);
    EXPECT_FALSE(m.Fredit.Visible);
    EXPECT_EQ(g.Wait.Key(), "Picwinners");
    EXPECT_EQ(g.Wait.Timeout, 60);

    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    Expectidle();
    EXPECT_FALSE(m.Frmenu.Visible);
}

TEST_F(Topfivegame, TiesGoAfterFewerAttemptsAndBeforeEqualEntries) {
    Store(Listof({{30, 5}, {30, 6}}, slot));
    Win(7, 30);
    Name("Seven");
    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    Winnersrecord r = Stored();
    EXPECT_EQ(Entry(r, 1), E("P1", 30, 5));
    EXPECT_EQ(Entry(r, 2), E("P2", 30, 6));
    EXPECT_EQ(Entry(r, 3), E("Seven", 30, 7));

    Win(5, 30);
    Name("Five");
    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    r = Stored();
    EXPECT_EQ(Entry(r, 1), E("Five", 30, 5));
    EXPECT_EQ(Entry(r, 2), E("P1", 30, 5));
    EXPECT_EQ(Entry(r, 3), E("P2", 30, 6));
    EXPECT_EQ(Entry(r, 4), E("Seven", 30, 7));
    EXPECT_EQ(Entry(r, 5), E("", 3600, 27));
}

TEST_F(Topfivegame, EqualToPlaceFiveDoesNotEnterFewerAttemptsDoes) {
    Store(Listof({{10, 2}, {20, 3}, {30, 3}, {30, 4}, {30, 5}}, slot));
    const Winnersrecord before = Stored();
    Win(5, 30);
    EXPECT_FALSE(m.Frgetname.Visible);
    Expectidle();
    EXPECT_EQ(Stored(), before); // not even written again

    Win(4, 30);
    Name("Four");
    const Winnersrecord r = Stored();
    EXPECT_EQ(Entry(r, 3), E("P3", 30, 3));
    EXPECT_EQ(Entry(r, 4), E("Four", 30, 4)); // before the entry it equals
    EXPECT_EQ(Entry(r, 5), E("P4", 30, 4));
}

TEST_F(Topfivegame, NamePanelLeftAloneStoresXxxAndTheListClosesItself) {
    Win(3, 40);
    ASSERT_TRUE(m.Frgetname.Visible);
    Seconds(59);
    EXPECT_TRUE(m.Frgetname.Visible);
    Seconds(1);
    EXPECT_FALSE(m.Frgetname.Visible);
    EXPECT_EQ(Entry(Stored(), 1), E("xxx", 40, 3));
    ASSERT_TRUE(m.Picwinners.Visible);
    EXPECT_EQ(m.Lblname.Caption.substr(0, 10), " 1.  xxx\n\n");
    Seconds(60);
    Expectidle();
}

TEST_F(Topfivegame, NamesAreStoredAsTypedAndCutTo15Characters) {
    Win(2, 10);
    Name(" Bo ");
    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    Win(2, 9);
    Name("Bartholomew Jones");
    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    Win(2, 8);
    Name("Zo\xC3\xAB");
    const Winnersrecord r = Stored();
    EXPECT_EQ(Entry(r, 1), E("Zo\xEB", 8, 2)); // one byte per character in the file
    EXPECT_EQ(Entry(r, 2), E("Bartholomew Jon", 9, 2));
    EXPECT_EQ(Entry(r, 3), E(" Bo ", 10, 2));
    EXPECT_EQ(m.Lblname.Caption.substr(0, 11), " 1.  Zo\xC3\xAB\n\n");
}

// A won "You guess" game, as the win message's End leaves it.
struct Wonstate {
    const char* what;
    int who = 1;
    Filestate saved = Filestate::Unsaved;
    int errorpending = 0;
    int trial = 5;
    int elapsed = 100;
    bool enters = false;
};

TEST_F(Topfivegame, GamesThatNeverReachTheNamePanel) {
    const Wonstate cases[] = {
        {"a qualifying game", 1, Filestate::Unsaved, 0, 5, 100, true},
        {"a saved game", 1, Filestate::Saved, 0, 5, 100, true},
        {"a loaded game", 1, Filestate::Loaded},
        {"a falsified hint left uncorrected", 1, Filestate::Unsaved, -1},
        {"a win at trial 27", 1, Filestate::Unsaved, 0, 27},
        {"an hour spent", 1, Filestate::Unsaved, 0, 5, 3600},
        {"computer guesses", 2},
        {"watch computer play", 3},
    };
    for (const Wonstate& c : cases) {
        SCOPED_TRACE(c.what);
        Act([&] { g.Gamestarter.Finishgame(); });
        m.Frgetname.Visible = false;
        g.Setting.Whoguess = static_cast<Role>(c.who);
        g.Rec.Status = Gamestatus::Win;
        g.Rec.Savedstate = c.saved;
        g.Rec.Errorpending = c.errorpending;
        g.Rec.Trial = g.Rec.Finaltrial = c.trial;
        g.Rec.Attempts = c.trial;
        g.Rec.Elapsed = g.Rec.Winseconds = c.elapsed;
        const Winnersrecord before = Stored();
        Act([&] { g.Topfivelist.Offerrecord(); });
        EXPECT_EQ(m.Frgetname.Visible, c.enters);
        if (!c.enters) {
            Expectidle();
            EXPECT_EQ(Stored(), before);
        }
    }
}

TEST_F(Topfivegame, AFileThatCannotBeReadTakesNoEntryAndIsNotCreated) {
    fs::remove(File());
    Win(2, 10);
    Expectidle();
    EXPECT_FALSE(fs::exists(File()));

    // Lost between the name panel and OK: still nothing is written.
    ASSERT_TRUE(Restorewinners(dir.Path(), clock));
    Win(2, 10);
    ASSERT_TRUE(m.Frgetname.Visible);
    fs::remove(File());
    Name("Ada");
    EXPECT_FALSE(fs::exists(File()));
    ASSERT_TRUE(m.Picwinners.Visible);
    EXPECT_EQ(m.Lblname.Caption, " 1.  \n\n 2.  \n\n 3.  \n\n 4.  \n\n 5.  \n\n");
    // The player is told why, over the list.
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Your entry in the TOP FIVE list could not be stored.\nThe file " + File().string() +
                  " is missing.");
}

TEST_F(Topfivegame, AnEditedFileIsNotStampedAnewAndAFailedWriteIsToldAlsoByTheEditor) {
    Win(2, 10);
    // Edited behind the game's back while the name panel waits.
    fs::last_write_time(File(), fs::last_write_time(File()) - std::chrono::minutes(7));
    const auto edited = testkit::Filebytes(File());
    Name("Ada");
    EXPECT_EQ(testkit::Filebytes(File()), edited);
    const std::string told =
        "Your entry in the TOP FIVE list could not be stored.\nThe file " + File().string();
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              told + " has been changed by another programme, so the records were not updated.");
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Altered);

    ASSERT_TRUE(Restorewinners(dir.Path(), clock));
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    g.Designmode = true;
    Act([&] { g.Menus.Mnuset_Click(); });
    ASSERT_TRUE(lists.Choose(lists.Cbwho, "You guess"));
    Act([&] { g.Topfivelist.Cmdtop_Click(); });
    ASSERT_TRUE(m.Fredit.Visible);
    m.Txtpopulation.Caption = "5";
    {
        testkit::Injectedfault full(Oscall::Write, ENOSPC);
        EXPECT_FALSE(g.Topfivelist.Cmdgo_Click());
    }
    EXPECT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              told + " cannot be written. The disk is full; make room on it and try again.");
    EXPECT_EQ(Stored().Population[slot], 0);
}

TEST_F(Topfivegame, FromTheMenuTheListShowsTheChosenSettingAndContinueReturnsToTheMenu) {
    // 7 colours, length 4, random order, each colour at most 2 times.
    Gamesetting chosen;
    chosen.Ncolours = 7;
    chosen.Codelength = 4;
    chosen.Ordertype = Orderkind::Random;
    chosen.Maxrepeat = 2;
    const int s = Settingslot(chosen);
    Winnersrecord r = Listof({{50, 6}}, s);
    r.Population[s] = 12;
    r.Average[s] = 5.25f;
    ASSERT_EQ(Writewinners(Winnersfile(dir.Path(), 7), r, clock), Writeresult::Written);

    // A game played first: its trial count stays in the record afterwards.
    Win(2, 10);
    Name("Ada");
    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    ASSERT_NE(g.Rec.Trial, 0);

    Act([&] { g.Menus.Mnuset_Click(); });
    ASSERT_TRUE(lists.Choose(lists.Cbwho, "You guess"));
    ASSERT_TRUE(lists.Choose(lists.Cbcolour, "7"));
    ASSERT_TRUE(lists.Choose(lists.Cblength, "4"));
    ASSERT_TRUE(lists.Choose(lists.Cborder, "Random order"));
    ASSERT_TRUE(lists.Choose(lists.Cbrepeat, "Each colour at most 2 times"));
    Act([&] { g.Topfivelist.Cmdtop_Click(); });
    EXPECT_EQ(g.Setting.Ncolours, 7);
    EXPECT_FALSE(m.Frmenu.Visible);
    EXPECT_FALSE(m.Picfore.Visible);
    ASSERT_TRUE(m.Picwinners.Visible);
    EXPECT_EQ(m.Lblhead.Caption, "No. of Colours: 7     Trial 1     Length: 4     No error     "
                                 "Random order     Each colour at most 2 times");
    EXPECT_EQ(m.Lblname.Caption, " 1.  P1\n\n 2.  \n\n 3.  \n\n 4.  \n\n 5.  \n\n");
    EXPECT_EQ(m.Lbllisttime.Caption, "50 seconds\n\n\n\n\n\n\n\n\n\n");
    EXPECT_EQ(m.Lblattempt.Caption, "6\n\n\n\n\n\n\n\n\n\n");
    EXPECT_EQ(m.Lbldata.Caption, "Population Size:   12\nAverage No. of Attempts:   5.3");
    EXPECT_EQ(g.Wait.Key(), "Picwinners");

    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    EXPECT_FALSE(m.Picwinners.Visible);
    EXPECT_TRUE(m.Frmenu.Visible);
    EXPECT_TRUE(m.Cmdstart.Default);
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
    EXPECT_EQ(g.Wait.Timeout, 300);
    EXPECT_FALSE(m.Mnuset.Enabled); // the menu is still open
    EXPECT_EQ(lists.Cbcolour.Text(), "7");

    // The list's time-out presses Continue, back to the menu as well.
    Act([&] { g.Topfivelist.Cmdtop_Click(); });
    Seconds(60);
    EXPECT_FALSE(m.Picwinners.Visible);
    EXPECT_TRUE(m.Frmenu.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
}

TEST_F(Topfivegame, TheListButtonDoesNothingForTheComputersGames) {
    Act([&] { g.Menus.Mnuset_Click(); });
    ASSERT_TRUE(lists.Choose(lists.Cbwho, "Computer guesses"));
    EXPECT_FALSE(lists.Cmdtop.Enabled);
    Act([&] { g.Topfivelist.Cmdtop_Click(); });
    EXPECT_FALSE(m.Picwinners.Visible);
    EXPECT_TRUE(m.Frmenu.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
}

TEST_F(Topfivegame, EditorStoresAnEntryAndRefusesWhatIsNotANumber) {
    Winnersrecord r = Listof({{30, 5}, {40, 6}}, slot);
    r.Population[slot] = 12;
    r.Average[slot] = 5.25f;
    Store(r);
    g.Designmode = true;
    Act([&] { g.Menus.Mnuset_Click(); });
    ASSERT_TRUE(lists.Choose(lists.Cbwho, "You guess"));
    Act([&] { g.Topfivelist.Cmdtop_Click(); });
    ASSERT_TRUE(m.Fredit.Visible);
    EXPECT_EQ(m.Cbedit.Items, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(m.Cbedit.Text(), "1");
    EXPECT_EQ(m.Txtplayer.Caption, "P1");
    EXPECT_EQ(m.Txtduration.Caption, "30");
    EXPECT_EQ(m.Txtattempt.Caption, "5");
    EXPECT_EQ(m.Txtpopulation.Caption, "12");
    EXPECT_EQ(m.Txtaverage.Caption, "5.25");
    // The designer takes the time needed: no time-out.
    EXPECT_EQ(g.Wait.Key(), "");

    m.Cbedit.Listindex = 1;
    Act([&] { g.Topfivelist.Cbedit_Click(); });
    EXPECT_EQ(m.Txtplayer.Caption, "P2");
    EXPECT_EQ(m.Txtduration.Caption, "40");

    m.Txtplayer.Caption = "Zo\xC3\xAB the designer";
    m.Txtduration.Caption = "45 s";
    m.Txtattempt.Caption = "x";
    m.Txtpopulation.Caption = "lots";
    m.Txtaverage.Caption = "4.5";
    bool stored = true;
    Act([&] { stored = g.Topfivelist.Cmdgo_Click(); });
    EXPECT_FALSE(stored); // the population was refused
    r = Stored();
    EXPECT_EQ(Entry(r, 2), E("Zo\xEB the designe", 45, 0));
    EXPECT_EQ(r.Population[slot], 12);
    EXPECT_EQ(r.Average[slot], 4.5f);
    EXPECT_EQ(Checkwinners(dir.Path()).Verdict, Winnersverdict::Fine);
    // The list is shown again from the file, the editor at place 1, the old population back.
    EXPECT_EQ(m.Lblname.Caption,
              " 1.  P1\n\n 2.  Zo\xC3\xAB the designe\n\n 3.  \n\n 4.  \n\n 5.  \n\n");
    EXPECT_EQ(m.Cbedit.Text(), "1");
    EXPECT_EQ(m.Txtpopulation.Caption, "12");
    EXPECT_EQ(m.Txtaverage.Caption, "4.5");

    m.Txtpopulation.Caption = "20";
    m.Txtaverage.Caption = "five";
    Act([&] { stored = g.Topfivelist.Cmdgo_Click(); });
    EXPECT_FALSE(stored);
    r = Stored();
    EXPECT_EQ(r.Population[slot], 20);
    EXPECT_EQ(r.Average[slot], 4.5f);
    EXPECT_EQ(Entry(r, 1), E("P1", 30, 5)); // place 1 written back as it was shown

    m.Txtaverage.Caption = "6.125";
    Act([&] { stored = g.Topfivelist.Cmdgo_Click(); });
    EXPECT_TRUE(stored);
    EXPECT_EQ(Stored().Average[slot], 6.125f);
    EXPECT_EQ(m.Lbldata.Caption, "Population Size:   20\nAverage No. of Attempts:   6.1");

    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    EXPECT_FALSE(m.Fredit.Visible);
    EXPECT_TRUE(m.Frmenu.Visible);
}

TEST_F(Topfivegame, EditorIsForDesignModeOnlyAndStoresOnlyAnEntryThatExists) {
    const Winnersrecord before = Stored();
    Act([&] { g.Menus.Mnuset_Click(); });
    ASSERT_TRUE(lists.Choose(lists.Cbwho, "You guess"));
    Act([&] { g.Topfivelist.Cmdtop_Click(); });
    EXPECT_FALSE(m.Fredit.Visible);
    m.Txtpopulation.Caption = "5";
    m.Txtaverage.Caption = "5";
    EXPECT_FALSE(g.Topfivelist.Cmdgo_Click());
    EXPECT_EQ(Stored(), before);

    // In design mode GO stores only a place of the list, of a setting that has a slot.
    g.Designmode = true;
    Act([&] { g.Topfivelist.Cmdcontinue_Click(); });
    Act([&] { g.Topfivelist.Cmdtop_Click(); });
    ASSERT_TRUE(m.Fredit.Visible);
    m.Txtpopulation.Caption = "5";
    m.Cbedit.Listindex = Nplaces;
    EXPECT_FALSE(g.Topfivelist.Cmdgo_Click());
    m.Cbedit.Listindex = 0;
    g.Setting.Codelength = 9;
    EXPECT_FALSE(g.Topfivelist.Cmdgo_Click());
    EXPECT_EQ(Stored(), before);
}

} // namespace
} // namespace tc
