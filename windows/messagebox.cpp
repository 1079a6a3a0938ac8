#include "windows/messagebox.h"

namespace tc {

std::string Plural(const std::string& word, int n) {
    if (n == 1) return word;
    if (word == "is") return "are";
    if (word == "has") return "have";
    return word + "s";
}

Control* Fmmessage::Button(const std::string& name) {
    if (name == "Cmdl3") return &Cmdl3;
    if (name == "Cmdl2") return &Cmdl2;
    if (name == "Cmdmid") return &Cmdmid;
    if (name == "Cmdr2") return &Cmdr2;
    if (name == "Cmdr3") return &Cmdr3;
    return nullptr;
}

void Fmmessage::Messagebox(int kind, const std::string& icon, const std::string& l2,
                           const std::string& l3, const std::string& mid, const std::string& r3,
                           const std::string& r2, const std::string& defaultbutton,
                           const std::string& key, const std::string& caption) {
    if (kind >= 1 && kind <= 3) {
        Cmdl3.Visible = kind == 3;
        Cmdl2.Visible = kind == 2;
        Cmdmid.Visible = kind == 1 || kind == 3;
        Cmdr2.Visible = kind == 2;
        Cmdr3.Visible = kind == 3;
    }
    if (icon == "X")
        Icon = "Icon/W95mbx01.ico";
    else if (icon == "?")
        Icon = "Icon/W95mbx02.ico";
    else if (icon == "!")
        Icon = "Icon/W95mbx03.ico";
    else if (icon == "i")
        Icon = "Icon/W95mbx04.ico";
    Cmdl2.Caption = l2;
    Cmdl3.Caption = l3;
    Cmdmid.Caption = mid;
    Cmdr3.Caption = r3;
    Cmdr2.Caption = r2;
    for (Control* b : {&Cmdl3, &Cmdl2, &Cmdmid, &Cmdr2, &Cmdr3}) b->Default = false;
    if (Control* b = Button(defaultbutton)) b->Default = true;
    Tag = key;
    Caption = caption;
}

} // namespace tc
