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

void Fmmessage::Messagebox(const Messageargs& m) {
    Lblmessage.Caption = m.Text;
    const int kind = m.Kind;
    if (kind >= 1 && kind <= 3) {
        Cmdl3.Visible = kind == 3;
        Cmdl2.Visible = kind == 2;
        Cmdmid.Visible = kind == 1 || kind == 3;
        Cmdr2.Visible = kind == 2;
        Cmdr3.Visible = kind == 3;
    }
    if (m.Icon == "X")
        Icon = "Icon/W95mbx01.ico";
    else if (m.Icon == "?")
        Icon = "Icon/W95mbx02.ico";
    else if (m.Icon == "!")
        Icon = "Icon/W95mbx03.ico";
    else if (m.Icon == "i")
        Icon = "Icon/W95mbx04.ico";
    Cmdl2.Caption = m.L2;
    Cmdl3.Caption = m.L3;
    Cmdmid.Caption = m.Mid;
    Cmdr3.Caption = m.R3;
    Cmdr2.Caption = m.R2;
    for (Control* b : {&Cmdl3, &Cmdl2, &Cmdmid, &Cmdr2, &Cmdr3}) b->Default = false;
    if (Control* b = Button(m.Defaultbutton)) b->Default = true;
    Key = m.Key;
    Tag = Keyname(m.Key);
    Caption = m.Caption;
}

Messageargs Withok(Messageargs m) {
    m.Kind = 1;
    m.Mid = "OK";
    m.Defaultbutton = "Cmdmid";
    return m;
}

Messageargs Withendchoices(Messageargs m) {
    m.Kind = 3;
    m.L3 = "Save File";
    m.Mid = "Change Display";
    m.R3 = "End";
    m.Defaultbutton = "Cmdr3";
    return m;
}

} // namespace tc
