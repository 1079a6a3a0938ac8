#pragma once
// The general message box `Fmmessage`: up to five buttons whose work depends on the message's
// context key.
#include "windows/controls.h"
#include "windows/waitkey.h"
#include <string>

namespace tc {

// word for 1, else its plural ("is" -> "are", "has" -> "have", otherwise + "s"); 0 is plural.
std::string Plural(const std::string& word, int n);

// The picture beside a message's text; None leaves the one shown before.
enum class Boxicon { None, Critical, Question, Exclamation, Information };
// The buttons a message shows: One Cmdmid; Two Cmdl2 and Cmdr2; Three Cmdl3, Cmdmid and Cmdr3.
enum class Messagekind { One, Two, Three };
// A message box button, named after its control.
enum class Boxbutton { None, Cmdl3, Cmdl2, Cmdmid, Cmdr2, Cmdr3 };

// One message: its text, kind, icon, the buttons' captions, the default button, the context key,
// the window caption, the time-out in seconds (0: none) and whether it is pushed over the
// current context. Every member has an initialiser, so a message names only what it uses.
struct Messageargs {
    std::string Text{};
    Messagekind Kind = Messagekind::One;
    Boxicon Icon = Boxicon::None;
    std::string L2{}, L3{}, Mid{}, R3{}, R2{};
    Boxbutton Defaultbutton = Boxbutton::None;
    Waitkey Key = Waitkey::None;
    std::string Caption{};
    int Timeout = 0;
    bool Pushed = false;
};

// The two button sets most messages use: OK alone, its default; and the three choices at the end
// of a game, "Save File", "Change Display" and "End", with End the default.
Messageargs Withok(Messageargs m);
Messageargs Withendchoices(Messageargs m);

// The picture file of an icon, relative to the program folder; "" for None.
std::string Iconfile(Boxicon icon);
// The button's control name ("Cmdl3" .. "Cmdr3"; "" for None).
const char* Buttonname(Boxbutton button);

struct Fmmessage {
    bool Visible = false;
    std::string Caption;
    Waitkey Key = Waitkey::None; // the message's context
    std::string Tag;             // the same as text
    std::string Icon;            // picture file relative to the program folder
    Control Lblmessage;
    Control Cmdl3, Cmdl2, Cmdmid, Cmdr2, Cmdr3;

    // Sets the text, the buttons for the kind, the icon, the captions, the default button, the
    // key and the window caption; the time-out and pushing are the wait state's.
    void Messagebox(const Messageargs& m);
    Control* Button(Boxbutton button);
};

} // namespace tc
