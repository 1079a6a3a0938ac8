#pragma once
// The file dialog `Fmfiles` for saved games as a plain model: its drive, folder and file lists,
// the name box and the buttons. The lists are read from the file system by the game layer.
#include "windows/controls.h"
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tc {

// What the dialog was last opened for.
enum class Filemode { Unopened, Open, Saveas };

struct Fmfiles {
    Fmfiles() {
        Lbllook.Caption = "Look in:";
        Lblname.Caption = "File name:";
        Lbltype.Caption = "Files of type:";
        Lbldelete.Caption =
            "To delete a file, just highlight the file name and press the Delete key.";
        Cmdopen.Caption = "Open";
        Cmdsave.Caption = "Save";
        Cmdcancel.Caption = "Cancel";
        Cbfiles.Items = {"All tc files(*.tc)"};
        Cbfiles.Listindex = 0;
    }
    bool Visible = false;
    Filemode Mode = Filemode::Unopened;
    // "Open" in load mode, "Save As" in save mode; "Open/Save As" before it first opens.
    std::string Caption() const {
        return Mode == Filemode::Open     ? "Open"
               : Mode == Filemode::Saveas ? "Save As"
                                          : "Open/Save As";
    }
    Control Lbllook, Lblname, Lbltype, Lbldelete;
    Combolist Drvfiles;               // drives: on Linux the mounted file systems
    std::filesystem::path Dirfiles;   // the current folder
    std::vector<std::string> Folders; // its subfolders, by name
    Combolist Filfiles;               // its "*.tc" files, by name; Listindex the selection
    Textbox Txtfiles;
    Combolist Cbfiles;
    Control Cmdopen, Cmdsave, Cmdcancel;
    // The readable drives, asked each time the dialog opens: the program lets the platform
    // name its mounted file systems. Without it the list holds the program folder's root alone.
    std::function<std::vector<std::string>()> Drives;

    // Reads the current folder's subfolders and "*.tc" files; false when it cannot be read.
    bool Refresh();
};

// The full path of a name typed in the dialog: ".tc" is added unless the name ends exactly in
// ".tc" (so "GAME.TC" becomes "GAME.TC.tc").
std::filesystem::path Savedgamepath(const std::filesystem::path& folder, const std::string& name);

// The longest file name, in bytes, that the file systems the program runs on take.
constexpr std::size_t Longestfilename = 255;
// Whether a typed name is one plain file name in the folder shown, ".tc" added as `Savedgamepath`
// adds it: no folder separator or drive, no control character, not "." or "..", not too long.
bool Plainfilename(const std::string& name);

} // namespace tc
