// The start-up checks, the program folder and the title window, driven in virtual time over a
// scratch program folder; and the shipped Winners files made by the generator.
#include "shell/title.h"

#include "engine/random.h"
#include "records/winners.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace tc {
namespace {

namespace fs = std::filesystem;
using testkit::Mediarecorder;
using testkit::Sent;
using testkit::Tempfolder;

void Makefile(const fs::path& p, const std::string& text = "x") {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

class Titlebench : public ::testing::Test {
protected:
    Titlebench() {
        Systemclock now;
        EXPECT_TRUE(Restorewinners(folder.Path(), now));
        game.Mediaout = &media;
        game.Menus.Form_Load();
        game.Registertimers(host);
    }
    // The title as the program makes it once the folder is ready.
    Title& Open() {
        title.Registertimers(host);
        title.Form_Load();
        clock.Sync();
        return title;
    }
    void Act(auto handler) {
        handler();
        clock.Sync();
    }
    bool Intitle() const { return title.Form.Visible && !game.Main.Visible; }
    bool Inmain() const { return !title.Form.Visible && game.Main.Visible; }

    Tempfolder folder;
    Timerhost host;
    Virtualclock clock{host};
    Seededrandom rnd{7};
    Norecords records;
    Game game{rnd, records, clock};
    Mediarecorder media;
    Title title{game, folder.Path(), clock};
};

TEST_F(Titlebench, ControlsCarryTheirTexts) {
    const Fmtitle& f = title.Form;
    EXPECT_EQ(f.Caption, "Tint Cipher");
    EXPECT_EQ(f.Stbtitle.Caption, "Click mouse or just wait for 5 seconds.");
    EXPECT_EQ(f.Lblstart.Caption, "Click mouse to start.");
    EXPECT_EQ(f.Lbltint.Caption, "TINTCIPHER");
    EXPECT_FALSE(f.Lbldesign.Caption.empty());
    EXPECT_EQ(f.Tmrtitle.Interval, 5000);
}

TEST_F(Titlebench, FineFilesPlayVideoAndMusicThenFiveSecondsShowTheMainWindow) {
    Makefile(folder.Path() / "Video" / "Fox.avi");
    Open();
    EXPECT_TRUE(Intitle());
    EXPECT_TRUE(title.Form.Picavi.Visible);
    EXPECT_FALSE(title.Form.Input.Visible);
    EXPECT_FALSE(title.Form.Box.Visible);
    const std::vector<Sent> started = {{"Mmcavi", "Open", "Video/Fox.avi"},
                                       {"Mmcavi", "Play", ""},
                                       {"Mmctitle", "Open", "Music/canyon.mid"},
                                       {"Mmctitle", "Play", ""}};
    EXPECT_EQ(media.Log, started);

    clock.advance(4999);
    EXPECT_TRUE(Intitle());
    clock.advance(1);
    EXPECT_TRUE(Inmain());
    EXPECT_FALSE(title.Form.Tmrtitle.Enabled);
    EXPECT_EQ(media.Log.back(), (Sent{"Mmcavi", "Stop", ""}));
    // The music goes on in the main window; the idle help text scrolls in its status bar.
    for (const Sent& c : media.Log)
        EXPECT_FALSE(c.Device == "Mmctitle" && c.What != "Open" && c.What != "Play");
    EXPECT_NE(game.Wait.Banner.find(game.Wait.Helptext(Waitkey::Picfore)), std::string::npos);
    EXPECT_FALSE(game.Designmode);
    EXPECT_FALSE(title.Ended);
}

TEST_F(Titlebench, WithoutTheVideoFileTheTitleHidesItsPictureAndStillChangesOver) {
    Open();
    EXPECT_FALSE(title.Form.Picavi.Visible);
    for (const Sent& c : media.Log) EXPECT_NE(c.What == "Open" ? c.Device : "", "Mmcavi");
    clock.advance(5000);
    EXPECT_TRUE(Inmain());
}

TEST_F(Titlebench, AClickInTheFirstSecondLeavesAtOnceAndOnlyOnce) {
    Makefile(folder.Path() / "Video" / "Fox.avi");
    Open();
    clock.advance(300);
    Act([&] { title.Form_Click(); });
    EXPECT_TRUE(Inmain());
    EXPECT_EQ(media.Log.back(), (Sent{"Mmcavi", "Stop", ""}));
    const size_t sent = media.Log.size();
    // A late tick or click does not show the window again nor stop the video twice.
    game.Main.Visible = false;
    clock.advance(10000);
    Act([&] { title.Form_Click(); });
    EXPECT_FALSE(game.Main.Visible);
    EXPECT_EQ(media.Log.size(), sent);
}

TEST_F(Titlebench, MissingFileAsksForThePasswordBeforeShowingAnything) {
    fs::remove(Winnersfile(folder.Path(), 7));
    Open();
    EXPECT_TRUE(title.Form.Input.Visible);
    EXPECT_EQ(title.Form.Input.Prompt,
              (std::vector<std::string>{"Some of the Winners files are missing.",
                                        "To restore the files, input the password."}));
    EXPECT_FALSE(title.Form.Visible);
    EXPECT_FALSE(game.Main.Visible);
    EXPECT_TRUE(media.Log.empty());
    clock.advance(60000);
    EXPECT_FALSE(game.Main.Visible);
}

TEST_F(Titlebench, RightPasswordRecreatesAllSixAndTheTitleWaitsForAClick) {
    // Winners5 holds statistics that the re-creation must drop along with the missing file.
    Winnersrecord kept;
    kept.Population[0] = 12;
    kept.Average[0] = 4.5f;
    Systemclock now;
    ASSERT_EQ(Writewinners(Winnersfile(folder.Path(), 5), kept, now), Writeresult::Written);
    fs::remove(Winnersfile(folder.Path(), 9));
    Makefile(folder.Path() / "Video" / "Fox.avi");
    Open();
    Act([&] { title.Inputbox_Close(Winnerspassword); });

    EXPECT_EQ(Checkwinners(folder.Path()).Verdict, Winnersverdict::Fine);
    for (int n = Firstcolours; n <= Lastcolours; ++n) {
        const Loadedrecord l = Readwinners(Winnersfile(folder.Path(), n));
        ASSERT_EQ(l.Status, Filestatus::Ok) << n;
        Winnersrecord empty;
        empty.Stamp = l.Record.Stamp;
        EXPECT_EQ(l.Record, empty) << n;
    }
    EXPECT_TRUE(Intitle());
    EXPECT_FALSE(title.Form.Picavi.Visible);
    EXPECT_FALSE(title.Form.Tmrtitle.Enabled);
    EXPECT_TRUE(media.Log.empty());
    clock.advance(120000);
    EXPECT_TRUE(Intitle());
    Act([&] { title.Form_Click(); });
    EXPECT_TRUE(Inmain());
    EXPECT_FALSE(title.Ended);
}

TEST_F(Titlebench, EmptyAnswerEndsSilentlyAndAWrongOneWithItsMessage) {
    fs::remove(Winnersfile(folder.Path(), 10));
    Open();
    Act([&] { title.Inputbox_Close(""); });
    EXPECT_TRUE(title.Ended);
    EXPECT_FALSE(title.Form.Box.Visible);
    EXPECT_FALSE(fs::exists(Winnersfile(folder.Path(), 10)));

    Title again(game, folder.Path(), clock);
    again.Form_Load();
    again.Inputbox_Close("305818");
    EXPECT_FALSE(again.Ended);
    EXPECT_TRUE(again.Form.Box.Visible);
    EXPECT_EQ(again.Form.Box.Icon, Boxicon::Critical);
    EXPECT_EQ(
        again.Form.Box.Lines,
        (std::vector<std::string>{"Incorrect password! This programme cannot be run any more.",
                                  "To reinstall the programme, please download again."}));
    EXPECT_FALSE(fs::exists(Winnersfile(folder.Path(), 10)));
    again.Messagebox_Close();
    EXPECT_TRUE(again.Ended);
    EXPECT_FALSE(again.Form.Visible);
    EXPECT_FALSE(game.Main.Visible);

    // A re-creation that cannot write says where.
    Title third(game, folder.Path(), clock);
    third.Form_Load();
    testkit::Injectedfault full(Oscall::Write, ENOSPC);
    third.Inputbox_Close(Winnerspassword);
    EXPECT_EQ(third.Form.Box.Lines,
              (std::vector<std::string>{"Unexpected Error",
                                        "The Winners files could not be written in " +
                                            (folder.Path() / "Winners").string() +
                                            "; please make sure it is a folder you may write "
                                            "in."}));
}

TEST_F(Titlebench, AlteredFileEndsWithItsMessage) {
    const fs::path file = Winnersfile(folder.Path(), 8);
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(60));
    Open();
    EXPECT_TRUE(title.Form.Box.Visible);
    EXPECT_EQ(
        title.Form.Box.Lines,
        (std::vector<std::string>{"The Winners files have been altered improperly by someone.",
                                  "This programme cannot be run any more.",
                                  "To reinstall the programme, please download again."}));
    EXPECT_FALSE(title.Form.Input.Visible);
    EXPECT_FALSE(title.Form.Visible);
    EXPECT_TRUE(media.Log.empty());
    EXPECT_FALSE(title.Ended);
    Act([&] { title.Messagebox_Close(); });
    EXPECT_TRUE(title.Ended);
    clock.advance(10000);
    EXPECT_FALSE(game.Main.Visible);

    // The player of an installed copy is told where the records are and how to get them back.
    Tempfolder installation;
    Title installed(game, folder.Path(), clock, installation.Path());
    installed.Form_Load();
    ASSERT_EQ(installed.Form.Box.Lines.size(), 4u);
    EXPECT_EQ(installed.Form.Box.Lines[3].find("Your records are in " +
                                               (folder.Path() / "Winners").string() +
                                               ": delete that folder"),
              0u);
}

TEST_F(Titlebench, HiddenPromptOpensOnlyForTheRightButtonWithCtrlAndAlt) {
    Open();
    constexpr int shift = 1, ctrl = 2, alt = 4;
    const std::pair<int, int> others[] = {
        {1, ctrl | alt},  {4, ctrl | alt},         {2, 0},         {2, ctrl}, {2, alt},
        {2, shift | alt}, {2, shift | ctrl | alt}, {3, ctrl | alt}};
    for (auto [button, keys] : others) {
        Act([&] { title.Lbldesign_MouseDown(button, keys); });
        EXPECT_FALSE(title.Form.Input.Visible) << button << " " << keys;
        EXPECT_TRUE(title.Form.Tmrtitle.Enabled);
    }
    Act([&] { title.Lbldesign_MouseDown(2, ctrl | alt); });
    ASSERT_TRUE(title.Form.Input.Visible);
    EXPECT_EQ(title.Form.Input.Prompt, std::vector<std::string>{"Input password"});
    // The title waits while the prompt is open.
    clock.advance(30000);
    EXPECT_TRUE(Intitle());
    Act([&] { title.Inputbox_Close(Winnerspassword); });
    EXPECT_TRUE(game.Designmode);
    EXPECT_TRUE(Inmain());
}

TEST_F(Titlebench, WrongHiddenPasswordGivesAFreshFiveSeconds) {
    Open();
    clock.advance(4000);
    Act([&] { title.Lbldesign_MouseDown(2, 6); });
    clock.advance(20000);
    Act([&] { title.Inputbox_Close("1234"); });
    EXPECT_FALSE(game.Designmode);
    EXPECT_TRUE(Intitle());
    clock.advance(4999);
    EXPECT_TRUE(Intitle());
    clock.advance(1);
    EXPECT_TRUE(Inmain());
    EXPECT_FALSE(game.Designmode);
}

TEST_F(Titlebench, HiddenPromptAfterRecreationDoesNotStartTheTimer) {
    fs::remove(Winnersfile(folder.Path(), 6));
    Open();
    Act([&] { title.Inputbox_Close(Winnerspassword); });
    Act([&] { title.Lbldesign_MouseDown(2, 6); });
    Act([&] { title.Inputbox_Close(""); });
    clock.advance(60000);
    EXPECT_TRUE(Intitle());
    Act([&] { title.Lbldesign_MouseDown(2, 6); });
    Act([&] { title.Inputbox_Close(Winnerspassword); });
    EXPECT_TRUE(game.Designmode);
    EXPECT_TRUE(Inmain());
}

// Start-up.

TEST(Startup, DisplayOf800PixelsIsTakenAnd799Refused) {
    Tempfolder folder;
    Started narrow = Startup(folder.Path(), 799, {});
    EXPECT_EQ(narrow.Verdict, Startverdict::Narrowdisplay);
    EXPECT_EQ(narrow.Caption, "Tint");
    EXPECT_EQ(narrow.Lines,
              (std::vector<std::string>{
                  "This programme must be run at 800 x 600 resolution or higher.",
                  "The current display is not correct.",
                  "Please change the resolution before running the programme again."}));
    // A refused start holds nothing.
    EXPECT_FALSE(narrow.Lock);
    Started wide = Startup(folder.Path(), 800, {});
    EXPECT_EQ(wide.Verdict, Startverdict::Run);
    EXPECT_TRUE(wide.Lines.empty());
    EXPECT_EQ(wide.Folder, folder.Path());
    EXPECT_TRUE(wide.Lock);
}

TEST(Startup, SecondCopyOfTheSameFolderIsRefusedUntilTheFirstEnds) {
    Tempfolder folder, other;
    std::optional<Started> first = Startup(folder.Path(), 1024, {});
    ASSERT_EQ(first->Verdict, Startverdict::Run);
    const Started second = Startup(folder.Path(), 1024, {});
    EXPECT_EQ(second.Verdict, Startverdict::Secondcopy);
    EXPECT_EQ(second.Lines, std::vector<std::string>{
                                "You are not allowed to start this programme more than once."});
    EXPECT_FALSE(second.Lock);
    // The second copy is refused before the display is looked at.
    EXPECT_EQ(Startup(folder.Path(), 640, {}).Verdict, Startverdict::Secondcopy);
    // Another installation is another programme.
    EXPECT_EQ(Startup(other.Path(), 1024, {}).Verdict, Startverdict::Run);
    first.reset();
    EXPECT_EQ(Startup(folder.Path(), 1024, {}).Verdict, Startverdict::Run);
}

TEST(Startup, UnderTheLockStaleTemporaryFilesGoAndALockThatIsNoFileIsNamed) {
    Tempfolder folder;
    const fs::path f = folder.Path();
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(61);
    const std::string stale = ".tintcipher-0123456789abcdef.tmp";
    // Kept: a write in progress, a folder of a first start, a file reached only through a link.
    const fs::path kept[] = {f / ".tintcipher-00000000000000ff.tmp",
                             f / ".tintcipher-0123456789abcdef.new" / "x", f / "Other" / stale};
    for (const fs::path& p :
         {f / stale, f / "Winners" / stale, f / "Files" / stale, kept[1], kept[2]})
        Makefile(p);
    Makefile(kept[0]);
    for (const fs::path& p : {f / stale, f / "Winners" / stale, f / "Files" / stale, kept[2]})
        fs::last_write_time(p, old);
    fs::create_directory_symlink(f / "Other", f / "Files" / "Other");
    {
        const Started held = Startup(f, 1024, {});
        EXPECT_EQ(Startup(f, 1024, {}).Verdict, Startverdict::Secondcopy);
    }
    for (const char* sub : {"", "Winners", "Files"}) EXPECT_FALSE(fs::exists(f / sub / stale));
    for (const fs::path& p : kept) EXPECT_TRUE(fs::exists(p)) << p;

    fs::remove(f / Lockfilename);
    fs::create_directory(f / Lockfilename);
    const Started s = Startup(f, 1024, {});
    EXPECT_EQ(s.Verdict, Startverdict::Nofolder);
    EXPECT_EQ(s.Lines, (std::vector<std::string>{
                           "The programme cannot write in its folder " + f.string() + ".",
                           "Its lock file " + (f / Lockfilename).string() +
                               " is not a regular file (a link, a pipe, a folder or a device); "
                               "remove it and start the programme again."}));
}

TEST(Programfolder, OnlyADeniedRightMovesTheRecordsAndThePlayerIsToldOnce) {
    Tempfolder exe, home;
    const fs::path user = home.Path() / "data" / "tintcipher";
    EXPECT_EQ(Programfolder(exe.Path(), user), exe.Path());
    // A full disk or a passing fault keeps the executable's folder and makes nothing elsewhere.
    for (const std::errc fault : {std::errc::no_space_on_device, std::errc::io_error}) {
        const auto failing = [fault](const fs::path&) { return std::make_error_code(fault); };
        EXPECT_EQ(Startup(exe.Path(), 1024, user, failing).Folder, exe.Path());
    }
    EXPECT_FALSE(fs::exists(user));
    // Denied in the "Winners" folder alone is denied: the user's folder, said once.
    Makefile(exe.Path() / "Winners" / "Winners5");
    const auto denied = [&](const fs::path& f) {
        return f == exe.Path() / "Winners" ? std::make_error_code(std::errc::permission_denied)
                                           : std::error_code();
    };
    for (const size_t lines : {2u, 0u}) {
        const Started s = Startup(exe.Path(), 1024, user, denied);
        EXPECT_EQ(s.Folder, user);
        EXPECT_EQ(s.Notice.size(), lines);
    }
    EXPECT_TRUE(fs::is_regular_file(user / "Winners" / "Winners5"));
    EXPECT_EQ(Programfolder(exe.Path() / "not-there", user), user);
    // With no user folder known, the executable's folder is all there is.
    EXPECT_EQ(Programfolder(exe.Path(), {}, denied), exe.Path());
}

TEST(Programfolder, FirstStartOfAPackageSeedsTheUsersWinnersStampedAsTheirStampsSay) {
    Tempfolder root, home;
    // Found from the program's folder, whatever its name.
    const fs::path bin = root.Path() / "games", shared = root.Path() / "share" / "tintcipher";
    Systemclock now;
    ASSERT_TRUE(Restorewinners(shared, now));
    // A packaging tool gives the installation other times than the stamps.
    for (int n = Firstcolours; n <= Lastcolours; ++n)
        fs::last_write_time(Winnersfile(shared, n), fs::file_time_type{});
    Makefile(shared / "Icon" / "W95mbx01.ico", "icon");
    Makefile(bin / "tintcipher", "program");
    const fs::path user = home.Path() / "data" / "tintcipher";

    // Writable or not, the installation keeps nobody's records; the user is told where they are.
    for (const size_t lines : {1u, 0u}) {
        const Started s =
            Startup(bin, 1024, user, [](const fs::path&) { return std::error_code(); });
        EXPECT_EQ(s.Verdict, Startverdict::Run);
        EXPECT_EQ(s.Data, shared);
        EXPECT_EQ(s.Folder, user);
        EXPECT_EQ(s.Notice.size(), lines);
    }
    EXPECT_EQ(Checkwinners(user).Verdict, Winnersverdict::Fine);
    EXPECT_FALSE(fs::exists(user / "Icon"));
    EXPECT_TRUE(fs::is_directory(user / "Files"));
    EXPECT_FALSE(fs::exists(shared / Lockfilename));
    // Nothing of the copy's making is left beside it.
    size_t beside = 0;
    for (const auto& e : fs::directory_iterator(user.parent_path())) beside += e.path() != user;
    EXPECT_EQ(beside, 0u);

    // A later start keeps the player's own folder as it is: one missing file asks the password.
    fs::remove(Winnersfile(user, 5));
    const auto start = [&] { return Startup(bin, 1024, user).Notice; };
    EXPECT_TRUE(start().empty());
    EXPECT_EQ(Checkwinners(user).Verdict, Winnersverdict::Missing);
    // A Winners folder gone or emptied as a whole comes back from the installation, said once;
    // the saved games stay.
    Makefile(user / "Files" / "kept.tc");
    for (const bool keepfolder : {false, true}) {
        fs::remove_all(user / "Winners");
        if (keepfolder) fs::create_directory(user / "Winners");
        EXPECT_EQ(start().size(), 2u);
        EXPECT_EQ(Checkwinners(user).Verdict, Winnersverdict::Fine);
        EXPECT_TRUE(start().empty());
    }
    EXPECT_TRUE(fs::is_regular_file(user / "Files" / "kept.tc"));
}

// The shipped files.

TEST(Shippedwinners, GeneratorFillsEverySweepSlotAndNothingElse) {
    Tempfolder folder;
    const std::string command = std::string("\"") + TINTCIPHER_MKWINNERS + "\" \"" +
                                folder.Path().string() + "\" --games 3 > \"" +
                                (folder.Path() / "out.txt").string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_EQ(Checkwinners(folder.Path()).Verdict, Winnersverdict::Fine);

    int filled = 0;
    for (int c = Firstcolours; c <= Lastcolours; ++c) {
        const Loadedrecord l = Readwinners(Winnersfile(folder.Path(), c));
        ASSERT_EQ(l.Status, Filestatus::Ok);
        std::set<int> sweep;
        for (int e = 3; e <= 13; ++e) {
            const int length = e <= 8 ? e : e - 5;
            if (length > c - 2) continue;
            for (int order = 1; order <= 2; ++order)
                for (int r = 1; r <= length; ++r)
                    sweep.insert((e - 3) + 11 * (order - 1) + 88 * (r - 1));
        }
        for (int s = 0; s < Nslots; ++s) {
            if (sweep.count(s)) {
                ++filled;
                EXPECT_EQ(l.Record.Population[s], 3) << c << " " << s;
                EXPECT_GE(l.Record.Average[s], 1.0f);
                EXPECT_LE(l.Record.Average[s], 27.0f);
            } else {
                EXPECT_EQ(l.Record.Population[s], 0) << c << " " << s;
                EXPECT_EQ(l.Record.Average[s], 0.0f) << c << " " << s;
            }
        }
        for (int i = 0; i < Nentries; ++i) {
            EXPECT_EQ(l.Record.Player[i], "");
            EXPECT_EQ(l.Record.Attempt[i], Emptyattempt);
        }
    }
    EXPECT_EQ(filled, 356);
}

} // namespace
} // namespace tc
