// The Open/Save dialog in virtual time: the name rules, its questions and their time-outs, saving
// a game in play or at its end, loading it back to go on playing or to examine it, files that
// are not saved games, writes that fail, and deleting a file with the Delete key.
#include "engine/codes.h"
#include "play/game.h"
#include "records/winners.h"
#include "savedgames/savedfile.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"
#include "windows/animation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tc {
namespace {

namespace fs = std::filesystem;

using testkit::Filebytes;
using testkit::Putbytes;
using testkit::Tempfolder;

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

// A picture's display list in a comparable form.
std::vector<std::string> Drawing(const Picture& p) {
    std::vector<std::string> out;
    for (const Drawop& op : p.Ops) {
        std::ostringstream s;
        s << static_cast<int>(op.What) << ' ' << op.Box.X << ',' << op.Box.Y << ' ' << op.Box.Width
          << 'x' << op.Box.Height << ' ' << op.Box.Fill << ' ' << op.Box.Dotted << ' ' << op.Text.X
          << ',' << op.Text.Y << ' ' << op.Text.Text << ' ' << op.Image;
        out.push_back(s.str());
    }
    return out;
}

// One run of the program on a program folder, with its own clock and timers. Two runs on one
// folder stand for saving a game and loading it another day.
struct Program : testkit::Virtualgame {
    Fmfiles& f = g.Files;

    explicit Program(const fs::path& folder) { g.Programfolder = folder; }
    void Menu(Menucommand item) {
        Act([&] { g.Menus.Menu_Click(item); });
    }
    void Press(Boxbutton button) {
        Act([&] { g.Messagebutton(button); });
    }
    void Save(const std::string& name) {
        f.Txtfiles.Caption = name;
        Act([&] { g.Gamefiles.Cmdsave_Click(); });
    }
    void Open(const std::string& name) {
        f.Txtfiles.Caption = name;
        Act([&] { g.Gamefiles.Cmdopen_Click(); });
    }
    void Load(const std::string& name) {
        Menu(Menucommand::Mnuload);
        ASSERT_TRUE(f.Visible);
        Open(name);
    }
    // "You guess" typed on the keyboard: 6 colours, length 4, random order, no repetition.
    void Startyouguess(const std::string& answer) {
        Menu(Menucommand::Mnukey);
        Virtualgame::Startyouguess(
            answer,
            {{&lists.Cbcolour, "6"}, {&lists.Cblength, "4"}, {&lists.Cborder, "Random order"}});
        ASSERT_TRUE(m.Frinput.Visible);
    }
    // "Computer guesses" with the player marking on the keyboard: 10 colours, length 4, fixed
    // order, no repetition.
    void Startcomputerguesses() {
        Menu(Menucommand::Mnukey);
        Setmenu("Computer guesses", {{&lists.Cbcolour, "10"}, {&lists.Cblength, "4"}});
        Act([&] { g.Gamestarter.Cmdstart_Click(); });
        ASSERT_TRUE(m.Frmark.Visible);
        Act([&] { g.Gamestarter.Cmdokmark_Click(); }); // "No" is preselected: the player marks
        ASSERT_TRUE(m.Fraskcode.Visible);
        Act([&] { g.Gamestarter.Cmdready_Click(); });
        clock.advance(10);
        ASSERT_TRUE(m.Frgetresult.Visible);
    }
    // The player's true marks of the guess on the marks panel; the computer's next step runs.
    void Mark(const Str& code) {
        const Hint h = Markguess(g.Rec.Currentstring, code, g.Setting);
        ASSERT_LT(h.black, g.Setting.Codelength);
        ASSERT_TRUE(g.Markentry.Txtcorrect_KeyPress(static_cast<char>('0' + h.black)));
        if (!g.Setting.Fixedorder()) {
            ASSERT_TRUE(g.Markentry.Txtwrong_KeyPress(static_cast<char>('0' + h.white)));
        }
        Act([&] { g.Markentry.Cmdgetresult_Click(); });
        clock.advance(10);
    }
    // Marks every guess until the computer names the code; the guesses it made.
    std::vector<std::string> Markuntilwin(const Str& code) {
        std::vector<std::string> guesses;
        while (m.Frgetresult.Visible && guesses.size() < 27) {
            guesses.push_back(g.Rec.Currentstring.str());
            if (g.Rec.Currentstring == code) {
                Act([&] { g.Markentry.Cmdwin_Click(); });
                break;
            }
            Mark(code);
            if (::testing::Test::HasFatalFailure()) break;
        }
        return guesses;
    }
    // An empty TOP FIVE file of the colours, so that any counted win enters the list.
    void Emptywinners(int ncolours) {
        fs::create_directories(g.Programfolder / "Winners");
        Winnersrecord r;
        ASSERT_EQ(Writewinners(Winnersfile(g.Programfolder, ncolours), r, clock),
                  Writeresult::Written);
    }
    void Expectidle() {
        EXPECT_FALSE(g.Message.Visible);
        EXPECT_FALSE(f.Visible);
        EXPECT_EQ(g.Rec.Status, Gamestatus::None);
        EXPECT_TRUE(m.Picfore.Visible);
        EXPECT_EQ(g.Wait.Key(), "Picfore");
    }
};

struct Filedialog : ::testing::Test {
    Tempfolder dir;
    std::unique_ptr<Program> first = std::make_unique<Program>(dir.Path());
    Program& p = *first;
    Game& g = p.g;

    fs::path Files() const { return dir.Path() / "Files"; }
    std::string Pathof(const std::string& file) const { return (Files() / file).string(); }
    std::unique_ptr<Program> Later() { return std::make_unique<Program>(dir.Path()); }
    void Expectmessage(const Game& game, const std::string& key, const std::string& text,
                       const std::string& caption, Boxbutton defaultbutton, int timeout = 60) {
        ASSERT_TRUE(game.Message.Visible);
        EXPECT_EQ(game.Message.Tag, key);
        EXPECT_EQ(game.Message.Lblmessage.Caption, text);
        EXPECT_EQ(game.Message.Caption, caption);
        Fmmessage copy = game.Message;
        EXPECT_TRUE(copy.Button(defaultbutton)->Default) << static_cast<int>(defaultbutton);
        EXPECT_EQ(game.Wait.Timeout, timeout);
    }
};

// ---- Names and the no-name question ----

TEST_F(Filedialog, NamesGetTcUnlessTheyEndExactlyInIt) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Menu(Menucommand::Mnusaveas);
    p.Save("game");
    EXPECT_EQ(Entries(Files()), (std::vector<std::string>{"game.tc"}));
    EXPECT_EQ(g.Rec.Filepath, Pathof("game.tc"));

    // "game.tc" is the same file: no second ".tc", so the overwrite question comes.
    p.Menu(Menucommand::Mnusaveas);
    p.Save("game.tc");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Overwrite");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "The file " + Pathof("game.tc") + " already exits!  Overwrite?");
    p.Press(Boxbutton::Cmdr2);

    // The comparison is case-sensitive.
    p.Save("GAME.TC");
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(Entries(Files()), (std::vector<std::string>{"GAME.TC.tc", "game.tc"}));
    EXPECT_EQ(g.Rec.Filepath, Pathof("GAME.TC.tc"));

    // In a root folder no second separator is put in.
    p.Guess("0123");
    p.Press(Boxbutton::Cmdr3);
    p.Menu(Menucommand::Mnuload);
    const fs::path root = dir.Path().root_path();
    p.Act([&] { g.Gamefiles.Dirfiles_Change(root); });
    p.Open("no-such-saved-game");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption, "The file " +
                                                (root / "no-such-saved-game.tc").string() +
                                                " does not exist!  Try again.");
}

TEST_F(Filedialog, ANameThatIsNotAPlainFileNameGetsTheBadNameMessage) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Menu(Menucommand::Mnusaveas);
    const std::string bad[] = {"/game",     "../game",    "sub/game", "a\\b",
                               "tab\tname", "esc\x1b[2J", "..",       std::string(253, 'n')};
    for (const std::string& name : bad) {
        p.Save(name);
        Expectmessage(g, "Notready", "Disk not ready! Please insert a disk in drive /.",
                      "Disk Not Ready", Boxbutton::Cmdmid);
        p.Press(Boxbutton::Cmdmid);
        EXPECT_TRUE(g.Files.Visible) << name;
        EXPECT_EQ(g.Rec.Savedstate, Filestate::Unsaved) << name;
    }
    // The longest name that fits goes where every save goes: the folder shown.
    p.Save(std::string(252, 'n'));
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(Entries(Files()), std::vector<std::string>{std::string(252, 'n') + ".tc"});
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Files"});
}

TEST_F(Filedialog, AnEmptyNameAsksWhetherToGoOn) {
    // Load mode: Yes returns to the dialog with a minute's wait.
    p.Menu(Menucommand::Mnuload);
    p.Open("");
    Expectmessage(g, "Nofile",
                  "You haven't specified a file name.\nDo you still want to load a game?",
                  "No File Name", Boxbutton::Cmdr2);
    EXPECT_EQ(g.Message.Cmdl2.Caption, "Yes");
    EXPECT_EQ(g.Message.Cmdr2.Caption, "No");
    EXPECT_EQ(g.Wait.Key(), "Nofile+Load");
    p.Press(Boxbutton::Cmdl2);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Load");
    EXPECT_EQ(g.Wait.Timeout, 60);

    // No cancels the dialog: back to the idle screen.
    p.Open("");
    p.Press(Boxbutton::Cmdr2);
    p.Expectidle();

    // Save mode during play: the question's own words, and its time-out answers No, which
    // cancels the dialog and leaves the game in play.
    p.Startyouguess("0123");
    p.Play("4501");
    p.Menu(Menucommand::Mnusaveas);
    p.Save("");
    Expectmessage(g, "Nofile",
                  "You haven't specified a file name.\nDo you still want to save the game?",
                  "No File Name", Boxbutton::Cmdr2);
    p.Seconds(59);
    EXPECT_TRUE(g.Message.Visible);
    p.Seconds(1);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_TRUE(p.m.Frinput.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    EXPECT_EQ(g.Rec.Savedstate, Filestate::Unsaved);
    EXPECT_TRUE(Entries(Files()).empty());
}

// ---- Saving a game in play ----

TEST_F(Filedialog, SaveAsDuringPlayThenSaveAndOverwrite) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Seconds(125);
    p.Menu(Menucommand::Mnusaveas);
    ASSERT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Files.Caption(), "Save As");
    EXPECT_TRUE(g.Files.Cmdsave.Visible);
    EXPECT_TRUE(g.Files.Cmdsave.Default);
    EXPECT_FALSE(g.Files.Cmdopen.Visible);
    EXPECT_EQ(g.Files.Dirfiles, Files());
    EXPECT_EQ(g.Files.Txtfiles.Caption, "");
    EXPECT_TRUE(g.Files.Txtfiles.Focused);
    EXPECT_EQ(g.Wait.Key(), "Mnusave+Frgetstring1");
    EXPECT_EQ(g.Wait.Timeout, 300);

    p.Save("game");
    const fs::path file = Files() / "game.tc";
    ASSERT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(fs::file_size(file), 722u);
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Savedstate, Filestate::Saved);
    EXPECT_EQ(g.Rec.Filepath, file.string());
    EXPECT_EQ(p.m.Caption, "Saved Game - " + file.string());
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    EXPECT_TRUE(p.m.Frinput.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    {
        const Decoded d = Readsavedgame(file);
        ASSERT_TRUE(d) << d.Reason;
        EXPECT_EQ(d.Game->Elapsed, 125);
        EXPECT_EQ(d.Game->Finaltrial, 1);
        EXPECT_EQ(d.Game->Guesses[1], "4501");
        EXPECT_EQ(d.Game->Answer, "0123");
    }

    // Save writes over the same file without asking.
    p.Play("4512");
    p.Menu(Menucommand::Mnusave);
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(Entries(Files()), (std::vector<std::string>{"game.tc"}));
    {
        const Decoded d = Readsavedgame(file);
        ASSERT_TRUE(d) << d.Reason;
        EXPECT_EQ(d.Game->Finaltrial, 2);
        EXPECT_EQ(d.Game->Guesses[2], "4512");
    }

    // Save As onto it asks first; No and the time-out return to the dialog, unwritten.
    p.Play("5240");
    const std::vector<unsigned char> before = Filebytes(file);
    p.Menu(Menucommand::Mnusaveas);
    p.Save("game");
    Expectmessage(g, "Overwrite", "The file " + file.string() + " already exits!  Overwrite?",
                  "Overwrite File?", Boxbutton::Cmdr2);
    EXPECT_EQ(g.Message.Cmdl2.Caption, "Yes");
    EXPECT_EQ(g.Wait.Key(), "Overwrite+Mnusave+Frgetstring1");
    p.Press(Boxbutton::Cmdr2);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Mnusave+Frgetstring1");
    EXPECT_EQ(g.Wait.Timeout, 60);
    EXPECT_EQ(Filebytes(file), before);

    p.Save("game");
    p.Seconds(60);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Mnusave+Frgetstring1");
    EXPECT_EQ(Filebytes(file), before);

    // Yes writes.
    p.Save("game");
    p.Press(Boxbutton::Cmdl2);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    const Decoded d = Readsavedgame(file);
    ASSERT_TRUE(d) << d.Reason;
    EXPECT_EQ(d.Game->Finaltrial, 3);
    EXPECT_EQ(d.Game->Guesses[3], "5240");

    // Left alone, the dialog gives up after five minutes and play goes on.
    p.Menu(Menucommand::Mnusaveas);
    p.Seconds(299);
    EXPECT_TRUE(g.Files.Visible);
    p.Seconds(1);
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
}

// ---- Loading ----

TEST_F(Filedialog, LoadModeTimesOutAndReportsAMissingFile) {
    p.Menu(Menucommand::Mnuload);
    ASSERT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Files.Caption(), "Open");
    EXPECT_TRUE(g.Files.Cmdopen.Visible);
    EXPECT_TRUE(g.Files.Cmdopen.Default);
    EXPECT_FALSE(g.Files.Cmdsave.Visible);
    EXPECT_EQ(g.Wait.Key(), "Load");
    EXPECT_EQ(g.Wait.Timeout, 300);

    p.Open("missing");
    Expectmessage(g, "Notexist",
                  "The file " + Pathof("missing.tc") + " does not exist!  Try again.",
                  "File Not Exist", Boxbutton::Cmdmid);
    EXPECT_EQ(g.Message.Cmdmid.Caption, "OK");
    p.Press(Boxbutton::Cmdmid);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Files.Txtfiles.Caption, "missing");
    EXPECT_EQ(g.Wait.Key(), "Load");
    EXPECT_EQ(g.Wait.Timeout, 60);

    // The message's time-out is its OK; a folder is no saved game either.
    fs::create_directories(Files() / "folder.tc");
    p.Open("folder");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Notexist");
    p.Seconds(60);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Files.Txtfiles.Caption, "folder");

    // The dialog's own wait was restarted with a minute; after five minutes of nothing at all
    // a fresh dialog is cancelled.
    p.Seconds(60);
    p.Expectidle();
    p.Menu(Menucommand::Mnuload);
    p.Seconds(299);
    EXPECT_TRUE(g.Files.Visible);
    p.Seconds(1);
    p.Expectidle();
}

TEST_F(Filedialog, AFolderThatCannotBeReadIsToldNotShownEmpty) {
    p.Menu(Menucommand::Mnuload);
    const fs::path gone = Files() / "gone";
    p.Act([&] { g.Gamefiles.Dirfiles_Change(gone); });
    Expectmessage(g, "Notexist",
                  "The folder " + gone.string() +
                      " cannot be read.\nYou may not look into it; choose another folder.",
                  "Folder Not Read", Boxbutton::Cmdmid);
}

TEST_F(Filedialog, AGameInPlayResumesWithItsClockAndNeverEntersTheTopFive) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Seconds(100);
    p.Play("4512");
    p.Seconds(25);
    p.Menu(Menucommand::Mnusaveas);
    p.Save("game");
    const std::string file = Pathof("game.tc");
    const std::vector<std::string> board = Drawing(p.m.Picrecord);
    ASSERT_EQ(g.Rec.Savedstate, Filestate::Saved);

    // The program that saved it counts the win of the same game in the TOP FIVE.
    p.Emptywinners(6);
    p.Guess("0123");
    ASSERT_EQ(g.Message.Tag, "Win");
    p.Press(Boxbutton::Cmdr3);
    EXPECT_TRUE(p.m.Frgetname.Visible);

    auto later = Later();
    Program& q = *later;
    q.Load("game");
    EXPECT_FALSE(q.f.Visible);
    EXPECT_EQ(q.m.Caption, "Loaded Game - " + file);
    EXPECT_EQ(q.g.Rec.Savedstate, Filestate::Loaded);
    EXPECT_EQ(q.g.Rec.Filepath, file);
    Expectmessage(q.g, "Notenter",
                  "Please notice that for a loaded game, you will not\nenter the Top Five List "
                  "even if you break the record.",
                  "Loaded Game", Boxbutton::Cmdmid);
    EXPECT_EQ(q.g.Wait.Key(), "Notenter");
    for (const Menuitem* item :
         {&q.m.Mnuset, &q.m.Mnunew, &q.m.Mnuload, &q.m.Mnusaving, &q.m.Mnudemo})
        EXPECT_FALSE(item->Enabled);
    EXPECT_TRUE(q.m.Mnuend.Enabled);
    EXPECT_FALSE(q.m.Picfore.Visible);
    EXPECT_TRUE(q.m.Picrecord.Visible);
    EXPECT_TRUE(q.m.Picupper.Visible);
    EXPECT_EQ(Drawing(q.m.Picrecord), board);
    EXPECT_EQ(q.g.Setting.Ncolours, 6);
    EXPECT_EQ(q.g.Rec.Trial, 2);

    // Waiting on the notice costs no play time; its OK starts the clock from 125 seconds.
    q.Seconds(30);
    q.Press(Boxbutton::Cmdmid);
    EXPECT_FALSE(q.g.Message.Visible);
    EXPECT_TRUE(q.m.Lbltime.Visible);
    EXPECT_EQ(q.m.Lbltime.Caption, "Time spent:  2 minutes 5 seconds");
    EXPECT_EQ(q.m.Ani.Bird.X, -q.m.Ani.Frame.Width);
    EXPECT_EQ(q.m.Ani.Bird.Y, Birdy(2));
    q.Seconds(10);
    EXPECT_EQ(q.m.Lbltime.Caption, "Time spent:  2 minutes 15 seconds");
    EXPECT_TRUE(q.g.Tmrrec.Enabled);
    EXPECT_TRUE(q.m.Frinput.Visible);
    EXPECT_EQ(q.g.Wait.Key(), "Frgetstring1");

    // A loaded game saved again writes over its own file and stays "Loaded".
    q.Play("2345");
    q.Menu(Menucommand::Mnusave);
    EXPECT_FALSE(q.f.Visible);
    EXPECT_EQ(q.g.Rec.Savedstate, Filestate::Loaded);
    {
        const Decoded d = Readsavedgame(file);
        ASSERT_TRUE(d) << d.Reason;
        EXPECT_EQ(d.Game->Finaltrial, 3);
        EXPECT_EQ(d.Game->Guesses[3], "2345");
        EXPECT_EQ(d.Game->Elapsed, 135);
    }

    // Its win goes to the idle screen, not to the name panel.
    q.Guess("0123");
    ASSERT_TRUE(q.g.Message.Visible);
    ASSERT_EQ(q.g.Message.Tag, "Win");
    q.Press(Boxbutton::Cmdr3);
    EXPECT_FALSE(q.m.Frgetname.Visible);
    q.Expectidle();
}

TEST_F(Filedialog, TheNoticeOfALoadedGameAnswersItselfAfterAMinute) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Seconds(125);
    p.Menu(Menucommand::Mnusaveas);
    p.Save("game");

    auto later = Later();
    Program& q = *later;
    q.Load("game");
    ASSERT_EQ(q.g.Message.Tag, "Notenter");
    q.Seconds(59);
    EXPECT_TRUE(q.g.Message.Visible);
    q.Seconds(1);
    EXPECT_FALSE(q.g.Message.Visible);
    EXPECT_EQ(q.m.Lbltime.Caption, "Time spent:  2 minutes 5 seconds");
    EXPECT_TRUE(q.m.Frinput.Visible);
}

TEST_F(Filedialog, AWonGameSavedFromItsEndMessageIsShownForExamination) {
    p.Emptywinners(6);
    p.Startyouguess("0123");
    p.Play("4501");
    p.Seconds(30);
    p.Guess("0123");
    ASSERT_EQ(g.Message.Tag, "Win");
    p.Press(Boxbutton::Cmdl3);
    EXPECT_FALSE(g.Message.Visible);
    ASSERT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Files.Caption(), "Save As");
    EXPECT_EQ(g.Wait.Key(), "Mnusave+");
    EXPECT_EQ(g.Wait.Timeout, 60);
    p.Save("won");
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_EQ(g.Rec.Savedstate, Filestate::Saved);
    // A counted win goes on to the TOP FIVE after saving.
    EXPECT_TRUE(p.m.Frgetname.Visible);
    {
        const Decoded d = Readsavedgame(Files() / "won.tc");
        ASSERT_TRUE(d) << d.Reason;
        EXPECT_EQ(d.Game->Status, "Win");
        EXPECT_EQ(d.Game->Finaltrial, 2);
    }

    auto later = Later();
    Program& q = *later;
    const Savedchoices menu = q.m.Lists.Save();
    const Gamesetting setting = q.g.Setting;
    ASSERT_NE(menu.Colour, "6");
    q.Load("won");
    Expectmessage(q.g, "Notgame",
                  "Here is the result of a previous game.\nPress the FINISH button after you have "
                  "finished examining the result.",
                  "Result of Previous Game", Boxbutton::Cmdr2, 900);
    EXPECT_EQ(q.g.Message.Cmdl2.Caption, "Change Display");
    EXPECT_EQ(q.g.Message.Cmdr2.Caption, "FINISH");
    EXPECT_EQ(q.m.Caption, "Loaded Game - " + Pathof("won.tc"));
    EXPECT_TRUE(q.m.Frsetting.Visible);
    EXPECT_TRUE(q.m.Franswer.Visible);
    EXPECT_EQ(q.m.Franswer.Caption, "Answer");
    EXPECT_FALSE(q.m.Picrecord.Ops.empty());
    EXPECT_FALSE(q.g.Tmrrec.Enabled);

    // "Change Display" switches the display and keeps the message.
    const Displaykind display = q.m.Displaymode;
    q.Press(Boxbutton::Cmdl2);
    EXPECT_NE(q.m.Displaymode, display);
    EXPECT_TRUE(q.g.Message.Visible);

    // FINISH: the idle screen with the choices the setting menu had before the load.
    q.Press(Boxbutton::Cmdr2);
    q.Expectidle();
    EXPECT_EQ(q.m.Lists.Save(), menu);
    EXPECT_EQ(q.g.Setting, setting);
    EXPECT_TRUE(q.m.Mnuload.Enabled);
    EXPECT_TRUE(q.m.Mnuset.Enabled);
    EXPECT_EQ(q.m.Caption, "Tintcipher");
}

TEST_F(Filedialog, AGameOverSavedFromItsEndMessageFinishesAndLoadsFinished) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Seconds(3602); // the warning closes by itself, then the hour ends the game
    ASSERT_TRUE(g.Message.Visible);
    ASSERT_EQ(g.Message.Tag, "Gameover1");
    p.Press(Boxbutton::Cmdl3);
    ASSERT_TRUE(g.Files.Visible);
    p.Save("over");
    p.Expectidle();
    EXPECT_TRUE(fs::is_regular_file(Files() / "over.tc"));

    auto later = Later();
    Program& q = *later;
    q.Load("over");
    ASSERT_TRUE(q.g.Message.Visible);
    EXPECT_EQ(q.g.Message.Tag, "Notgame");
    EXPECT_EQ(q.g.Rec.Status, Gamestatus::Gameover);
    EXPECT_EQ(q.m.Franswer.Caption, "Answer");
    // Left alone, FINISH is pressed after 15 minutes.
    q.Seconds(899);
    EXPECT_TRUE(q.g.Message.Visible);
    q.Seconds(1);
    q.Expectidle();
}

TEST_F(Filedialog, ASaveFromTheEndMessageLeftAloneFinishesTheGameUnsaved) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Guess("0123");
    ASSERT_EQ(g.Message.Tag, "Win");
    p.Press(Boxbutton::Cmdl3);
    ASSERT_TRUE(g.Files.Visible);
    p.Seconds(59);
    EXPECT_TRUE(g.Files.Visible);
    p.Seconds(1);
    p.Expectidle();
    EXPECT_TRUE(Entries(Files()).empty());

    // The no-name question's No ends it the same way.
    p.Startyouguess("0123");
    p.Guess("0123");
    p.Press(Boxbutton::Cmdl3);
    p.Save("");
    ASSERT_EQ(g.Message.Tag, "Nofile");
    p.Press(Boxbutton::Cmdr2);
    p.Expectidle();
}

// Looking at the save dialog of a counted win never costs the record: Cancel goes on as End.
TEST_F(Filedialog, CancellingTheSaveOfACountedWinStillOffersTheTopFive) {
    p.Emptywinners(6);
    p.Startyouguess("0123");
    p.Guess("0123");
    p.Press(Boxbutton::Cmdl3);
    p.Act([&] { g.Gamefiles.Cmdcancelfiles_Click(); });
    EXPECT_TRUE(p.m.Frgetname.Visible);
}

TEST_F(Filedialog, PlayerMarkingGameResumesOnTheMarksPanelAndPlaysOnAlike) {
    p.Startcomputerguesses();
    const Str code("1589");
    ASSERT_TRUE(Validcode(code, g.Setting));
    p.Mark(code);
    p.Seconds(20);
    p.Mark(code);
    p.Seconds(22);
    ASSERT_TRUE(p.m.Frgetresult.Visible);
    ASSERT_NE(g.Rec.Currentstring, code) << "the code came too early for this test";
    const int trial = g.Rec.Trial;
    const Str waiting = g.Rec.Currentstring;
    p.Menu(Menucommand::Mnusaveas);
    p.Save("marks");
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_TRUE(p.m.Frgetresult.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetresult");
    const Decoded d = Readsavedgame(Files() / "marks.tc");
    ASSERT_TRUE(d) << d.Reason;
    EXPECT_EQ(d.Game->Finaltrial, trial - 1);
    EXPECT_EQ(d.Game->Answer, ""); // the program never knew the code
    const int seconds = d.Game->Elapsed;
    EXPECT_GE(seconds, 42);

    auto later = Later();
    Program& q = *later;
    q.Load("marks");
    EXPECT_FALSE(q.g.Message.Visible);
    EXPECT_TRUE(q.m.Frgetresult.Visible);
    EXPECT_EQ(q.g.Wait.Key(), "Frgetresult");
    EXPECT_EQ(q.m.Lbltrials2.Caption, "Trial: " + std::to_string(trial));
    EXPECT_EQ(q.g.Rec.Currentstring, waiting);
    EXPECT_FALSE(q.m.Franswer.Visible);
    EXPECT_TRUE(q.g.Tmrrec.Enabled);
    EXPECT_TRUE(q.m.Lbltime.Visible);
    EXPECT_EQ(q.m.Lbltime.Caption, "Time spent:  " + Converttime(seconds));
    q.Seconds(10);
    EXPECT_EQ(q.m.Lbltime.Caption, "Time spent:  " + Converttime(seconds + 10));
    EXPECT_EQ(q.m.Caption, "Loaded Game - " + Pathof("marks.tc"));

    // The loaded search goes on exactly as the one that was saved.
    const std::vector<std::string> original = p.Markuntilwin(code);
    const std::vector<std::string> loaded = q.Markuntilwin(code);
    EXPECT_EQ(loaded, original);
    ASSERT_FALSE(loaded.empty());
    EXPECT_EQ(loaded.back(), code.str());
    EXPECT_EQ(q.g.Rec.Status, Gamestatus::Win);
}

// ---- Files that are not saved games, and failed writes ----

TEST_F(Filedialog, AFileThatIsNotASavedGameIsRefusedAndNothingChanges) {
    // The program holds a finished game when the dialog opens.
    p.Startyouguess("0123");
    p.Play("4501");
    p.Guess("0123");
    p.Press(Boxbutton::Cmdr3);
    p.Expectidle();

    fs::create_directories(Files());
    Putbytes(Files() / "noise.tc", std::vector<uint8_t>(722, 0xFF));
    Putbytes(Files() / "short.tc", {1, 0, 5, 0, 'M', 'o'});
    Putbytes(Files() / "empty.tc", {});
    std::vector<uint8_t> longstring = {1, 0, 0xFF, 0x7F};
    longstring.resize(722, 'a');
    Putbytes(Files() / "overrun.tc", longstring);
    fs::create_directories(Files() / "folder.tc");
    std::map<std::string, std::string> told{
        {"empty", "is empty, not a saved game of Tintcipher."},
        {"folder", "is a folder, not a saved game of Tintcipher."}};
#ifndef _WIN32
    ASSERT_EQ(mkfifo((Files() / "fifo.tc").c_str(), 0644), 0);
    told["fifo"] = "is a pipe or a device, not a saved game of Tintcipher.";
#endif

    for (const std::string name : {"noise", "short", "empty", "overrun", "folder", "fifo"}) {
        if (name == "fifo" && !told.count(name)) continue;
        SCOPED_TRACE(name);
        const Gamesetting setting = g.Setting;
        const Savedgame game = Capture(g);
        const Gamerecord rec = g.Rec;
        const Savedchoices menu = p.m.Lists.Save();
        const int board = p.m.Picrecord.Revision;
        const std::string caption = p.m.Caption;
        const Displaykind display = p.m.Displaymode;
        const Inputkind input = p.m.Inputmethod;

        p.Load(name);
        ASSERT_TRUE(g.Message.Visible);
        // The player's words, never the loader's.
        EXPECT_EQ(g.Message.Lblmessage.Caption,
                  "The file " + Pathof(name + ".tc") + " " +
                      (told.count(name) ? told[name] : std::string(Damagedtext)));
        EXPECT_EQ(g.Message.Cmdmid.Caption, "OK");
        EXPECT_TRUE(g.Files.Visible);

        EXPECT_EQ(g.Setting, setting);
        EXPECT_EQ(Capture(g), game);
        EXPECT_EQ(g.Rec.Status, rec.Status);
        EXPECT_EQ(g.Rec.Savedstate, rec.Savedstate);
        EXPECT_EQ(g.Rec.Filepath, rec.Filepath);
        EXPECT_EQ(g.Rec.Carriedseconds, rec.Carriedseconds);
        EXPECT_EQ(g.Rec.Answer, rec.Answer);
        EXPECT_EQ(p.m.Lists.Save(), menu);
        EXPECT_EQ(p.m.Picrecord.Revision, board);
        EXPECT_EQ(p.m.Caption, caption);
        EXPECT_EQ(p.m.Displaymode, display);
        EXPECT_EQ(p.m.Inputmethod, input);
        EXPECT_TRUE(p.m.Mnuload.Enabled);

        // OK returns to the dialog, the name kept; Cancel to the idle screen.
        p.Press(Boxbutton::Cmdmid);
        EXPECT_FALSE(g.Message.Visible);
        EXPECT_TRUE(g.Files.Visible);
        EXPECT_EQ(g.Files.Txtfiles.Caption, name);
        EXPECT_EQ(g.Wait.Key(), "Load");
        p.Act([&] { g.Gamefiles.Cmdcancelfiles_Click(); });
        p.Expectidle();
    }
}

TEST_F(Filedialog, AWriteThatFailsIsReportedAndChangesNothing) {
    p.Startyouguess("0123");
    p.Play("4501");
    const std::string caption = p.m.Caption;

    // The saved-games folder is a file.
    Putbytes(Files(), {'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'l', 'd', 'e', 'r'});
    p.Menu(Menucommand::Mnusaveas);
    p.Save("game");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_NE(g.Message.Lblmessage.Caption.find(Pathof("game.tc")), std::string::npos)
        << g.Message.Lblmessage.Caption;
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Rec.Savedstate, Filestate::Unsaved);
    EXPECT_EQ(g.Rec.Filepath, "");
    EXPECT_EQ(p.m.Caption, caption);
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"Files"}));
    EXPECT_EQ(fs::file_size(Files()), 12u);
    p.Press(Boxbutton::Cmdmid);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Mnusave+Frgetstring1");
    p.Act([&] { g.Gamefiles.Cmdcancelfiles_Click(); });
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");

    // The file's place is a folder: overwriting it fails whole and leaves nothing beside it.
    fs::remove(Files());
    fs::create_directories(Files() / "dir.tc");
    p.Menu(Menucommand::Mnusaveas);
    p.Save("dir");
    ASSERT_EQ(g.Message.Tag, "Overwrite");
    p.Press(Boxbutton::Cmdl2);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_NE(g.Message.Tag, "Overwrite");
    EXPECT_NE(g.Message.Lblmessage.Caption.find(Pathof("dir.tc")), std::string::npos)
        << g.Message.Lblmessage.Caption;
    EXPECT_EQ(g.Rec.Savedstate, Filestate::Unsaved);
    EXPECT_EQ(g.Rec.Filepath, "");
    EXPECT_TRUE(fs::is_directory(Files() / "dir.tc"));
    EXPECT_TRUE(fs::is_empty(Files() / "dir.tc"));
    EXPECT_EQ(Entries(Files()), (std::vector<std::string>{"dir.tc"}));
    p.Press(Boxbutton::Cmdmid);
    EXPECT_TRUE(g.Files.Visible);

    // A saved game whose file has become a folder: Save reports it; the state stays "Saved".
    p.Save("good");
    ASSERT_EQ(g.Rec.Savedstate, Filestate::Saved);
    const std::string good = Pathof("good.tc");
    ASSERT_EQ(g.Rec.Filepath, good);
    fs::remove(good);
    fs::create_directories(good);
    p.Play("4512");
    p.Menu(Menucommand::Mnusave);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_NE(g.Message.Lblmessage.Caption.find(good), std::string::npos);
    EXPECT_EQ(g.Rec.Savedstate, Filestate::Saved);
    EXPECT_EQ(g.Rec.Filepath, good);
    EXPECT_EQ(Entries(Files()), (std::vector<std::string>{"dir.tc", "good.tc"}));
    EXPECT_TRUE(fs::is_empty(good));
}

TEST_F(Filedialog, TheDialogOpenedByAFailedSaveTimesOutLikeAnyOther) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Menu(Menucommand::Mnusaveas);
    p.Save("good");
    ASSERT_EQ(g.Rec.Savedstate, Filestate::Saved);
    fs::remove(Files() / "good.tc");
    fs::create_directories(Files() / "good.tc");
    p.Menu(Menucommand::Mnusave);
    ASSERT_TRUE(g.Message.Visible);
    ASSERT_TRUE(g.Files.Visible);
    p.Press(Boxbutton::Cmdmid);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Mnusave+Frgetstring1");
    p.Seconds(300);
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
}

// ---- The lists and the Delete key ----

TEST_F(Filedialog, ListsShowSavedGamesAndAClickOrDoubleClickPicksOne) {
    p.Startyouguess("0123");
    p.Play("4501");
    p.Menu(Menucommand::Mnusaveas);
    p.Save("b");
    fs::create_directories(Files() / "sub");
    Putbytes(Files() / "notes.txt", {'x'});
    Putbytes(Files() / "sub" / "inner.tc", {'x'});
    p.Play("4512");

    // In save mode a double click is Save: the file exists, so the question comes.
    p.Menu(Menucommand::Mnusaveas);
    EXPECT_EQ(g.Files.Filfiles.Items, (std::vector<std::string>{"b.tc"}));
    EXPECT_EQ(g.Files.Folders, (std::vector<std::string>{"sub"}));
    p.Act([&] { g.Gamefiles.Filfiles_DblClick(0); });
    EXPECT_EQ(g.Files.Txtfiles.Caption, "b.tc");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Overwrite");
    p.Press(Boxbutton::Cmdr2);

    // Another folder lists its own files and empties the name.
    p.Act([&] { g.Gamefiles.Dirfiles_Change(Files() / "sub"); });
    EXPECT_EQ(g.Files.Filfiles.Items, (std::vector<std::string>{"inner.tc"}));
    EXPECT_EQ(g.Files.Txtfiles.Caption, "");
    EXPECT_TRUE(g.Files.Txtfiles.Focused);
    p.Act([&] { g.Gamefiles.Cmdcancelfiles_Click(); });

    // In load mode a double click is Open.
    p.Guess("0123");
    p.Press(Boxbutton::Cmdr3);
    p.Expectidle();
    p.Menu(Menucommand::Mnuload);
    p.Act([&] { g.Gamefiles.Filfiles_Click(0); });
    EXPECT_EQ(g.Files.Txtfiles.Caption, "b.tc");
    p.Act([&] { g.Gamefiles.Filfiles_DblClick(0); });
    EXPECT_FALSE(g.Files.Visible);
    EXPECT_EQ(g.Rec.Savedstate, Filestate::Loaded);
    EXPECT_EQ(g.Message.Tag, "Notenter");
}

TEST_F(Filedialog, DeleteKeyAsksAndDeletesTheSelectedFile) {
    fs::create_directories(Files());
    for (const char* name : {"a.tc", "b.tc", "c.tc"}) Putbytes(Files() / name, {'x'});
    p.Menu(Menucommand::Mnuload);
    ASSERT_EQ(g.Files.Filfiles.Items, (std::vector<std::string>{"a.tc", "b.tc", "c.tc"}));

    // Nothing selected: nothing happens.
    p.Act([&] { g.Gamefiles.Fmfiles_KeyUp(46); });
    EXPECT_FALSE(g.Message.Visible);

    p.Act([&] { g.Gamefiles.Filfiles_Click(1); });
    p.Act([&] { g.Gamefiles.Fmfiles_KeyUp(13); }); // only the Delete key deletes
    EXPECT_FALSE(g.Message.Visible);
    p.Act([&] { g.Gamefiles.Fmfiles_KeyUp(46); });
    Expectmessage(g, "Delete", "Are you sure you want to delete the file " + Pathof("b.tc") + "?",
                  "Delete File?", Boxbutton::Cmdl2);
    EXPECT_EQ(g.Message.Cmdl2.Caption, "Yes");
    EXPECT_EQ(g.Message.Cmdr2.Caption, "No");
    EXPECT_EQ(g.Wait.Key(), "Delete+Load");

    // The time-out answers No, though Yes is the default.
    p.Seconds(59);
    EXPECT_TRUE(g.Message.Visible);
    p.Seconds(1);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(fs::exists(Files() / "b.tc"));
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Load");
    EXPECT_EQ(g.Wait.Timeout, 60);

    // No keeps it too.
    p.Act([&] { g.Gamefiles.Fmfiles_KeyUp(46); });
    p.Press(Boxbutton::Cmdr2);
    EXPECT_TRUE(fs::exists(Files() / "b.tc"));

    // Yes deletes it and refreshes the list; nothing stays selected.
    p.Act([&] { g.Gamefiles.Fmfiles_KeyUp(46); });
    p.Press(Boxbutton::Cmdl2);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_FALSE(fs::exists(Files() / "b.tc"));
    EXPECT_EQ(g.Files.Filfiles.Items, (std::vector<std::string>{"a.tc", "c.tc"}));
    EXPECT_EQ(g.Files.Txtfiles.Caption, "");
    EXPECT_TRUE(g.Files.Txtfiles.Focused);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Load");
    EXPECT_EQ(g.Wait.Timeout, 60);
    p.Act([&] { g.Gamefiles.Fmfiles_KeyUp(46); });
    EXPECT_FALSE(g.Message.Visible);

    // A file gone meanwhile: the dialog stays open and says so.
    p.Act([&] { g.Gamefiles.Filfiles_Click(0); });
    fs::remove(Files() / "a.tc");
    p.Act([&] { g.Gamefiles.Fmfiles_KeyUp(46); });
    p.Press(Boxbutton::Cmdl2);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_NE(g.Message.Lblmessage.Caption.find(Pathof("a.tc")), std::string::npos);
    p.Press(Boxbutton::Cmdmid);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Files.Filfiles.Items, (std::vector<std::string>{"c.tc"}));
    EXPECT_EQ(g.Wait.Key(), "Load");
}

TEST_F(Filedialog, AnUnreadableDriveIsReportedAndTheProgramsDriveReturns) {
    const std::string root = dir.Path().root_path().string();
    p.Menu(Menucommand::Mnuload);
    g.Files.Drvfiles.Items = {root, (dir.Path() / "no-such-drive").string()};
    g.Files.Drvfiles.Listindex = 0;
    p.Act([&] { g.Gamefiles.Drvfiles_Change(1); });
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Notready");
    EXPECT_EQ(g.Message.Caption, "Disk Not Ready");
    EXPECT_EQ(g.Wait.Key(), "Notready+Load");
    EXPECT_EQ(g.Files.Dirfiles, Files());
    // Its time-out is OK: the program's drive again, the dialog waiting a minute.
    p.Seconds(60);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Files.Drvfiles.Listindex, 0);
    EXPECT_TRUE(g.Files.Visible);
    EXPECT_EQ(g.Wait.Key(), "Load");
    EXPECT_EQ(g.Wait.Timeout, 60);

    // A readable drive shows its folder.
    p.Act([&] { g.Gamefiles.Drvfiles_Change(0); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Files.Dirfiles, fs::path(root));
}

TEST_F(Filedialog, EachOpeningListsTheDrivesOfThatMomentAndPicksTheProgramsOwn) {
    // Without the platform's list the program folder's root stands alone.
    p.Menu(Menucommand::Mnuload);
    EXPECT_EQ(g.Files.Drvfiles.Items, std::vector<std::string>{dir.Path().root_path().string()});
    EXPECT_EQ(g.Files.Drvfiles.Listindex, 0);
    p.Act([&] { g.Gamefiles.Cmdcancelfiles_Click(); });

    // A drive whose name runs on into the folder's name does not hold the folder.
    const std::string folder = dir.Path().string();
    const std::string parent = dir.Path().parent_path().string();
    std::vector<std::string> drives = {dir.Path().root_path().string(), parent,
                                       folder.substr(0, folder.size() - 1)};
    g.Files.Drives = [&] { return drives; };
    p.Menu(Menucommand::Mnuload);
    EXPECT_EQ(g.Files.Drvfiles.Items, drives);
    EXPECT_EQ(g.Files.Drvfiles.Text(), parent);
    EXPECT_EQ(g.Files.Dirfiles, Files());
    p.Act([&] { g.Gamefiles.Drvfiles_Change(0); });
    p.Act([&] { g.Gamefiles.Cmdcancelfiles_Click(); });

    // A drive that came meanwhile is offered; the choice is the program's drive again.
    drives.push_back(folder);
    p.Menu(Menucommand::Mnuload);
    EXPECT_EQ(g.Files.Drvfiles.Listcount(), 4);
    EXPECT_EQ(g.Files.Drvfiles.Text(), folder);
    EXPECT_EQ(g.Files.Dirfiles, Files());
}

} // namespace
} // namespace tc
