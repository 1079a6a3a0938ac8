// The media commands the game sends, in order, recorded in virtual time: the title's video and
// music, the music switch and its two-minute restart, the quit question's reminder and a win.
#include "engine/random.h"
#include "play/game.h"
#include "records/winners.h"
#include "shell/title.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

using testkit::Sent;

const Sent Musicopen{"Mmctitle", "Open", "Music/canyon.mid"}, Musicplay{"Mmctitle", "Play", ""},
    Musicclose{"Mmctitle", "Close", ""};
const Sent Reminderopen{"Mmcmenu", "Open", "Music/Reminder.wav"}, Soundplay{"Mmcmenu", "Play", ""},
    Soundclose{"Mmcmenu", "Close", ""};

struct Mediabench : ::testing::Test {
    testkit::Tempfolder folder;
    Seededrandom rnd{3};
    Norecords rec;
    Timerhost host;
    Virtualclock clock{host, Datetime::Make(2024, 3, 1, 12, 59, 30)};
    Game g{rnd, rec, clock};
    testkit::Mediarecorder media;
    Title title{g, folder.Path(), clock};

    Mediabench() {
        Systemclock now;
        EXPECT_TRUE(Restorewinners(folder.Path(), now));
        std::filesystem::create_directories(folder.Path() / "Video");
        std::ofstream(folder.Path() / "Video" / "Fox.avi") << "x";
        g.Mediaout = &media;
        g.Menus.Form_Load();
        g.Registertimers(host);
        title.Registertimers(host);
        Act([&] { title.Form_Load(); });
    }
    template <class F> void Act(F handler) {
        handler();
        clock.Sync();
    }
    void Seconds(int s) { clock.advance(int64_t{s} * 1000); }
};

TEST_F(Mediabench, TitlePlaysVideoAndMusicAndTheMusicStartsAgainEveryTwoMinutes) {
    EXPECT_EQ(
        media.Take(),
        (std::vector<Sent>{
            {"Mmcavi", "Open", "Video/Fox.avi"}, {"Mmcavi", "Play", ""}, Musicopen, Musicplay}));
    EXPECT_TRUE(g.Musicplayer.Switchedon());
    EXPECT_EQ(g.Tmrmusic.Interval, 500);
    EXPECT_EQ(g.Main.Tlbgame[5].Tooltip, "Switch off background music");
    EXPECT_FALSE(g.Tmrani.Enabled); // the clouds wait for the main window
    Seconds(5);
    EXPECT_EQ(media.Take(), (std::vector<Sent>{{"Mmcavi", "Stop", ""}}));
    EXPECT_TRUE(g.Main.Visible);
    EXPECT_TRUE(g.Tmrani.Enabled);
    EXPECT_EQ(g.Tmrani.Interval, 50);

    // Begun at 12:59:30, the piece is restarted at 13:01:31, across the full hour.
    Seconds(120 - 5);
    EXPECT_TRUE(media.Take().empty());
    Seconds(1);
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Musicclose, Musicopen, Musicplay}));
    Seconds(120);
    EXPECT_TRUE(media.Take().empty());
    Seconds(1);
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Musicclose, Musicopen, Musicplay}));

    // A system clock put back an hour does not hold the restart back.
    clock.Setnow(Datetime::Make(2024, 3, 1, 12, 0, 0));
    Seconds(121);
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Musicclose, Musicopen, Musicplay}));
}

TEST_F(Mediabench, MusicSwitchesOffAndOnFromMenuAndToolbar) {
    Seconds(5);
    media.Take();
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnumusic); });
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Musicclose}));
    EXPECT_FALSE(g.Musicplayer.Switchedon());
    EXPECT_FALSE(g.Tmrmusic.Enabled);
    EXPECT_EQ(g.Main.Tlbgame[5].Tooltip, "Switch on background music");
    // Past two minutes, short of the idle screen's five before the demo.
    Seconds(200);
    EXPECT_TRUE(media.Take().empty());

    Act([&] { g.Menus.Tlbgame_ButtonClick("Icomusic"); });
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Musicopen, Musicplay}));
    EXPECT_EQ(g.Main.Tlbgame[5].Tooltip, "Switch off background music");
    // The two minutes count from the new start.
    Seconds(120);
    EXPECT_TRUE(media.Take().empty());
    Seconds(1);
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Musicclose, Musicopen, Musicplay}));
}

TEST_F(Mediabench, QuitQuestionRemindsAndClosesTheSoundOnEveryAnswer) {
    Seconds(5);
    media.Take();
    // Cancel.
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuquit); });
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Reminderopen, Soundplay}));
    Act([&] { g.Messagebutton(Boxbutton::Cmdr2); });
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Soundclose}));
    // Left alone for a minute: Cancel.
    Act([&] { g.Menus.Tlbgame_ButtonClick("Icoquit"); });
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Reminderopen, Soundplay}));
    Seconds(59);
    EXPECT_TRUE(media.Take().empty());
    Seconds(1);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Soundclose}));
    // OK with the music on: both devices close.
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuquit); });
    media.Take();
    Act([&] { g.Messagebutton(Boxbutton::Cmdl2); });
    EXPECT_TRUE(g.Menus.Quitrequested());
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Soundclose, Musicclose}));
}

TEST_F(Mediabench, QuitWithTheMusicOffClosesOnlyTheSound) {
    Seconds(5);
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnumusic); });
    media.Take();
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuquit); });
    Act([&] { g.Messagebutton(Boxbutton::Cmdl2); });
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Reminderopen, Soundplay, Soundclose}));
}

TEST_F(Mediabench, AWinSoundsAndLeavingTheWinClosesTheSound) {
    Seconds(5);
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnukey); });
    Act([&] { g.Menus.Mnuset_Click(); });
    ASSERT_TRUE(g.Main.Lists.Choose(g.Main.Lists.Cbwho, "You guess"));
    g.Plan.Answer = Str("012");
    Act([&] { g.Gamestarter.Cmdstart_Click(); });
    media.Take();
    for (char k : std::string("012")) ASSERT_TRUE(g.Guessentry.Txtinput_KeyPress(k));
    Act([&] { g.Guessentry.Cmdsubnum_Click(); });
    ASSERT_EQ(g.Message.Tag, "Win");
    EXPECT_EQ(media.Take(), (std::vector<Sent>{{"Mmcmenu", "Open", "Music/Tada.wav"}, Soundplay}));
    Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });
    EXPECT_EQ(media.Take(), (std::vector<Sent>{Soundclose}));
}

} // namespace
} // namespace tc
