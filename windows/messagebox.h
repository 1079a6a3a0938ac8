#pragma once
// The general message box `Fmmessage`: up to five buttons whose work depends on the message's
// context key.
#include "windows/controls.h"
#include <string>

namespace tc {

// word for 1, else its plural ("is" -> "are", "has" -> "have", otherwise + "s"); 0 is plural.
std::string Plural(const std::string& word, int n);

struct Fmmessage {
    bool Visible = false;
    std::string Caption;
    std::string Tag;  // the message's context key
    std::string Icon; // picture file relative to the program folder
    Control Lblmessage;
    Control Cmdl3, Cmdl2, Cmdmid, Cmdr2, Cmdr3;

    // Sets kind (1: mid; 2: l2 and r2; 3: l3, mid and r3), icon ("X", "?", "!", "i"), the captions,
    // the default button (by its name "Cmdmid", ...), the key and the window caption. The text is
    // put into `Lblmessage` before.
    void Messagebox(int kind, const std::string& icon, const std::string& l2, const std::string& l3,
                    const std::string& mid, const std::string& r3, const std::string& r2,
                    const std::string& defaultbutton, const std::string& key,
                    const std::string& caption);
    Control* Button(const std::string& name);
};

} // namespace tc
