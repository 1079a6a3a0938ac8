#pragma once
// Start-up and the title window: the refusals before anything loads (a second copy, a narrow
// display), the choice of the program folder, and the title window `Fmtitle` with the Winners
// check, the video, the music, its timer and the hidden password prompt.
#include "play/game.h"
#include "system/clock.h"
#include "system/platform.h"
#include "system/timer.h"
#include "system/timerhost.h"
#include "windows/controls.h"
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace tc {

constexpr int Minimumscreenwidth = 800; // pixels; the height is not tested
inline constexpr char Lockfilename[] = "Tintcipher.lock";
// In a folder just made in the user's data folder until the player has been told of it.
inline constexpr char Noticefilename[] = ".tintcipher-notice";

// Asks whether a folder may be written: no error when it may.
using Folderprobe = std::function<std::error_code(const std::filesystem::path&)>;

// The program folder, the one place that decides it: the executable's folder (a build folder, an
// unpacked copy), unless the system denies the right to write there or in its "Winners" folder,
// as it does to an installed program: then the user's data folder. Any other failure of the
// probe (a full disk, a passing fault) keeps the executable's folder, so the records never move
// because of it. Seeding the user's folder is `Seedfolder`.
std::filesystem::path Programfolder(const std::filesystem::path& executablefolder,
                                    const std::filesystem::path& userfolder,
                                    const Folderprobe& probe = Writeaccess);

// Where the installed program's data lies, relative to the folder of its executable ("games"
// beside "share" in a package); set by the build from the installation's folders.
extern const char* const Installeddata;

// Where the program's data lies: the executable's folder when it holds the Winners files (a
// build folder, a copy of one), else `installed` seen from the executable's folder when the
// Winners files are there (an installed or unpacked package, in whatever folder), else the
// executable's folder.
std::filesystem::path Datafolder(const std::filesystem::path& executablefolder,
                                 const std::filesystem::path& installed = Installeddata);

// On the first start of an installed program: copies the installation's Winners files into
// `userfolder`, each given the last-modified time its stamp names (a packaging tool may have
// changed the times), and adds the folder "Files"; everything else is read from the
// installation. The copy is made beside it and renamed into place, so a failed copy leaves no
// half-made folder. A folder that exists already is left as it is.
enum class Seeding { Made, There, Failed };
Seeding Seedfolder(const std::filesystem::path& installation,
                   const std::filesystem::path& userfolder);
// A user's folder whose "Winners" folder is gone, or holds none of the six files, gets the
// installation's again, stamped as `Seedfolder` does; "Files" and the rest stay as they are. One
// to five missing files are left to the start-up check and its password. Returns whether it
// made them.
bool Reseedwinners(const std::filesystem::path& installation,
                   const std::filesystem::path& userfolder);

enum class Startverdict { Run, Secondcopy, Narrowdisplay, Nofolder };

struct Started {
    Startverdict Verdict = Startverdict::Run;
    std::string Caption;            // the refusal's message box title
    std::vector<std::string> Lines; // the refusal's lines; empty for Run
    // Lines the player is told once before the title: where the records are kept, when the
    // program has just made its folder in the user's data folder.
    std::vector<std::string> Notice;
    std::filesystem::path Folder; // the program folder: Winners files and saved games
    std::filesystem::path Data;   // pictures, sounds, video, the manual: see `Datafolder`
    // Held for as long as the program runs: the next copy is refused while it is.
    std::unique_ptr<Instancelock> Lock;
};

// The checks before anything is loaded. The lock file lies in the program folder, so two copies
// of one installation never share its Winners files; the operating system frees it when the
// holder ends, so a crashed copy does not stop the next start. An installed package keeps every
// user's records in the user's own folder, never in the shared installation, even for a user
// who may write there.
Started Startup(const std::filesystem::path& executablefolder, int screenwidth,
                const std::filesystem::path& userfolder = Userdatafolder(),
                const Folderprobe& probe = Writeaccess);

// A system input box shown over the title: `Prompt` lines, answered by `Title::Inputbox_Close`.
struct Inputbox {
    bool Visible = false;
    std::string Caption;
    std::vector<std::string> Prompt;
};

// A system message box (OK only), closed by `Title::Messagebox_Close`.
struct Systemmessage {
    bool Visible = false;
    std::string Caption;
    Boxicon Icon = Boxicon::None;
    std::vector<std::string> Lines;
};

struct Fmtitle {
    Fmtitle() {
        Stbtitle.Caption = "Click mouse or just wait for 5 seconds.";
        Lblstart.Caption = "Click mouse to start.";
        Lbldesign.Caption = "Designed and programmed by the Tintcipher team";
        Lbltint.Caption = "TINTCIPHER";
    }
    std::string Caption = "Tint Cipher";
    bool Visible = false;
    Control Picavi;   // where the video plays
    Control Stbtitle; // status bar
    Control Lblstart;
    Control Lbldesign; // the credit line; the hidden password prompt's label
    Control Lbltint;
    Timer Tmrtitle{5000};
    Inputbox Input;
    Systemmessage Box;
};

class Title {
public:
    // `folder` holds the Winners files; `data` the video (the same folder when empty).
    Title(Game& game, std::filesystem::path folder, const Clock& clock,
          std::filesystem::path data = {});
    Title(const Title&) = delete;
    Title& operator=(const Title&) = delete;

    Fmtitle Form;
    // The program is to end: a refusal of the Winners check, or its prompt answered so.
    bool Ended = false;

    void Registertimers(Timerhost& host);

    // The Winners check, then the video, the music and the timer; or a prompt or a message.
    void Form_Load();
    // A click anywhere on the title window except the hidden prompt's press on `Lbldesign`.
    void Form_Click();
    void Tmrtitle_Timer();
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt held.
    void Lbldesign_MouseDown(int button, int shift);
    // The input box's answer; its Cancel answers "".
    void Inputbox_Close(const std::string& answer);
    void Messagebox_Close();

private:
    enum class Asking { Nothing, Restore, Design };
    void Startshow();
    void Leave();
    void Ask(Asking what, std::vector<std::string> prompt);
    void Refuse(std::vector<std::string> lines);
    // The refusal's lines and, for an installed copy, the way back to working records.
    std::vector<std::string> Withrecovery(std::vector<std::string> lines) const;

    Game& game_;
    std::filesystem::path folder_, data_;
    const Clock& clock_;
    Asking asking_ = Asking::Nothing;
    bool timerwason_ = false;
    bool left_ = false;
};

} // namespace tc
