// The main window driven through its handlers in virtual time: the idle screen, the setting
// menu with its Cancel and time-out, the Help windows over the idle screen and over the menu,
// the display switch and the questions of the Game menu.
#include "play/game.h"
#include "settings/settingtexts.h"
#include "tests/play/gametesting.h"

#include <array>

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace tc {
namespace {

const char* const Keys[13] = {"Icosetting", "Iconew",    "Icoload", "Icosave",  "Icoend",
                              "Icomusic",   "Icoani",    "Icodemo", "Icomouse", "Icokey",
                              "Icocolour",  "Iconumber", "Icoquit"};

struct Mainwindow : ::testing::Test, testkit::Virtualgame {
    // The enabled state of the 13 toolbar buttons as a string of 1 and 0.
    std::string Toolbar() const {
        std::string s;
        for (const Toolbutton& b : g.Main.Tlbgame) s += b.Enabled ? '1' : '0';
        return s;
    }
    // Every list's choice and items, and the length bounds, for exact comparison.
    std::vector<std::string> Menustate() const {
        std::vector<std::string> out;
        for (const Combolist* c : {&lists.Cbwho, &lists.Cbcolour, &lists.Cbstart, &lists.Cblength,
                                   &lists.Cbhint, &lists.Cborder, &lists.Cbrepeat}) {
            std::string s = "[" + c->Text() + "]";
            for (const std::string& item : c->Items) s += " " + item + ";";
            out.push_back(s);
        }
        out.push_back("lengths " + std::to_string(lists.Minlength) + ".." +
                      std::to_string(lists.Maxlength));
        return out;
    }
    void Expectidle() const {
        EXPECT_EQ(g.Main.Caption, "Tintcipher");
        EXPECT_TRUE(g.Main.Picfore.Visible);
        EXPECT_EQ(g.Rec.Status, Gamestatus::None);
        EXPECT_EQ(g.Wait.Key(), "Picfore");
        EXPECT_EQ(g.Wait.Timeout, 300);
        EXPECT_TRUE(g.Wait.Tmrwait.Enabled);
        for (const Menuitem* m :
             {&g.Main.Mnugame, &g.Main.Mnumedia, &g.Main.Mnuoption, &g.Main.Mnuhelp, &g.Main.Mnuset,
              &g.Main.Mnunew, &g.Main.Mnuload, &g.Main.Mnudemo, &g.Main.Mnuquit})
            EXPECT_TRUE(m->Enabled) << m->Caption;
        EXPECT_FALSE(g.Main.Mnusaving.Enabled);
        EXPECT_FALSE(g.Main.Mnuend.Enabled);
        EXPECT_EQ(Toolbar(), "1110011111111");
    }
};

// ---- The idle screen after loading ----

TEST_F(Mainwindow, LoadingEndsIdleWithMouseAndColour) {
    Expectidle();
    EXPECT_TRUE(g.Main.Mnumouse.Checked);
    EXPECT_FALSE(g.Main.Mnukey.Checked);
    EXPECT_TRUE(g.Main.Mnucolour.Checked);
    EXPECT_FALSE(g.Main.Mnunumber.Checked);
    EXPECT_EQ(g.Main.Displaymode, Displaykind::Colour);
    EXPECT_EQ(g.Main.Inputmethod, Inputkind::Mouse);
    EXPECT_NE(g.Wait.Banner.find("Demo will start automatically in five minutes."),
              std::string::npos);

    Gamesetting start;
    start.Whoguess = Role::Youguess;
    start.Ncolours = 10;
    start.Starttype = Startkind::Trialone;
    start.Codelength = 3;
    start.Fixedlength = 1;
    start.Hinttype = Hintkind::Noerror;
    start.Ordertype = Orderkind::Fixed;
    start.Maxrepeat = 1;
    EXPECT_EQ(g.Setting, start);
}

TEST_F(Mainwindow, StatisticsButtonsShowOnActivationOnlyInDesignMode) {
    EXPECT_FALSE(g.Main.Progress.Visible);
    EXPECT_EQ(g.Stat.Cmdback.Caption, "BACK");
    const std::array<const Control*, 3> buttons{&g.Main.Cmdstat, &g.Main.Cmdinitstat,
                                                &g.Main.Cmdsimulate};
    g.Menus.Form_Activate();
    for (const Control* c : buttons) EXPECT_FALSE(c->Visible) << c->Caption;
    g.Designmode = true;
    for (const Control* c : buttons) EXPECT_FALSE(c->Visible) << "before the window is activated";
    g.Menus.Form_Activate();
    for (const Control* c : buttons) EXPECT_TRUE(c->Visible) << c->Caption;
}

TEST_F(Mainwindow, ToolbarHasItsThirteenKeysInOrderAndFollowsTheMenus) {
    for (int i = 0; i < 13; ++i) EXPECT_EQ(g.Main.Tlbgame[i].Key, Keys[i]) << i;
    EXPECT_EQ(g.Main.Tlbgame[0].Tooltip, "View and change game setting");
    EXPECT_EQ(g.Main.Tlbgame[12].Tooltip, "Quit this programme");

    // Each button takes its menu item's state; music and animation share "Multimedia", the
    // four mode buttons "Options".
    g.Main.Mnusaving.Enabled = true;
    g.Main.Mnumedia.Enabled = false;
    g.Main.Mnuoption.Enabled = false;
    g.Main.Mnuquit.Enabled = false;
    g.Main.Settlb();
    EXPECT_EQ(Toolbar(), "1111000100000");
}

TEST_F(Mainwindow, NoGamePanelShowsOnTheIdleScreen) {
    const Fmmain& m = g.Main;
    const std::pair<const char*, const Control*> panels[] = {{"Frmenu", &m.Frmenu},
                                                             {"Frtrialno", &m.Frtrialno},
                                                             {"Frmark", &m.Frmark},
                                                             {"Fraskcode", &m.Fraskcode},
                                                             {"Frgetstring", &m.Frgetstring},
                                                             {"Frinput", &m.Frinput},
                                                             {"Frcolour", &m.Frcolour},
                                                             {"Frsetting", &m.Frsetting},
                                                             {"Franswer", &m.Franswer},
                                                             {"Frerror", &m.Frerror},
                                                             {"Frshowresult", &m.Frshowresult},
                                                             {"Frgetresult", &m.Frgetresult},
                                                             {"Frscroll", &m.Frscroll},
                                                             {"Lbltime", &m.Lbltime},
                                                             {"Picdemo", &m.Picdemo},
                                                             {"Picupper", &m.Picupper},
                                                             {"Picrecord", &m.Picrecord}};
    for (const auto& [name, c] : panels) EXPECT_FALSE(c->Visible) << name;
}

// ---- The setting menu ----

TEST_F(Mainwindow, OpeningTheMenuShutsTheGameItemsAndWaitsFiveMinutes) {
    Seconds(7);
    Act([&] { g.Menus.Tlbgame_ButtonClick("Icosetting"); });
    EXPECT_TRUE(g.Main.Frmenu.Visible);
    EXPECT_TRUE(g.Main.Cmdstart.Default);
    for (const Menuitem* m : {&g.Main.Mnuset, &g.Main.Mnunew, &g.Main.Mnuload, &g.Main.Mnusaving,
                              &g.Main.Mnuend, &g.Main.Mnudemo})
        EXPECT_FALSE(m->Enabled) << m->Caption;
    EXPECT_TRUE(g.Main.Mnuquit.Enabled);
    EXPECT_TRUE(g.Main.Mnuhelp.Enabled);
    EXPECT_EQ(Toolbar(), "0000011011111");
    EXPECT_TRUE(lists.Cmdtop.Enabled); // "You guess" has a TOP FIVE list
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
    EXPECT_EQ(g.Wait.Timeout, 300);
    EXPECT_EQ(g.Wait.Start, clock.Now());
    EXPECT_NE(g.Wait.Banner.find("this menu will be closed automatically in 5 minutes."),
              std::string::npos);
}

TEST_F(Mainwindow, AnOpenMenuCannotBeOpenedAgainOverItsOwnChoices) {
    const auto before = Menustate();
    Act([&] { g.Menus.Mnuset_Click(); });
    Choose(lists.Cbcolour, "7");
    // Both ways in are shut: a second opening would save the changed choices.
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuset); });
    Act([&] { g.Menus.Tlbgame_ButtonClick("Icosetting"); });
    Act([&] { g.Statisticsruns.Cmdcancel_Click(); });
    EXPECT_EQ(Menustate(), before);
}

TEST_F(Mainwindow, CancelRestoresLongUnspecifiedAnyRepeatAfterShortFewColours) {
    Choose(lists.Cbcolour, "10");
    Choose(lists.Cblength, "Unspecified (3 - 8)");
    Choose(lists.Cbrepeat, "May be repeated any times");
    const auto before = Menustate();
    Act([&] { g.Menus.Mnuset_Click(); });
    Choose(lists.Cblength, "3");
    Choose(lists.Cbcolour, "5");
    Choose(lists.Cbrepeat, "Each colour at most 2 times");
    ASSERT_NE(Menustate(), before);

    Seconds(3);
    Act([&] { g.Statisticsruns.Cmdcancel_Click(); });
    EXPECT_EQ(Menustate(), before);
    Expectidle();
    EXPECT_EQ(g.Wait.Start, clock.Now()); // a fresh idle wait
    EXPECT_EQ(g.Setting.Fixedlength, 0);
    EXPECT_EQ(g.Setting.Codelength, 8);
    EXPECT_EQ(g.Setting.Maxrepeat, 8);
}

TEST_F(Mainwindow, CancelRestoresFiveColoursAfterALongLengthRemovedThem) {
    Choose(lists.Cbcolour, "5");
    const auto before = Menustate();
    Act([&] { g.Menus.Mnuset_Click(); });
    Choose(lists.Cbcolour, "10");
    Choose(lists.Cblength, "5");
    ASSERT_EQ(lists.Cbcolour.Items.front(), "7");

    Act([&] { g.Statisticsruns.Cmdcancel_Click(); });
    EXPECT_EQ(Menustate(), before);
    EXPECT_EQ(g.Setting.Ncolours, 5);
    EXPECT_EQ(g.Setting.Codelength, 3);
}

TEST_F(Mainwindow, CancelRestoresComputerGuessesAfterErrorsWereChosen) {
    Choose(lists.Cbwho, "Computer guesses");
    ASSERT_EQ(lists.Cbhint.Listcount(), 1);
    const auto before = Menustate();
    Act([&] { g.Menus.Mnuset_Click(); });
    EXPECT_FALSE(lists.Cmdtop.Enabled); // only the player's own games have a TOP FIVE list
    Choose(lists.Cbwho, "You guess");
    Choose(lists.Cbhint, "May contain error(s)");
    ASSERT_EQ(lists.Cbwho.Listcount(), 2);

    Act([&] { g.Statisticsruns.Cmdcancel_Click(); });
    EXPECT_EQ(Menustate(), before);
    EXPECT_EQ(g.Setting.Whoguess, Role::Computerguesses);
    EXPECT_EQ(g.Setting.Hinttype, Hintkind::Noerror);

    // Back to "You guess": the button is offered again on the next opening.
    Choose(lists.Cbwho, "You guess");
    Act([&] { g.Menus.Mnuset_Click(); });
    EXPECT_TRUE(lists.Cmdtop.Enabled);
}

TEST_F(Mainwindow, AnUntouchedMenuCancelsItselfAfterFiveMinutes) {
    Seconds(20);
    const auto before = Menustate();
    Act([&] { g.Menus.Mnuset_Click(); });
    Choose(lists.Cbcolour, "6");
    Seconds(299);
    EXPECT_TRUE(g.Main.Frmenu.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
    Seconds(1);
    EXPECT_FALSE(g.Main.Frmenu.Visible);
    EXPECT_EQ(Menustate(), before);
    Expectidle();
}

// ---- About box and instructions ----

TEST_F(Mainwindow, AboutOverTheIdleScreenGivesBackAFreshFiveMinutes) {
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuabout); });
    EXPECT_TRUE(g.About.Visible);
    EXPECT_EQ(g.Wait.Key(), "Fmabout+Picfore");
    EXPECT_EQ(g.Wait.Timeout, 60);
    Seconds(30);
    Act([&] { g.Menus.Cmdokabout_Click(); });
    EXPECT_FALSE(g.About.Visible);
    Expectidle();
    EXPECT_EQ(g.Wait.Start, clock.Now());
}

TEST_F(Mainwindow, AboutOverTheMenuLeavesTheMenuOneMinute) {
    Act([&] { g.Menus.Mnuset_Click(); });
    Seconds(10);
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuabout); });
    EXPECT_EQ(g.Wait.Key(), "Fmabout+Frmenu");
    Seconds(10);
    Act([&] { g.Menus.Cmdokabout_Click(); });
    EXPECT_FALSE(g.About.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
    EXPECT_EQ(g.Wait.Timeout, 60);
    EXPECT_TRUE(g.Main.Frmenu.Visible);
    Seconds(59);
    EXPECT_TRUE(g.Main.Frmenu.Visible);
    Seconds(1);
    EXPECT_FALSE(g.Main.Frmenu.Visible);
    Expectidle();
}

TEST_F(Mainwindow, AboutLeftOpenClosesAfterAMinuteThenTheMenuAfterAnother) {
    Act([&] { g.Menus.Mnuset_Click(); });
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuabout); });
    Seconds(59);
    EXPECT_TRUE(g.About.Visible);
    Seconds(1);
    EXPECT_FALSE(g.About.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
    EXPECT_TRUE(g.Main.Frmenu.Visible);
    Seconds(60);
    EXPECT_FALSE(g.Main.Frmenu.Visible);
    Expectidle();
}

TEST_F(Mainwindow, InstructionsCloseThemselvesAfterFiveMinutes) {
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuinstr); });
    EXPECT_TRUE(g.Instr.Visible);
    EXPECT_EQ(g.Wait.Key(), "Instruct+Picfore");
    EXPECT_EQ(g.Wait.Timeout, 300);
    Seconds(299);
    EXPECT_TRUE(g.Instr.Visible);
    Seconds(1);
    EXPECT_FALSE(g.Instr.Visible);
    Expectidle();
    EXPECT_EQ(g.Wait.Start, clock.Now());
}

TEST_F(Mainwindow, InstructionsOverTheMenuGoBackToItByOk) {
    Act([&] { g.Menus.Mnuset_Click(); });
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuinstr); });
    EXPECT_EQ(g.Wait.Key(), "Instruct+Frmenu");
    Act([&] { g.Menus.Cmdokinstr_Click(); });
    EXPECT_FALSE(g.Instr.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
    EXPECT_EQ(g.Wait.Timeout, 60);
    EXPECT_TRUE(g.Main.Frmenu.Visible);
    // A second OK of a closed window must not pop the menu's context.
    Act([&] { g.Menus.Cmdokinstr_Click(); });
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
}

TEST_F(Mainwindow, InstructionTextLineByLine) {
    std::vector<const Drawtext*> lines;
    for (const Drawop& op : g.Instr.Picinstr.Ops)
        if (op.What == Drawop::Kind::Text) lines.push_back(&op.Text);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0]->Text, "");
    EXPECT_EQ(lines[1]->Text, " GAME TYPE");
    EXPECT_EQ(lines[4]->Text, " Tintcipher game.  There are altogether 1424 different variations");
    EXPECT_EQ(lines[7]->Text, " You may choose to be the Codebreaker or the Codemaker.  You may ");
    EXPECT_EQ(lines[10]->Text, " THE GAME");
    EXPECT_EQ(lines[25]->Text, "HTML file named Vbintro.html attached with this programme.");
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]->Italic, i == 1 || i == 10) << i;
        EXPECT_EQ(lines[i]->Bold, i >= 24) << i;
        if (i > 0) {
            EXPECT_GT(lines[i]->Y, lines[i - 1]->Y) << i;
        }
    }
    EXPECT_EQ(g.Instr.Caption, "Brief Instructions");
    EXPECT_EQ(g.Instr.Lbltitle.Caption, "Brief Instructions");
}

// ---- Display mode ----

TEST_F(Mainwindow, DisplayTicksFollowTheMode) {
    Act([&] { g.Menus.Tlbgame_ButtonClick("Iconumber"); });
    EXPECT_EQ(g.Main.Displaymode, Displaykind::Number);
    EXPECT_FALSE(g.Main.Mnucolour.Checked);
    EXPECT_TRUE(g.Main.Mnunumber.Checked);
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnunumber); });
    EXPECT_EQ(g.Main.Displaymode, Displaykind::Number);
    EXPECT_TRUE(g.Main.Mnunumber.Checked);
    EXPECT_FALSE(g.Main.Mnucolour.Checked);

    Act([&] { g.Menus.Menu_Click(Menucommand::Mnucolour); });
    EXPECT_EQ(g.Main.Displaymode, Displaykind::Colour);
    EXPECT_TRUE(g.Main.Mnucolour.Checked);
    EXPECT_FALSE(g.Main.Mnunumber.Checked);
    // The input method is a pair of its own.
    EXPECT_TRUE(g.Main.Mnumouse.Checked);
    EXPECT_FALSE(g.Main.Mnukey.Checked);
}

TEST_F(Mainwindow, ChoosingTheCurrentDisplayRedrawsNothing) {
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnunew); }); // a "You guess" game puts the board up
    ASSERT_TRUE(g.Main.Picrecord.Visible);
    const int board = g.Main.Picrecord.Revision;
    g.Menus.Setdisplay(Displaykind::Colour);
    EXPECT_EQ(g.Main.Picrecord.Revision, board);
    EXPECT_TRUE(g.Main.Mnucolour.Checked);
    EXPECT_FALSE(g.Main.Mnunumber.Checked);
    g.Menus.Setdisplay(Displaykind::Number); // a real switch does redraw the board
    EXPECT_NE(g.Main.Picrecord.Revision, board);
}

TEST_F(Mainwindow, CancelTakesTheDisplayFromTheTickedItem) {
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnunumber); });
    Act([&] { g.Menus.Mnuset_Click(); });
    g.Main.Displaymode = Displaykind::Colour; // as a finished game's "Change Display" may leave it
    Act([&] { g.Statisticsruns.Cmdcancel_Click(); });
    EXPECT_EQ(g.Main.Displaymode, Displaykind::Number);
}

// ---- Quit question ----

TEST_F(Mainwindow, QuitQuestionCancelGivesTheIdleScreenBack) {
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuquit); });
    EXPECT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption, "Are you sure you want to quit this programme?");
    EXPECT_EQ(g.Message.Caption, "Quit Programme?");
    EXPECT_TRUE(g.Message.Cmdl2.Default);
    EXPECT_EQ(g.Wait.Key(), "Mnuquit+Picfore");
    EXPECT_EQ(g.Wait.Timeout, 60);
    Seconds(5);
    Act([&] { g.Messagebutton(Boxbutton::Cmdr2); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_FALSE(g.Menus.Quitrequested());
    Expectidle();
    EXPECT_EQ(g.Wait.Start, clock.Now());
}

TEST_F(Mainwindow, QuitQuestionOverTheMenuAnswersCancelAfterAMinute) {
    Act([&] { g.Menus.Mnuset_Click(); });
    Act([&] { g.Menus.Tlbgame_ButtonClick("Icoquit"); });
    EXPECT_EQ(g.Wait.Key(), "Mnuquit+Frmenu");
    Seconds(60);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_FALSE(g.Menus.Quitrequested());
    EXPECT_EQ(g.Wait.Key(), "Frmenu");
    EXPECT_EQ(g.Wait.Timeout, 300); // the menu's own wait, as its help text says
    EXPECT_TRUE(g.Main.Frmenu.Visible);
}

TEST_F(Mainwindow, QuitQuestionOkEndsTheProgramme) {
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuquit); });
    Act([&] { g.Messagebutton(Boxbutton::Cmdl2); });
    EXPECT_TRUE(g.Menus.Quitrequested());
}

TEST_F(Mainwindow, EndGameIsRefusedWithoutAGame) {
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuend); });
    Act([&] { g.Menus.Tlbgame_ButtonClick("Icoend"); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Wait.Key(), "Picfore");
}

} // namespace
} // namespace tc
