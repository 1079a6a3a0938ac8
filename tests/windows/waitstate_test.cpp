#include "windows/waitstate.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

using Log = std::vector<std::string>;

// The main window as the wait state sees it: it logs each action, and the actions that end
// a wait in the program do so here too.
struct Fakewindow : Shellactions {
    Waitstate* wait = nullptr;
    Log log;
    int whoguess = 1, trial = 0, starttrial = 1, elapsed = 0;
    Displaykind display = Displaykind::Colour;

    Role Whoguess() const override { return static_cast<Role>(whoguess); }
    int Trial() const override { return trial; }
    int Starttrial() const override { return starttrial; }
    int Elapsed() const override { return elapsed; }
    Displaykind Displaymode() const override { return display; }

    void Act(Shellaction action) override {
        log.push_back(Actionname(action));
        if (action == Shellaction::Startdemo) wait->Setwait(0, Waitkey::Demo);
        if (action == Shellaction::Finishgame) wait->Setwait(300, Waitkey::Picfore);
        if (action == Shellaction::Cmdokabout_Click) wait->Closepushed();
    }
    void Setdisplay(Displaykind mode) override {
        log.push_back("Setdisplay " + Displayname(mode));
        display = mode;
    }
    void Messageclosed(Waitkey key) override { log.push_back("Messageclosed " + Keyname(key)); }
};

struct Waitbench : ::testing::Test {
    Timerhost host;
    Virtualclock clock{host, Datetime::Make(2024, 5, 6, 10, 0, 0)};
    Fmmessage message;
    Fakewindow window;
    Waitstate wait{window, clock, message};

    Waitbench() {
        window.wait = &wait;
        wait.Register(host);
    }
    void Seconds(int s) { clock.advance(int64_t{s} * 1000); }
    // A one-button message as the game shows them.
    void Okmessage(Waitkey key, int timeout, bool pushed) {
        wait.Showmessage({.Text = "Text",
                          .Kind = Messagekind::One,
                          .Icon = Boxicon::Information,
                          .Mid = "OK",
                          .Defaultbutton = Boxbutton::Cmdmid,
                          .Key = key,
                          .Caption = "Caption",
                          .Timeout = timeout,
                          .Pushed = pushed});
    }
    void Endmessage(Waitkey key) {
        wait.Showmessage({.Text = "Text",
                          .Kind = Messagekind::Three,
                          .Icon = Boxicon::Exclamation,
                          .L3 = "Save File",
                          .Mid = "Change Display",
                          .R3 = "End",
                          .Defaultbutton = Boxbutton::Cmdr3,
                          .Key = key,
                          .Caption = Keyname(key),
                          .Timeout = 900});
    }
    void Question(Waitkey key, Boxbutton def) {
        wait.Showmessage({.Text = "Sure?",
                          .Kind = Messagekind::Two,
                          .Icon = Boxicon::Question,
                          .L2 = "Yes",
                          .R2 = "No",
                          .Defaultbutton = def,
                          .Key = key,
                          .Caption = "Question",
                          .Timeout = 60,
                          .Pushed = true});
    }
};

TEST_F(Waitbench, SetwaitSetsPushesKeepsAndPopsTheContext) {
    clock.advance(1234);
    wait.Setwait(300, Waitkey::Frmenu);
    EXPECT_EQ(wait.Key(), "Frmenu");
    EXPECT_EQ(wait.Timeout, 300);
    EXPECT_TRUE(wait.Tmrwait.Enabled);
    EXPECT_EQ(wait.Start, clock.Now());

    Seconds(5);
    wait.Pushwait(60, Waitkey::Notexist);
    EXPECT_EQ(wait.Key(), "Notexist+Frmenu");
    EXPECT_EQ(wait.Start, clock.Now());

    wait.Setwait(0);
    EXPECT_EQ(wait.Key(), "Notexist+Frmenu");
    EXPECT_FALSE(wait.Tmrwait.Enabled);
    EXPECT_EQ(wait.Timeout, 60); // a zero time-out keeps the stored one

    wait.Pop();
    EXPECT_EQ(wait.Key(), "Frmenu");
    wait.Pop(); // nothing pushed: the key stays
    EXPECT_EQ(wait.Key(), "Frmenu");

    // A push over no context, as the "Save File" button does it.
    wait.Setwait(0, Waitkey::None);
    wait.Pushwait(60, Waitkey::Mnusave);
    EXPECT_EQ(wait.Key(), "Mnusave+");
    wait.Pop();
    EXPECT_EQ(wait.Key(), "");
}

TEST_F(Waitbench, IdleTitleStartsTheDemoAfterFiveMinutesOnce) {
    wait.Setwait(300, Waitkey::Picfore);
    Seconds(299);
    EXPECT_TRUE(window.log.empty());
    Seconds(1);
    EXPECT_EQ(window.log, Log{"Startdemo"});
    Seconds(3600);
    EXPECT_EQ(window.log, Log{"Startdemo"});
    EXPECT_EQ(wait.Key(), "Demo");
}

TEST_F(Waitbench, ADefaultThatLeavesTheWaitAloneRepeatsHarmlessly) {
    wait.Setwait(0, Waitkey::Frgetstring1);
    Okmessage(Waitkey::Same, 900, false);
    Seconds(899);
    EXPECT_TRUE(message.Visible);
    Seconds(1);
    EXPECT_FALSE(message.Visible);
    EXPECT_EQ(window.log, Log{"Messageclosed Same"});
    // The wait is still running and the tick still finds its time out, every second.
    EXPECT_TRUE(wait.Tmrwait.Enabled);
    Seconds(120);
    EXPECT_EQ(window.log, Log{"Messageclosed Same"});
    EXPECT_FALSE(message.Visible);

    // Panel defaults that do not end the wait are taken again each second, as designed.
    window.log.clear();
    wait.Setwait(60, Waitkey::Picwinners);
    Seconds(62);
    EXPECT_EQ(window.log, (Log{"Cmdcontinue_Click", "Cmdcontinue_Click", "Cmdcontinue_Click"}));
}

TEST_F(Waitbench, AMessageOverAPanelGivesThePanelBackWithAMinute) {
    wait.Setwait(300, Waitkey::Frmenu);
    Seconds(100);
    Okmessage(Waitkey::Notexist, 60, true);
    EXPECT_EQ(wait.Key(), "Notexist+Frmenu");
    EXPECT_EQ(message.Tag, "Notexist");
    EXPECT_EQ(wait.Helptext(), "Press the OK button.  Please notice the OK button is "
                               "pressed automatically in one minute.");
    wait.Cmdmid_Click();
    EXPECT_FALSE(message.Visible);
    EXPECT_EQ(wait.Key(), "Frmenu");
    EXPECT_EQ(wait.Timeout, 60);
    EXPECT_EQ(wait.Start, clock.Now());
    Seconds(59);
    EXPECT_TRUE(window.log.empty());
    Seconds(1);
    EXPECT_EQ(window.log, Log{"Cmdcancel_Click"});

    // The same through the message's own time-out.
    window.log.clear();
    wait.Setwait(300, Waitkey::Frmenu);
    Okmessage(Waitkey::Notexist, 60, true);
    Seconds(60);
    EXPECT_FALSE(message.Visible);
    EXPECT_EQ(wait.Key(), "Frmenu");
    EXPECT_TRUE(window.log.empty());
    Seconds(60);
    EXPECT_EQ(window.log, Log{"Cmdcancel_Click"});
}

TEST_F(Waitbench, AboutOverTheIdleTitleGivesAFreshFiveMinutes) {
    wait.Setwait(300, Waitkey::Picfore);
    Seconds(200);
    wait.Pushwait(60, Waitkey::Fmabout);
    EXPECT_EQ(wait.Key(), "Fmabout+Picfore");
    Seconds(60); // its time-out presses OK
    EXPECT_EQ(window.log, Log{"Cmdokabout_Click"});
    EXPECT_EQ(wait.Key(), "Picfore");
    EXPECT_EQ(wait.Timeout, 300);
    Seconds(299);
    EXPECT_EQ(window.log, Log{"Cmdokabout_Click"});
    Seconds(1);
    EXPECT_EQ(window.log, (Log{"Cmdokabout_Click", "Startdemo"}));
}

TEST_F(Waitbench, HelpTextScrollsLeftPaddedTo230Characters) {
    wait.Setwait(0, Waitkey::Thinking);
    const std::string text = "I am thinking.  Please wait a while.";
    const std::string padded = std::string(10, ' ') + text + std::string(220 - text.size(), ' ');
    EXPECT_EQ(wait.Banner, padded);
    EXPECT_TRUE(wait.Tmrbanner.Enabled);
    clock.advance(500);
    EXPECT_EQ(wait.Banner, padded.substr(1) + ' ');
    clock.advance(500 * 12);
    EXPECT_EQ(wait.Banner, padded.substr(13) + padded.substr(0, 13));
    clock.advance(500 * 217); // once round
    EXPECT_EQ(wait.Banner, padded);

    // Keys without a help text scroll blanks; a pushed key reads the message table.
    wait.Setwait(0, Waitkey::Bug);
    EXPECT_EQ(wait.Banner, std::string(230, ' '));
    wait.Setwait(0, Waitkey::Same);
    EXPECT_EQ(wait.Banner, std::string(230, ' '));
    wait.Setwait(0, Waitkey::Frmenu);
    wait.Pushwait(60, Waitkey::Nofile);
    EXPECT_EQ(wait.Banner.substr(10, 85), "Press one button. Please notice the No button is "
                                          "pressed automatically in one minute.");
    EXPECT_EQ(wait.Helptext(Waitkey::Frmenu, true), ""); // a panel key is no message key

    window.starttrial = 4;
    EXPECT_EQ(
        wait.Helptext(Waitkey::Frgetstring1),
        "Input your guess.  Please notice you are allowed to try at most 24 times or 1 hour.");
}

TEST_F(Waitbench, ElapsedWaitIgnoresHoursAndSurvivesMidnight) {
    clock.Setnow(Datetime::Make(2024, 5, 6, 10, 59, 30));
    Okmessage(Waitkey::Warning, 60, false);
    Seconds(59);
    EXPECT_TRUE(message.Visible);
    EXPECT_EQ(wait.Elapsedwait(), 59);
    Seconds(1);
    EXPECT_EQ(clock.Now(), Datetime::Make(2024, 5, 6, 11, 0, 30));
    EXPECT_FALSE(message.Visible);

    clock.Setnow(Datetime::Make(2024, 5, 6, 23, 59, 30));
    Okmessage(Waitkey::Warning, 60, false);
    Seconds(45);
    EXPECT_EQ(wait.Elapsedwait(), 45); // 00:00:15 - 23:59:30
    EXPECT_TRUE(message.Visible);
    Seconds(14);
    EXPECT_TRUE(message.Visible);
    Seconds(1);
    EXPECT_FALSE(message.Visible);

    // The clock put back an hour in the middle of a wait changes nothing.
    Okmessage(Waitkey::Warning, 60, false);
    Seconds(30);
    clock.Setnow(Datetime::Fromtotalms(clock.Now().Totalms() - 3'600'000));
    Seconds(29);
    EXPECT_TRUE(message.Visible);
    Seconds(1);
    EXPECT_FALSE(message.Visible);
}

TEST_F(Waitbench, EndGameQuestion) {
    wait.Setwait(0, Waitkey::Frgetstring1);
    wait.Endgame();
    EXPECT_EQ(window.log, Log{"Keepfinaltrial"});
    EXPECT_EQ(message.Lblmessage.Caption, "Are you sure you want to end this game?");
    EXPECT_TRUE(message.Visible && message.Cmdl2.Visible && message.Cmdr2.Visible);
    EXPECT_FALSE(message.Cmdmid.Visible || message.Cmdl3.Visible || message.Cmdr3.Visible);
    EXPECT_TRUE(message.Cmdl2.Default);
    EXPECT_EQ(wait.Key(), "Mnuend+Frgetstring1");

    // OK in "You guess" after some trials: the answer is shown later, the game not finished.
    window.log.clear();
    window.trial = 5;
    wait.Cmdl2_Click();
    EXPECT_EQ(window.log, (Log{"Stopplay", "Showanswerlater"}));
    EXPECT_FALSE(message.Visible);

    // OK before the first trial, or when the computer guesses: the game ends at once.
    for (auto [who, trial] : {std::pair{1, 0}, std::pair{2, 4}}) {
        window.log.clear();
        window.whoguess = who;
        window.trial = trial;
        wait.Endgame();
        wait.Press(Boxbutton::Cmdl2);
        EXPECT_EQ(window.log, (Log{"Keepfinaltrial", "Stopplay", "Finishgame"}));
        EXPECT_EQ(wait.Key(), "Picfore");
    }
}

TEST_F(Waitbench, UnansweredEndGameQuestionCancelsInEveryModeAndThePanelWaitsAgain) {
    for (int who : {1, 2, 3}) {
        window.whoguess = who;
        window.log.clear();
        wait.Setwait(60, Waitkey::Frshowresult);
        wait.Endgame();
        Seconds(60);
        EXPECT_FALSE(message.Visible) << who;
        EXPECT_EQ(wait.Key(), "Frshowresult");
        EXPECT_TRUE(wait.Tmrwait.Enabled);
        EXPECT_EQ(window.log, Log{"Keepfinaltrial"});
        // The result panel under the question still presses its OK in the end.
        Seconds(60);
        EXPECT_EQ(window.log, (Log{"Keepfinaltrial", "Cmdshowresult_Click"}));
    }
}

TEST_F(Waitbench, QuitQuestion) {
    wait.Setwait(300, Waitkey::Picfore);
    wait.Quitgame();
    EXPECT_EQ(wait.Key(), "Mnuquit+Picfore");
    wait.Cmdr2_Click();
    EXPECT_EQ(wait.Key(), "Picfore");
    EXPECT_EQ(wait.Timeout, 300);
    EXPECT_EQ(window.log, (Log{"Playreminder", "Closereminder"}));
    wait.Quitgame();
    wait.Cmdl2_Click();
    EXPECT_EQ(window.log.back(), "Quitprogramme");
}

TEST_F(Waitbench, FileQuestionsAnswerYesByButtonAndNoByTimeOut) {
    wait.Setwait(300, Waitkey::Load);
    Question(Waitkey::Delete, Boxbutton::Cmdl2);
    EXPECT_TRUE(message.Cmdl2.Default); // Enter means Yes
    wait.Cmdl2_Click();
    EXPECT_EQ(window.log, Log{"Deletefile"});
    EXPECT_EQ(wait.Key(), "Load");
    EXPECT_EQ(wait.Timeout, 60);

    window.log.clear();
    Question(Waitkey::Delete, Boxbutton::Cmdl2);
    Seconds(60);
    EXPECT_TRUE(window.log.empty());
    EXPECT_FALSE(message.Visible);
    EXPECT_EQ(wait.Key(), "Load");

    Question(Waitkey::Overwrite, Boxbutton::Cmdr2);
    wait.Cmdl2_Click();
    EXPECT_EQ(window.log, Log{"Savegame"});
    EXPECT_FALSE(wait.Tmrwait.Enabled);

    window.log.clear();
    wait.Pushwait(300, Waitkey::Mnusave);
    Question(Waitkey::Nofile, Boxbutton::Cmdr2);
    EXPECT_EQ(wait.Key(), "Nofile+Mnusave+Load");
    Seconds(60);
    EXPECT_EQ(window.log, Log{"Cancelfiles"});
    EXPECT_EQ(wait.Key(), "Mnusave+Load");

    window.log.clear();
    Okmessage(Waitkey::Notready, 60, true);
    wait.Cmdmid_Click();
    EXPECT_EQ(window.log, Log{"Resetdrive"});
    EXPECT_EQ(wait.Key(), "Mnusave+Load");
}

TEST_F(Waitbench, EndMessagesSaveSwitchDisplayAndEnd) {
    Endmessage(Waitkey::Gameover1);
    EXPECT_EQ(wait.Key(), "Gameover1");
    wait.Cmdmid_Click();
    wait.Cmdmid_Click();
    EXPECT_EQ(window.log, (Log{"Setdisplay Number", "Setdisplay Colour"}));
    EXPECT_TRUE(message.Visible);

    window.log.clear();
    wait.Cmdl3_Click();
    EXPECT_EQ(window.log, Log{"Opensavedialog"});
    EXPECT_FALSE(message.Visible);
    EXPECT_EQ(wait.Key(), "Mnusave+");
    EXPECT_EQ(wait.Timeout, 60);

    window.log.clear();
    Endmessage(Waitkey::Wrongdetection);
    Seconds(900);
    EXPECT_EQ(window.log, Log{"Finishgame"});

    // The win goes to the top five only within the hour and the trials.
    for (auto [elapsed, trial, last] :
         {std::tuple{3599, 26, "Offerrecord"}, std::tuple{3600, 5, "Finishgame"},
          std::tuple{100, 27, "Finishgame"}}) {
        window.log.clear();
        window.elapsed = elapsed;
        window.trial = trial;
        Endmessage(Waitkey::Win);
        wait.Press(Boxbutton::Cmdr3);
        EXPECT_EQ(window.log, (Log{"Closemedia", last}));
        EXPECT_FALSE(message.Visible);
    }

    window.log.clear();
    wait.Showmessage({.Text = "Result",
                      .Kind = Messagekind::Two,
                      .Icon = Boxicon::Information,
                      .L2 = "Change Display",
                      .R2 = "FINISH",
                      .Defaultbutton = Boxbutton::Cmdr2,
                      .Key = Waitkey::Notgame,
                      .Caption = "Result of Previous Game",
                      .Timeout = 900});
    wait.Cmdl2_Click();
    Seconds(900);
    EXPECT_EQ(window.log, (Log{"Setdisplay Number", "Cmdcancel_Click"}));
    EXPECT_EQ(wait.Key(), "");
    EXPECT_FALSE(message.Visible);
}

TEST_F(Waitbench, OkMessagesByContext) {
    Okmessage(Waitkey::Continueplaying, 60, false);
    Seconds(60);
    EXPECT_EQ(window.log, Log{"Correction"});
    EXPECT_EQ(wait.Key(), "Thinking");
    EXPECT_NE(wait.Banner.find("I am thinking."), std::string::npos);

    window.log.clear();
    Okmessage(Waitkey::Notenter, 60, false);
    wait.Cmdmid_Click();
    EXPECT_EQ(window.log, Log{"Resumeloadedgame"});
    EXPECT_FALSE(wait.Tmrwait.Enabled);

    window.log.clear();
    Okmessage(Waitkey::Gameover0, 60, false);
    Seconds(60);
    EXPECT_EQ(window.log, Log{"Finishgame"});
    Seconds(600);
    EXPECT_EQ(window.log, (Log{"Finishgame", "Startdemo"}));
}

TEST_F(Waitbench, AButtonWithNoWorkForTheKeyDoesNothing) {
    wait.Setwait(0, Waitkey::Frgetstring1);
    Okmessage(Waitkey::Same, 900, false);
    for (Boxbutton b :
         {Boxbutton::Cmdl3, Boxbutton::Cmdl2, Boxbutton::Cmdr2, Boxbutton::Cmdr3, Boxbutton::None})
        wait.Press(b);
    Endmessage(Waitkey::Franswer);
    wait.Press(Boxbutton::Cmdl2);
    wait.Press(Boxbutton::Cmdr2);
    Question(Waitkey::Mnuend, Boxbutton::Cmdl2);
    wait.Press(Boxbutton::Cmdr3);
    wait.Press(Boxbutton::Cmdmid);
    EXPECT_TRUE(window.log.empty());
    EXPECT_TRUE(message.Visible);
    EXPECT_EQ(wait.Key(), "Mnuend+Franswer");

    // A closed message has no buttons to press.
    wait.Cmdr2_Click();
    window.log.clear();
    wait.Cmdl2_Click();
    EXPECT_TRUE(window.log.empty());
}

TEST_F(Waitbench, GivingUpAStartPanelEndsTheGame) {
    for (Waitkey panel : {Waitkey::Frtrialno, Waitkey::Frmark}) {
        window.log.clear();
        wait.Setwait(300, panel);
        Seconds(300);
        EXPECT_EQ(window.log, (Log{"Hidestartpanels", "Finishgame"})) << Keyname(panel);
        EXPECT_EQ(wait.Key(), "Picfore");
    }
    window.log.clear();
    wait.Setwait(300, Waitkey::Fraskcode);
    Seconds(300);
    EXPECT_EQ(window.log, Log{"Finishgame"});
}

TEST_F(Waitbench, ReportbugOffersDisplayAndFinishWithoutTimeOut) {
    wait.Reportbug("1234");
    EXPECT_EQ(message.Lblmessage.Caption,
              "This programme has a bug. My next guess is 1234. Please choose one option below.");
    EXPECT_EQ(wait.Key(), "Bug");
    EXPECT_FALSE(wait.Tmrwait.Enabled);
    wait.Reportbug("");
    EXPECT_EQ(message.Lblmessage.Caption,
              "This programme has a bug. Please choose one option below.");
    Seconds(3600);
    EXPECT_TRUE(message.Visible);
    wait.Cmdr2_Click();
    EXPECT_EQ(window.log, Log{"Cmdcancel_Click"});
}

TEST(Plural, SingularOnlyForOne) {
    EXPECT_EQ(Plural("error", 1), "error");
    EXPECT_EQ(Plural("error", 2), "errors");
    EXPECT_EQ(Plural(" time", 0), " times");
    EXPECT_EQ(Plural("is", 3), "are");
    EXPECT_EQ(Plural("has", 2), "have");
    EXPECT_EQ(Plural("has", 1), "has");
}

} // namespace
} // namespace tc
