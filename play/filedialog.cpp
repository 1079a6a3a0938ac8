// Saving and loading games: the file dialog's buttons and questions, the writing of a game and
// the resuming or examining of a loaded one.
#include "engine/warnings.h"
#include "play/game.h"
#include "savedgames/savedfile.h"
#include <cctype>

namespace tc {

namespace {

std::string Driveletter(const std::string& drive) {
    return std::string(1, static_cast<char>(std::toupper(
                              static_cast<unsigned char>(drive.empty() ? '?' : drive[0]))));
}

// Whether `folder` lies on `drive`: "/work" holds "/work/x" but not "/workshop".
bool Holds(const std::string& drive, const std::string& folder) {
    if (drive.empty() || folder.rfind(drive, 0) != 0) return false;
    if (folder.size() == drive.size()) return true;
    const char last = drive.back(), next = folder[drive.size()];
    return last == '/' || last == '\\' || next == '/' || next == '\\';
}

} // namespace

void Game::Openfiles(const std::string& mode) {
    Files.Caption = mode;
    Files.Cmdopen.Visible = Files.Cmdopen.Default = mode == "Open";
    Files.Cmdsave.Visible = Files.Cmdsave.Default = mode != "Open";
    std::error_code ec;
    const std::filesystem::path folder = Programfolder / "Files";
    std::filesystem::create_directories(folder, ec);
    Files.Dirfiles = folder;
    // Drives come and go while the program runs; the list shows those there now.
    Files.Drvfiles.Items = Files.Drives ? Files.Drives() : std::vector<std::string>();
    if (Files.Drvfiles.Items.empty())
        Files.Drvfiles.Items = {std::filesystem::absolute(folder, ec).root_path().string()};
    Resetdrive();
    Files.Txtfiles.Caption.clear();
    Files.Txtfiles.Caret = 0;
    Files.Txtfiles.Setfocus();
    Files.Visible = true;
}

void Game::Mnuload_Click() {
    Rec.Demomode = 0;
    Setwait(300, "Load");
    Openfiles("Open");
}

void Game::Savefile() {
    if (Rec.Savedstate != "Saved" && Rec.Savedstate != "Loaded") {
        Saveas();
        return;
    }
    Rec.Finaltrial =
        static_cast<int16_t>(Setting.Whoguess == Role::Youguess ? Rec.Trial : Rec.Trial - 1);
    Chosenpath = Rec.Filepath;
    Savegame();
}

void Game::Saveas() {
    Rec.Finaltrial =
        static_cast<int16_t>(Setting.Whoguess == Role::Youguess ? Rec.Trial : Rec.Trial - 1);
    Setwait(300, "Mnusave+");
    Openfiles("Save As");
}

void Game::Opensavedialog() {
    Openfiles("Save As");
}

bool Game::Settlepath() {
    if (Files.Txtfiles.Caption.empty()) {
        const std::string what = Files.Caption != "Open" ? "save the game?" : "load a game?";
        Wait.Showmessage(
            {.Text = "You haven't specified a file name.\nDo you still want to " + what,
             .Kind = 2,
             .Icon = "?",
             .L2 = "Yes",
             .R2 = "No",
             .Defaultbutton = "Cmdr2",
             .Key = "Nofile",
             .Caption = "No File Name",
             .Timeout = 60,
             .Pushed = true});
        return false;
    }
    if (!Plainfilename(Files.Txtfiles.Caption)) {
        // A bad file name: the name would lead out of the folder shown, or cannot be one.
        Wait.Showmessage({.Text = "Disk not ready! Please insert a disk in drive " +
                                  Driveletter(Files.Drvfiles.Text()) + ".",
                          .Kind = 1,
                          .Icon = "X",
                          .Mid = "OK",
                          .Defaultbutton = "Cmdmid",
                          .Key = "Notready",
                          .Caption = "Disk Not Ready",
                          .Timeout = 60,
                          .Pushed = true});
        return false;
    }
    Chosenpath = Savedgamepath(Files.Dirfiles, Files.Txtfiles.Caption).string();
    return true;
}

void Game::Cmdopen_Click() {
    if (!Files.Visible || !Settlepath()) return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(Chosenpath, ec)) {
        Wait.Showmessage({.Text = "The file " + Chosenpath + " does not exist!  Try again.",
                          .Kind = 1,
                          .Icon = "X",
                          .Mid = "OK",
                          .Defaultbutton = "Cmdmid",
                          .Key = "Notexist",
                          .Caption = "File Not Exist",
                          .Timeout = 60,
                          .Pushed = true});
        return;
    }
    Loadgame(Chosenpath);
}

void Game::Cmdsave_Click() {
    if (!Files.Visible || !Settlepath()) return;
    std::error_code ec;
    if (std::filesystem::exists(Chosenpath, ec)) {
        Wait.Showmessage({.Text = "The file " + Chosenpath + " already exits!  Overwrite?",
                          .Kind = 2,
                          .Icon = "?",
                          .L2 = "Yes",
                          .R2 = "No",
                          .Defaultbutton = "Cmdr2",
                          .Key = "Overwrite",
                          .Caption = "Overwrite File?",
                          .Timeout = 60,
                          .Pushed = true});
        return;
    }
    Savegame();
}

void Game::Cmdcancelfiles_Click() {
    Cancelfiles();
}

void Game::Cancelfiles() {
    if (!Files.Visible) return;
    Files.Visible = false;
    Setwait(0, "Nochange");
    if (Rec.Inplay()) {
        Wait.Pop();
        if (!Wait.Key().empty()) Setwait(60, "Nochange");
    } else if (Rec.Status == Gamestatus::Win) {
        // Looking at the save dialog never costs a record.
        Leavewin();
    } else {
        Finishgame();
        Wait.Showhelp();
    }
}

void Game::Leavewin() {
    Closemedia();
    if (Rec.Elapsed < 3600 && Rec.Trial < 27)
        Offerrecord();
    else
        Finishgame();
}

void Game::Savegame() {
    if (Rec.Inplay()) Calculatetime();
    const std::string reason = Writesavedgame(Chosenpath, Capture(*this));
    if (!reason.empty()) {
        // Nothing was written and nothing changes; the player may choose another name.
        if (!Files.Visible) {
            Setwait(300, "Mnusave+");
            Openfiles("Save As");
        }
        Wait.Showmessage({.Text = "The game could not be saved as " + Chosenpath + ".\n" + reason,
                          .Kind = 1,
                          .Icon = "X",
                          .Mid = "OK",
                          .Defaultbutton = "Cmdmid",
                          .Key = "Notexist",
                          .Caption = "Game Not Saved",
                          .Timeout = 60,
                          .Pushed = true});
        return;
    }
    Files.Visible = false;
    if (Rec.Savedstate == "Unsaved") Rec.Savedstate = "Saved";
    Rec.Filepath = Chosenpath;
    Wait.Pop();
    using enum Gamestatus;
    const Gamestatus s = Rec.Status;
    if (s == Errordetected || s == Endgame || s == Hintsconsistent || s == Latedetection ||
        s == Gameover) {
        Finishgame();
    } else if (s == Win) {
        Leavewin();
    } else {
        Main.Caption = "Saved Game - " + Chosenpath;
        Setwait(0, "Nochange");
    }
}

void Game::Fmfiles_KeyUp(int keycode) {
    if (keycode != 46 || !Files.Visible || Files.Filfiles.Listindex < 0) return;
    Deletepath = (Files.Dirfiles / Files.Filfiles.Text()).string();
    Wait.Showmessage({.Text = "Are you sure you want to delete the file " + Deletepath + "?",
                      .Kind = 2,
                      .Icon = "?",
                      .L2 = "Yes",
                      .R2 = "No",
                      .Defaultbutton = "Cmdl2",
                      .Key = "Delete",
                      .Caption = "Delete File?",
                      .Timeout = 60,
                      .Pushed = true});
}

void Game::Deletefile() {
    std::error_code ec;
    const bool removed = std::filesystem::remove(Deletepath, ec);
    Files.Refresh();
    Files.Txtfiles.Caption.clear();
    Files.Txtfiles.Setfocus();
    if (!removed) {
        // The dialog stays open; the player learns why nothing was deleted.
        TC_FALSE_RESTRICT_BEGIN
        Wait.Showmessage({.Text = "The file " + Deletepath + " could not be deleted." +
                                  (ec ? " " + ec.message() + "." : ""),
                          .Kind = 1,
                          .Icon = "X",
                          .Mid = "OK",
                          .Defaultbutton = "Cmdmid",
                          .Key = "Notexist",
                          .Caption = "File Not Deleted",
                          .Timeout = 60,
                          .Pushed = true});
        TC_FALSE_RESTRICT_END
    }
}

void Game::Dirfiles_Change(const std::filesystem::path& folder) {
    Files.Dirfiles = folder;
    Files.Refresh();
    Files.Txtfiles.Caption.clear();
    Files.Txtfiles.Setfocus();
}

void Game::Drvfiles_Change(int index) {
    Files.Drvfiles.Listindex = index;
    const std::string drive = Files.Drvfiles.Text();
    std::error_code ec;
    if (drive.empty() || !std::filesystem::is_directory(drive, ec)) {
        Wait.Showmessage({.Text = "Drive " + Driveletter(drive) + " not ready!  Try again.",
                          .Kind = 1,
                          .Icon = "X",
                          .Mid = "OK",
                          .Defaultbutton = "Cmdmid",
                          .Key = "Notready",
                          .Caption = "Disk Not Ready",
                          .Timeout = 60,
                          .Pushed = true});
        return;
    }
    Dirfiles_Change(drive);
}

void Game::Resetdrive() {
    // Back to the drive that holds the program, the one that surely can be read.
    const std::string folder = Programfolder.string();
    int best = -1;
    size_t length = 0;
    for (int i = 0; i < Files.Drvfiles.Listcount(); ++i) {
        const std::string& d = Files.Drvfiles.Items[static_cast<size_t>(i)];
        if (Holds(d, folder) && d.size() >= length) {
            best = i;
            length = d.size();
        }
    }
    Files.Drvfiles.Listindex = best;
    Files.Refresh();
}

void Game::Filfiles_Click(int index) {
    Files.Filfiles.Listindex = index;
    Files.Txtfiles.Caption = Files.Filfiles.Text();
}

void Game::Filfiles_DblClick(int index) {
    Filfiles_Click(index);
    if (Files.Caption != "Open")
        Cmdsave_Click();
    else
        Cmdopen_Click();
}

void Game::Loadgame(const std::string& path) {
    const Decoded d = Readsavedgame(path);
    std::string reason = d.Reason;
    if (d.Game) {
        Menusaved = Main.Lists.Save();
        reason = Restore(*this, *d.Game);
    }
    if (!reason.empty()) {
        // The current game stays as it was; the dialog stays open for another choice.
        Wait.Showmessage(
            {.Text = "The file " + path + " is not a saved game of Tintcipher.\n" + reason,
             .Kind = 1,
             .Icon = "X",
             .Mid = "OK",
             .Defaultbutton = "Cmdmid",
             .Key = "Notexist",
             .Caption = "Not A Saved Game",
             .Timeout = 60,
             .Pushed = true});
        return;
    }
    Files.Visible = false;
    Warned = Rec.Carriedseconds >= 3300;
    Main.Mnumouse.Checked = Main.Inputmethod == "Mouse";
    Main.Mnukey.Checked = !Main.Mnumouse.Checked;
    Main.Mnucolour.Checked = Main.Displaymode == "Colour";
    Main.Mnunumber.Checked = !Main.Mnucolour.Checked;
    Engine.Nosolution = false;
    Rec.Savedstate = "Loaded";
    Rec.Filepath = path;
    Main.Caption = "Loaded Game - " + path;
    for (Menuitem* item :
         {&Main.Mnuset, &Main.Mnunew, &Main.Mnuload, &Main.Mnusaving, &Main.Mnudemo})
        item->Enabled = false;
    Main.Mnuend.Enabled = true;
    Settlb();
    Main.Frmenu.Visible = false;
    Main.Picfore.Visible = false;
    Main.Picupper.Visible = Main.Picrecord.Visible = true;
    Main.Picrecord.Cls();
    for (int t = 1; t <= Rec.Finaltrial; ++t)
        Showrecord(t, Setting.Starttrial, Rec.Blacks[t], Rec.Whites[t], Rec.Guesses[t]);
    if (Rec.Inplay()) {
        if (Setting.Whoguess == Role::Youguess) {
            Wait.Showmessage(
                {.Text = "Please notice that for a loaded game, you will not\nenter the Top "
                         "Five List even if you break the record.",
                 .Kind = 1,
                 .Icon = "i",
                 .Mid = "OK",
                 .Defaultbutton = "Cmdmid",
                 .Key = "Notenter",
                 .Caption = "Loaded Game",
                 .Timeout = 60});
        } else {
            Restartclock();
            Getresult();
        }
        return;
    }
    Showsetting();
    const bool answer = Rec.Status == Gamestatus::Win ||
                        Setting.Whoguess != Role::Computerguesses || Main.Optyesmark.Value;
    if (Rec.Status == Gamestatus::Hintsconsistent)
        Showanswer("Possible Answer");
    else if (answer)
        Showanswer("Answer");
    Wait.Showmessage(
        {.Text = "Here is the result of a previous game.\nPress the FINISH button after you "
                 "have finished examining the result.",
         .Kind = 2,
         .Icon = "i",
         .L2 = "Change Display",
         .R2 = "FINISH",
         .Defaultbutton = "Cmdr2",
         .Key = "Notgame",
         .Caption = "Result of Previous Game",
         .Timeout = 900});
}

void Game::Restartclock() {
    Rec.Starttime = clock_.Ticks();
    Calculatetime();
    Main.Lbltime.Caption = "Time spent:  " + Rec.Timetext;
    Main.Lbltime.Visible = true;
    Tmrrec.Enabled = true;
    // The bird starts over in the band of the trial the game goes on from.
    Restartanimation();
}

void Game::Resumeloadedgame() {
    Restartclock();
    Getguess();
}

} // namespace tc
