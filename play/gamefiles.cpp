// Saving and loading games: the file dialog's buttons and questions, the writing of a game and
// the resuming or examining of a loaded one.
#include "play/gamefiles.h"
#include "engine/warnings.h"
#include "play/animator.h"
#include "play/boardview.h"
#include "play/computerplay.h"
#include "play/gameclock.h"
#include "play/gameending.h"
#include "play/gamestarter.h"
#include "play/markentry.h"
#include "play/musicplayer.h"
#include "play/topfivelist.h"
#include "savedgames/savedfile.h"
#include "system/fieldtext.h"
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

void Gamefiles::Openfiles(Filemode mode) {
    Files.Mode = mode;
    Files.Cmdopen.Visible = Files.Cmdopen.Default = mode == Filemode::Open;
    Files.Cmdsave.Visible = Files.Cmdsave.Default = mode != Filemode::Open;
    std::error_code ec;
    const std::filesystem::path folder = Options.Programfolder / "Files";
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

void Gamefiles::Mnuload_Click() {
    Rec.Demomode = 0;
    Wait.Setwait(300, Waitkey::Load);
    Openfiles(Filemode::Open);
}

void Gamefiles::Savefile() {
    if (Rec.Savedstate != Filestate::Saved && Rec.Savedstate != Filestate::Loaded) {
        Saveas();
        return;
    }
    Rec.Finaltrial = Setting.Whoguess == Role::Youguess ? Rec.Trial : Rec.Trial - 1;
    Chosenpath = Rec.Filepath;
    Savegame();
}

void Gamefiles::Saveas() {
    Rec.Finaltrial = Setting.Whoguess == Role::Youguess ? Rec.Trial : Rec.Trial - 1;
    Wait.Pushwait(300, Waitkey::Mnusave);
    Openfiles(Filemode::Saveas);
}

void Gamefiles::Opensavedialog() {
    Openfiles(Filemode::Saveas);
}

bool Gamefiles::Settlepath() {
    if (Files.Txtfiles.Caption.empty()) {
        const std::string what = Files.Mode != Filemode::Open ? "save the game?" : "load a game?";
        Wait.Showmessage(
            {.Text = "You haven't specified a file name.\nDo you still want to " + what,
             .Kind = Messagekind::Two,
             .Icon = Boxicon::Question,
             .L2 = "Yes",
             .R2 = "No",
             .Defaultbutton = Boxbutton::Cmdr2,
             .Key = Waitkey::Nofile,
             .Caption = "No File Name",
             .Timeout = 60,
             .Pushed = true});
        return false;
    }
    if (!Plainfilename(Files.Txtfiles.Caption)) {
        // A bad file name: the name would lead out of the folder shown, or cannot be one.
        Wait.Showmessage(Withok({.Text = "Disk not ready! Please insert a disk in drive " +
                                         Driveletter(Files.Drvfiles.Text()) + ".",
                                 .Icon = Boxicon::Critical,
                                 .Key = Waitkey::Notready,
                                 .Caption = "Disk Not Ready",
                                 .Timeout = 60,
                                 .Pushed = true}));
        return false;
    }
    Chosenpath = Savedgamepath(Files.Dirfiles, Files.Txtfiles.Caption).string();
    return true;
}

void Gamefiles::Cmdopen_Click() {
    if (!Files.Visible || !Settlepath()) return;
    std::error_code ec;
    // Only a name that is not there does not exist: a folder, a pipe or a device is refused by
    // the loader, which says what it is.
    if (std::filesystem::status(Chosenpath, ec).type() == std::filesystem::file_type::not_found) {
        Wait.Showmessage(
            Withok({.Text = "The file " + Fieldtext(Chosenpath) + " does not exist!  Try again.",
                    .Icon = Boxicon::Critical,
                    .Key = Waitkey::Notexist,
                    .Caption = "File Not Exist",
                    .Timeout = 60,
                    .Pushed = true}));
        return;
    }
    Loadgame(Chosenpath);
}

void Gamefiles::Cmdsave_Click() {
    if (!Files.Visible || !Settlepath()) return;
    std::error_code ec;
    if (std::filesystem::exists(Chosenpath, ec)) {
        Wait.Showmessage(
            {.Text = "The file " + Fieldtext(Chosenpath) + " already exits!  Overwrite?",
             .Kind = Messagekind::Two,
             .Icon = Boxicon::Question,
             .L2 = "Yes",
             .R2 = "No",
             .Defaultbutton = Boxbutton::Cmdr2,
             .Key = Waitkey::Overwrite,
             .Caption = "Overwrite File?",
             .Timeout = 60,
             .Pushed = true});
        return;
    }
    Savegame();
}

void Gamefiles::Cmdcancelfiles_Click() {
    Cancelfiles();
}

void Gamefiles::Cancelfiles() {
    if (!Files.Visible) return;
    Files.Visible = false;
    Wait.Setwait(0);
    if (Rec.Inplay()) {
        Wait.Pop();
        if (!Wait.Is(Waitkey::None)) Wait.Setwait(60);
    } else if (Rec.Status == Gamestatus::Win) {
        // Looking at the save dialog never costs a record.
        Leavewin();
    } else {
        Gamestarter.Finishgame();
        Wait.Showhelp();
    }
}

void Gamefiles::Leavewin() {
    Musicplayer.Closemedia();
    if (Rec.Elapsed < Timelimit && Rec.Trial < Lasttrial)
        Topfivelist.Offerrecord();
    else
        Gamestarter.Finishgame();
}

void Gamefiles::Savegame() {
    if (Rec.Inplay()) Gameending.Calculatetime();
    const std::string reason = Writesavedgame(Chosenpath, Capture(Setting, Rec, Engine, Main));
    if (!reason.empty()) {
        // Nothing was written and nothing changes; the player may choose another name.
        if (!Files.Visible) {
            Wait.Pushwait(300, Waitkey::Mnusave);
            Openfiles(Filemode::Saveas);
        }
        Wait.Showmessage(Withok(
            {.Text = "The game could not be saved as " + Fieldtext(Chosenpath) + ".\n" + reason,
             .Icon = Boxicon::Critical,
             .Key = Waitkey::Notexist,
             .Caption = "Game Not Saved",
             .Timeout = 60,
             .Pushed = true}));
        return;
    }
    Files.Visible = false;
    if (Rec.Savedstate == Filestate::Unsaved) Rec.Savedstate = Filestate::Saved;
    Rec.Filepath = Chosenpath;
    Wait.Pop();
    using enum Gamestatus;
    const Gamestatus s = Rec.Status;
    if (s == Errordetected || s == Endgame || s == Hintsconsistent || s == Latedetection ||
        s == Gameover) {
        Gamestarter.Finishgame();
    } else if (s == Win) {
        Leavewin();
    } else {
        Main.Caption = "Saved Game - " + Fieldtext(Chosenpath);
        Wait.Setwait(0);
    }
}

void Gamefiles::Fmfiles_KeyUp(int keycode) {
    if (keycode != 46 || !Files.Visible || Files.Filfiles.Listindex < 0) return;
    Deletepath = (Files.Dirfiles / Files.Filfiles.Text()).string();
    Wait.Showmessage(
        {.Text = "Are you sure you want to delete the file " + Fieldtext(Deletepath) + "?",
         .Kind = Messagekind::Two,
         .Icon = Boxicon::Question,
         .L2 = "Yes",
         .R2 = "No",
         .Defaultbutton = Boxbutton::Cmdl2,
         .Key = Waitkey::Delete,
         .Caption = "Delete File?",
         .Timeout = 60,
         .Pushed = true});
}

void Gamefiles::Deletefile() {
    std::error_code ec;
    const bool removed = std::filesystem::remove(Deletepath, ec);
    Files.Refresh();
    Files.Txtfiles.Caption.clear();
    Files.Txtfiles.Setfocus();
    if (!removed) {
        // The dialog stays open; the player learns why nothing was deleted.
        TC_FALSE_RESTRICT_BEGIN
        Wait.Showmessage(
            Withok({.Text = "The file " + Fieldtext(Deletepath) + " could not be deleted." +
                            (ec ? " " + ec.message() + "." : ""),
                    .Icon = Boxicon::Critical,
                    .Key = Waitkey::Notexist,
                    .Caption = "File Not Deleted",
                    .Timeout = 60,
                    .Pushed = true}));
        TC_FALSE_RESTRICT_END
    }
}

void Gamefiles::Dirfiles_Change(const std::filesystem::path& folder) {
    Files.Dirfiles = folder;
    const bool read = Files.Refresh();
    Files.Txtfiles.Caption.clear();
    Files.Txtfiles.Setfocus();
    // An empty list would say the folder holds nothing; the player learns it cannot be read.
    if (!read)
        Wait.Showmessage(Withok({.Text = "The folder " + Fieldtext(folder.string()) +
                                         " cannot be read.\nYou may not look into it; choose "
                                         "another folder.",
                                 .Icon = Boxicon::Critical,
                                 .Key = Waitkey::Notexist,
                                 .Caption = "Folder Not Read",
                                 .Timeout = 60,
                                 .Pushed = true}));
}

void Gamefiles::Drvfiles_Change(int index) {
    Files.Drvfiles.Listindex = index;
    const std::string drive = Files.Drvfiles.Text();
    std::error_code ec;
    if (drive.empty() || !std::filesystem::is_directory(drive, ec)) {
        Wait.Showmessage(Withok({.Text = "Drive " + Driveletter(drive) + " not ready!  Try again.",
                                 .Icon = Boxicon::Critical,
                                 .Key = Waitkey::Notready,
                                 .Caption = "Disk Not Ready",
                                 .Timeout = 60,
                                 .Pushed = true}));
        return;
    }
    Dirfiles_Change(drive);
}

void Gamefiles::Resetdrive() {
    // Back to the drive that holds the program, the one that surely can be read.
    const std::string folder = Options.Programfolder.string();
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

void Gamefiles::Filfiles_Click(int index) {
    Files.Filfiles.Listindex = index;
    Files.Txtfiles.Caption = Files.Filfiles.Text();
}

void Gamefiles::Filfiles_DblClick(int index) {
    Filfiles_Click(index);
    if (Files.Mode != Filemode::Open)
        Cmdsave_Click();
    else
        Cmdopen_Click();
}

void Gamefiles::Loadgame(const std::string& path) {
    const Decoded d = Readsavedgame(path);
    std::string told = d.Told;
    if (d.Game) {
        Main.Lists.Keep();
        if (!Restore(Setting, Rec, Engine, Main, *d.Game).empty()) told = Damagedtext;
    }
    if (!told.empty()) {
        // The current game stays as it was; the dialog stays open for another choice.
        Wait.Showmessage({.Text = "The file " + Fieldtext(path) + " " + told,
                          .Kind = Messagekind::One,
                          .Icon = Boxicon::Critical,
                          .Mid = "OK",
                          .Defaultbutton = Boxbutton::Cmdmid,
                          .Key = Waitkey::Notexist,
                          .Caption = "Not A Saved Game",
                          .Timeout = 60,
                          .Pushed = true});
        return;
    }
    Files.Visible = false;
    Gameclock.Resetwarning();
    Main.Mnumouse.Checked = Main.Inputmethod == Inputkind::Mouse;
    Main.Mnukey.Checked = !Main.Mnumouse.Checked;
    Main.Mnucolour.Checked = Main.Displaymode == Displaykind::Colour;
    Main.Mnunumber.Checked = !Main.Mnucolour.Checked;
    Engine.Nosolution = false;
    Rec.Savedstate = Filestate::Loaded;
    Rec.Filepath = path;
    Main.Caption = "Loaded Game - " + Fieldtext(path);
    for (Menuitem* item :
         {&Main.Mnuset, &Main.Mnunew, &Main.Mnuload, &Main.Mnusaving, &Main.Mnudemo})
        item->Enabled = false;
    Main.Mnuend.Enabled = true;
    Main.Settlb();
    Main.Frmenu.Visible = false;
    Main.Picfore.Visible = false;
    Main.Picupper.Visible = Main.Picrecord.Visible = true;
    Boardview.Clear();
    for (int t = 1; t <= Rec.Finaltrial; ++t)
        Boardview.Showrecord(t, Setting.Starttrial, Rec.Blacks[t], Rec.Whites[t], Rec.Guesses[t]);
    if (Rec.Inplay()) {
        if (Setting.Whoguess == Role::Youguess) {
            Wait.Showmessage(
                {.Text = "Please notice that for a loaded game, you will not\nenter the Top "
                         "Five List even if you break the record.",
                 .Kind = Messagekind::One,
                 .Icon = Boxicon::Information,
                 .Mid = "OK",
                 .Defaultbutton = Boxbutton::Cmdmid,
                 .Key = Waitkey::Notenter,
                 .Caption = "Loaded Game",
                 .Timeout = 60});
        } else {
            Restartclock();
            Markentry.Getresult();
        }
        return;
    }
    Boardview.Showsetting();
    const bool answer = Rec.Status == Gamestatus::Win ||
                        Setting.Whoguess != Role::Computerguesses || Main.Optyesmark.Value;
    if (Rec.Status == Gamestatus::Hintsconsistent)
        Boardview.Showanswer("Possible Answer");
    else if (answer)
        Boardview.Showanswer("Answer");
    Wait.Showmessage(
        {.Text = "Here is the result of a previous game.\nPress the FINISH button after you "
                 "have finished examining the result.",
         .Kind = Messagekind::Two,
         .Icon = Boxicon::Information,
         .L2 = "Change Display",
         .R2 = "FINISH",
         .Defaultbutton = Boxbutton::Cmdr2,
         .Key = Waitkey::Notgame,
         .Caption = "Result of Previous Game",
         .Timeout = 900});
}

void Gamefiles::Restartclock() {
    Rec.Starttime = clock_.Ticks();
    Gameending.Calculatetime();
    Main.Lbltime.Caption = "Time spent:  " + Rec.Timetext;
    Main.Lbltime.Visible = true;
    Tmrrec.Enabled = true;
    // The bird starts over in the band of the trial the game goes on from.
    Animator.Restartanimation();
}

void Gamefiles::Resumeloadedgame() {
    Restartclock();
    Computerplay.Getguess();
}

} // namespace tc
