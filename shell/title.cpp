#include "shell/title.h"
#include "engine/warnings.h"

#include "records/winners.h"
#include "system/fieldtext.h"
#include "system/filewrite.h"
#include <fstream>
#include <system_error>
#include <utility>

namespace tc {

namespace fs = std::filesystem;

namespace {

// Failures that say the folder is not ours to write, as opposed to a full disk or a passing
// fault, which must not move the records elsewhere.
bool Denied(const std::error_code& ec) {
    return ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
           ec == std::errc::read_only_file_system;
}

// Copies a folder's files; the Winners files get the time their stamps name.
void Copywinners(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const fs::directory_entry& e : fs::directory_iterator(from)) {
        if (!e.is_regular_file()) continue;
        const fs::path target = to / e.path().filename();
        fs::copy_file(e.path(), target, fs::copy_options::overwrite_existing);
        fs::last_write_time(target, fs::last_write_time(e.path()));
        Stampfiletime(target);
    }
}

} // namespace

fs::path Programfolder(const fs::path& executablefolder, const fs::path& userfolder,
                       const Folderprobe& probe) {
    if (userfolder.empty()) return executablefolder;
    std::error_code ec;
    const fs::file_status st = fs::status(executablefolder, ec);
    if (st.type() == fs::file_type::not_found || (fs::exists(st) && !fs::is_directory(st)))
        return userfolder;
    ec = probe(executablefolder);
    const fs::path winners = executablefolder / "Winners";
    std::error_code there;
    if (!ec && fs::is_directory(winners, there)) ec = probe(winners);
    return Denied(ec) ? userfolder : executablefolder;
}

// The build sets it from the folders it installs to; this is what they are by default.
#ifndef TINTCIPHER_INSTALLED_DATA
#define TINTCIPHER_INSTALLED_DATA "../share/tintcipher"
#endif
const char* const Installeddata = TINTCIPHER_INSTALLED_DATA;

fs::path Datafolder(const fs::path& executablefolder, const fs::path& installed) {
    std::error_code ec;
    if (fs::is_directory(executablefolder / "Winners", ec)) return executablefolder;
    const fs::path shared = (executablefolder / installed).lexically_normal();
    if (!installed.empty() && fs::is_directory(shared / "Winners", ec)) return shared;
    return executablefolder;
}

Seeding Seedfolder(const fs::path& installation, const fs::path& userfolder) {
    std::error_code ec;
    if (fs::exists(userfolder, ec))
        return fs::is_directory(userfolder, ec) ? Seeding::There : Seeding::Failed;
    // A name of its own, so two first starts at once each build a whole copy; one rename wins.
    const fs::path building = Unforeseenname(userfolder.parent_path(), ".new");
    bool made = false;
    try {
        fs::create_directories(building);
        if (fs::is_directory(installation / "Winners"))
            Copywinners(installation / "Winners", building / "Winners");
        fs::create_directories(building / "Files");
        // Whoever holds the lock first tells the player, even when this copy is refused.
        std::ofstream(building / Noticefilename).put('\n');
        fs::rename(building, userfolder, ec);
        made = !ec;
    } catch (const fs::filesystem_error&) {}
    fs::remove_all(building, ec);
    if (!fs::is_directory(userfolder, ec)) return Seeding::Failed;
    return made ? Seeding::Made : Seeding::There;
}

namespace {

// Whether a program folder holds none of the six Winners files.
bool Nowinners(const fs::path& folder) {
    std::error_code ec;
    for (int n = Firstcolours; n <= Lastcolours; ++n)
        if (fs::exists(fs::symlink_status(Winnersfile(folder, n), ec))) return false;
    return true;
}

} // namespace

bool Reseedwinners(const fs::path& installation, const fs::path& userfolder) {
    if (!Nowinners(userfolder) || Nowinners(installation)) return false;
    const fs::path winners = userfolder / "Winners";
    std::error_code ec;
    const fs::path building = Unforeseenname(userfolder, ".new");
    bool made = false;
    try {
        Copywinners(installation / "Winners", building);
        // An empty folder is replaced whole; one holding something else gets the files one by
        // one, and keeps the rest.
        fs::remove(winners, ec);
        fs::rename(building, winners, ec);
        if (ec)
            for (const fs::directory_entry& e : fs::directory_iterator(building))
                fs::rename(e.path(), winners / e.path().filename());
        made = true;
    } catch (const fs::filesystem_error&) {}
    fs::remove_all(building, ec);
    return made;
}

Started Startup(const fs::path& executablefolder, int screenwidth, const fs::path& userfolder,
                const Folderprobe& probe) {
    Started s;
    s.Caption = "Tintcipher";
    s.Data = Datafolder(executablefolder);
    const bool shared = s.Data != executablefolder;
    s.Folder =
        shared && !userfolder.empty() ? userfolder : Programfolder(s.Data, userfolder, probe);
    const auto nofolder = [&s](std::string what) {
        s.Verdict = Startverdict::Nofolder;
        s.Lines = {"The programme cannot write in its folder " + Fieldtext(s.Folder.string()) + ".",
                   std::move(what)};
        return std::move(s);
    };
    if (s.Folder != s.Data && Seedfolder(s.Data, s.Folder) == Seeding::Failed)
        return nofolder("Please make sure it is a folder you may write in.");
    Instancelock::Outcome outcome;
    const fs::path lockfile = s.Folder / Lockfilename;
    s.Lock = Instancelock::Acquire(lockfile, outcome);
    if (outcome == Instancelock::Outcome::Busy) {
        s.Verdict = Startverdict::Secondcopy;
        s.Lines = {"You are not allowed to start this programme more than once."};
        return s;
    }
    if (outcome == Instancelock::Outcome::Notfile)
        return nofolder("Its lock file " + Fieldtext(lockfile.string()) +
                        " is not a regular file (a link, a pipe, a folder or a device); remove "
                        "it and start the programme again.");
    if (!s.Lock)
        return nofolder("Ask whoever looks after this computer for the right to write there.");
    if (screenwidth < Minimumscreenwidth) {
        s.Lock.reset();
        s.Verdict = Startverdict::Narrowdisplay;
        s.Caption = "Tint";
        s.Lines = {"This programme must be run at 800 x 600 resolution or higher.",
                   "The current display is not correct.",
                   "Please change the resolution before running the programme again."};
        return s;
    }
    // Under the lock, so that no running copy has its Winners files replaced.
    const bool reseeded = s.Folder != s.Data && Reseedwinners(s.Data, s.Folder);
    // Under the lock no other copy writes, so what crashed writes left can go.
    for (const fs::path& f : {s.Folder, s.Folder / "Winners", s.Folder / "Files"}) Removestale(f);
    // Told once, by the copy that holds the lock first after the folder was made: the mark of
    // the untold notice is taken under the lock, so exactly one copy takes it.
    if (s.Folder != s.Data && !Removefile(s.Folder / Noticefilename)) {
        if (!shared)
            s.Notice = {"This programme cannot write in its own folder " +
                        Fieldtext(s.Data.string()) + "."};
        s.Notice.push_back("Your TOP FIVE lists, statistics and saved games are kept in " +
                           Fieldtext(s.Folder.string()) + ".");
    }
    if (reseeded && s.Notice.empty())
        s.Notice = {"Your Winners files in " + Fieldtext((s.Folder / "Winners").string()) +
                        " were missing: the TOP FIVE lists and statistics start again from those "
                        "of the installation.",
                    "Your saved games are kept."};
    return s;
}

Title::Title(Game& game, fs::path folder, const Clock& clock, fs::path data)
    : game_(game), folder_(std::move(folder)), data_(data.empty() ? folder_ : std::move(data)),
      clock_(clock) {
    game_.Designmode = false;
}

void Title::Registertimers(Timerhost& host) {
    host.Add("Tmrtitle", Form.Tmrtitle, [this] { Tmrtitle_Timer(); });
}

void Title::Form_Load() {
    const Winnerscheck check = Checkwinners(folder_);
    switch (check.Verdict) {
    case Winnersverdict::Fine:
        Form.Visible = true;
        Startshow();
        return;
    case Winnersverdict::Missing:
        Ask(Asking::Restore, check.Lines);
        return;
    default:
        Refuse(Withrecovery(check.Lines));
        return;
    }
}

std::vector<std::string> Title::Withrecovery(std::vector<std::string> lines) const {
    // An installed copy keeps the player's own records, which the installation can give again.
    if (data_ != folder_)
        lines.push_back("Your records are in " + Fieldtext((folder_ / "Winners").string()) +
                        ": delete that folder and start the programme again to get those of "
                        "the installation back; your saved games are kept.");
    return lines;
}

void Title::Startshow() {
    std::error_code ec;
    Form.Picavi.Visible = fs::is_regular_file(data_ / "Video" / "Fox.avi", ec);
    if (Form.Picavi.Visible) {
        game_.Mediaout->Command("Mmcavi", "Open", "Video/Fox.avi");
        game_.Mediaout->Command("Mmcavi", "Play");
    }
    // The music keeps playing in the main window after the title has gone.
    game_.Musicplayer.Musicon();
    Form.Tmrtitle.Enabled = true;
}

void Title::Leave() {
    if (left_ || !Form.Visible || Form.Input.Visible || Form.Box.Visible) return;
    left_ = true;
    game_.Mediaout->Command("Mmcavi", "Stop");
    Form.Tmrtitle.Enabled = false;
    Form.Visible = false;
    game_.Main.Visible = true;
    game_.Wait.Showhelp();
    game_.Tmrani.Enabled = game_.Animator.Switchedon();
}

void Title::Form_Click() {
    Leave();
}

void Title::Tmrtitle_Timer() {
    Leave();
}

void Title::Lbldesign_MouseDown(int button, int shift) {
    if (button != 2 || (shift & 7) != 6) return;
    if (left_ || !Form.Visible || Form.Input.Visible || Form.Box.Visible) return;
    timerwason_ = Form.Tmrtitle.Enabled;
    Form.Tmrtitle.Enabled = false;
    Ask(Asking::Design, {"Input password"});
}

void Title::Ask(Asking what, std::vector<std::string> prompt) {
    asking_ = what;
    Form.Input.Visible = true;
    Form.Input.Caption = "Tintcipher";
    Form.Input.Prompt = std::move(prompt);
}

void Title::Refuse(std::vector<std::string> lines) {
    Form.Box.Visible = true;
    Form.Box.Caption = "Tintcipher";
    TC_FALSE_RESTRICT_BEGIN
    Form.Box.Icon = Boxicon::Critical;
    TC_FALSE_RESTRICT_END
    Form.Box.Lines = std::move(lines);
}

void Title::Inputbox_Close(const std::string& answer) {
    if (!Form.Input.Visible) return;
    Form.Input.Visible = false;
    const Asking what = std::exchange(asking_, Asking::Nothing);
    if (what == Asking::Restore) {
        if (answer == Winnerspassword) {
            if (!Restorewinners(folder_, clock_)) {
                std::vector<std::string> lines = Winnerslines(Winnersverdict::Unexpected);
                lines.push_back("The Winners files could not be written in " +
                                Fieldtext((folder_ / "Winners").string()) +
                                "; please make sure it is a folder you may write in.");
                Refuse(std::move(lines));
                return;
            }
            // No video, music or timer: the player has to click, having seen the prompt.
            Form.Visible = true;
            Form.Picavi.Visible = false;
        } else if (answer.empty()) {
            Ended = true;
        } else {
            Refuse(Withrecovery(Incorrectpasswordlines()));
        }
        return;
    }
    if (what == Asking::Design) {
        // Only a timer that was running starts again: after a re-creation the title waits for a
        // click, and a wrong password must not change that.
        Form.Tmrtitle.Enabled = timerwason_;
        if (answer == Winnerspassword) {
            game_.Designmode = true;
            Leave();
        }
    }
}

void Title::Messagebox_Close() {
    if (!Form.Box.Visible) return;
    Form.Box.Visible = false;
    Ended = true;
}

} // namespace tc
