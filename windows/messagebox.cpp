#include "windows/messagebox.h"

namespace tc {

std::string Plural(const std::string& word, int n) {
    if (n == 1) return word;
    if (word == "is") return "are";
    if (word == "has") return "have";
    return word + "s";
}

Control* Fmmessage::Button(Boxbutton button) {
    switch (button) {
    case Boxbutton::Cmdl3:
        return &Cmdl3;
    case Boxbutton::Cmdl2:
        return &Cmdl2;
    case Boxbutton::Cmdmid:
        return &Cmdmid;
    case Boxbutton::Cmdr2:
        return &Cmdr2;
    case Boxbutton::Cmdr3:
        return &Cmdr3;
    case Boxbutton::None:
        break;
    }
    return nullptr;
}

void Fmmessage::Messagebox(const Messageargs& m) {
    Lblmessage.Caption = m.Text;
    using K = Messagekind;
    Cmdl3.Visible = m.Kind == K::Three;
    Cmdl2.Visible = m.Kind == K::Two;
    Cmdmid.Visible = m.Kind == K::One || m.Kind == K::Three;
    Cmdr2.Visible = m.Kind == K::Two;
    Cmdr3.Visible = m.Kind == K::Three;
    if (m.Icon != Boxicon::None) Icon = Iconfile(m.Icon);
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

const char* Buttonname(Boxbutton button) {
    static constexpr const char* Names[] = {"", "Cmdl3", "Cmdl2", "Cmdmid", "Cmdr2", "Cmdr3"};
    static_assert(std::size(Names) == static_cast<size_t>(Boxbutton::Cmdr3) + 1);
    return Names[static_cast<size_t>(button)];
}

std::string Iconfile(Boxicon icon) {
    switch (icon) {
    case Boxicon::Critical:
        return "Icon/W95mbx01.ico";
    case Boxicon::Question:
        return "Icon/W95mbx02.ico";
    case Boxicon::Exclamation:
        return "Icon/W95mbx03.ico";
    case Boxicon::Information:
        return "Icon/W95mbx04.ico";
    case Boxicon::None:
        break;
    }
    return "";
}

Messageargs Withok(Messageargs m) {
    m.Kind = Messagekind::One;
    m.Mid = "OK";
    m.Defaultbutton = Boxbutton::Cmdmid;
    return m;
}

Messageargs Withendchoices(Messageargs m) {
    m.Kind = Messagekind::Three;
    m.L3 = "Save File";
    m.Mid = "Change Display";
    m.R3 = "End";
    m.Defaultbutton = Boxbutton::Cmdr3;
    return m;
}

} // namespace tc
