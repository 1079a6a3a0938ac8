// The colour panel and the input row: double clicks, drags and drops, and the input methods.
#include "play/colourinput.h"

namespace tc {

namespace {

std::string Digit(int c) {
    return std::string(1, static_cast<char>('0' + c));
}

// Box i of the row shows colour v, or nothing for Emptybox.
void Setbox(Fmmain& m, std::array<int, 8>& boxes, int i, int v) {
    boxes[i] = v;
    m.Picstring[i].Background = v == Emptybox ? Windowbackground : m.Piccolour[v].Background;
    m.Lblstring[i].Caption = v == Emptybox ? std::string() : Digit(v);
}

// The row takes mouse input only while it is showing.
bool Rowopen(const Fmmain& m) {
    return m.Frgetstring.Visible && m.Inputmethod == Inputkind::Mouse;
}

// Box k holds a colour and may be double-clicked or dragged.
bool Filledbox(const std::array<int, 8>& boxes, int k, int length) {
    return k >= 0 && k < length && boxes[k] != Emptybox;
}

} // namespace

void Colourinput::Takeout(int k) {
    const int c = inputboxes_[k];
    if (--colourcount_[c] < Setting.Maxrepeat) Main.Piccolour[c].Borderstyle = 1;
    Setbox(Main, inputboxes_, k, Emptybox);
    if (Setting.Fixedorder()) Sortinput();
}

void Colourinput::Fillcolour(int c) {
    if (c < 0 || c >= Setting.Ncolours) return;
    for (int i = 0; i < Setting.Codelength; ++i) {
        if (Main.Picstring[i].Background != Windowbackground) continue;
        Setbox(Main, inputboxes_, i, c);
        if (++colourcount_[c] >= Setting.Maxrepeat) Main.Piccolour[c].Borderstyle = 0;
        break;
    }
    if (Setting.Fixedorder()) Sortinput();
}

void Colourinput::Sortinput() {
    const int L = Setting.Codelength;
    std::array<int, 8> sorted = inputboxes_;
    for (int pass = 1; pass < L; ++pass)
        for (int j = 0; j + 1 < L; ++j)
            if (sorted[j] > sorted[j + 1]) Swap(sorted[j], sorted[j + 1]);
    for (int i = 0; i < L; ++i)
        if (sorted[i] != inputboxes_[i]) Setbox(Main, inputboxes_, i, sorted[i]);
}

void Colourinput::Emptyinput() {
    for (int i = 0; i < 8; ++i) Setbox(Main, inputboxes_, i, Emptybox);
    colourcount_.fill(0);
    for (int c = 0; c < 10; ++c) {
        Main.Piccolour[c].Borderstyle = 1;
        // A box takes its colour from the panel, so the panel must hold the colours first.
        Main.Piccolour[c].Background = Panelcolours[c];
        // The labels show the digit in both display modes, so nothing needs redoing when the
        // mode changes.
        Main.Lblcolour[c].Caption = Digit(c);
    }
}

bool Colourinput::Colouravailable(int c) const {
    return c >= 0 && c < Setting.Ncolours && Main.Inputmethod == Inputkind::Mouse &&
           Main.Piccolour[c].Borderstyle == 1;
}

bool Colourinput::Candrag(Dragsource source) const {
    if (!Rowopen(Main)) return false;
    return source.What == Dragsource::Kind::Colour
               ? Colouravailable(source.Index)
               : Filledbox(inputboxes_, source.Index, Setting.Codelength);
}

void Colourinput::Submitok() {
    int empty = 0;
    for (int i = 0; i < Setting.Codelength; ++i) empty += inputboxes_[i] == Emptybox;
    Rec.Inputblanks = empty;
    Main.Cmdsubcol.Enabled = Main.Cmdsubcol.Default = empty <= Setting.Maxblanks;
}

void Colourinput::Lblcolour_DblClick(int i) {
    if (!Rowopen(Main)) return;
    if (Colouravailable(i)) Fillcolour(i);
    Submitok();
}

void Colourinput::Lblstring_DblClick(int k) {
    if (!Rowopen(Main) || !Filledbox(inputboxes_, k, Setting.Codelength)) return;
    Takeout(k);
    Submitok();
}

void Colourinput::Lblcolour_DragDrop(int, Dragsource source) {
    if (!Rowopen(Main) || source.What != Dragsource::Kind::Box ||
        !Filledbox(inputboxes_, source.Index, Setting.Codelength))
        return;
    Takeout(source.Index);
    Submitok();
}

void Colourinput::Lblstring_DragDrop(int k, Dragsource source) {
    const int L = Setting.Codelength;
    if (!Rowopen(Main) || k < 0 || k >= L) return;
    if (source.What == Dragsource::Kind::Colour) {
        const int c = source.Index;
        if (!Colouravailable(c)) return;
        if (Setting.Fixedorder()) {
            // The row stays sorted, so where it was dropped does not matter.
            Fillcolour(c);
        } else if (inputboxes_[k] != c) {
            if (++colourcount_[c] >= Setting.Maxrepeat) Main.Piccolour[c].Borderstyle = 0;
            const int d = inputboxes_[k];
            if (d != Emptybox && --colourcount_[d] < Setting.Maxrepeat)
                Main.Piccolour[d].Borderstyle = 1;
            Setbox(Main, inputboxes_, k, c);
        }
    } else {
        const int j = source.Index;
        if (Setting.Fixedorder() || j == k || !Filledbox(inputboxes_, j, L)) return;
        // Moving into an empty box is the same exchange: the source box takes the emptiness.
        const int d = inputboxes_[k];
        Setbox(Main, inputboxes_, k, inputboxes_[j]);
        Setbox(Main, inputboxes_, j, d);
    }
    Submitok();
}

void Colourinput::Setinputmethod(Inputkind method) {
    if (method == Main.Inputmethod) return;
    const bool mouse = method == Inputkind::Mouse;
    Main.Inputmethod = method;
    Main.Mnumouse.Checked = mouse;
    Main.Mnukey.Checked = !mouse;

    // A string half put in is dropped: the other panel starts empty.
    if (!mouse && Main.Frgetstring.Visible) {
        Main.Frgetstring.Visible = false;
        Emptyinput();
        Main.Cmdsubcol.Enabled = Main.Cmdsubcol.Default = false;
        Main.Frinput.Visible = true;
        Main.Txtinput.Caption.clear();
        Main.Txtinput.Caret = 0;
        Main.Txtinput.Setfocus();
        Main.Cmdsubnum.Enabled = Main.Cmdsubnum.Default = false;
    } else if (mouse && Main.Frinput.Visible) {
        Main.Frinput.Visible = false;
        Main.Txtinput.Caption.clear();
        Main.Txtinput.Caret = 0;
        Main.Cmdsubnum.Enabled = Main.Cmdsubnum.Default = false;
        Emptyinput();
        for (int i = 0; i < 8; ++i)
            Main.Picstring[i].Visible = Main.Lblstring[i].Visible = i < Setting.Codelength;
        Main.Cmdsubcol.Enabled = Main.Cmdsubcol.Default = false;
        Main.Frgetstring.Visible = true;
    }

    if (!Main.Frgetresult.Visible) return;
    if (mouse) {
        // The lists offer what the marks panel offers when it opens, showing 0 and 0, which is a
        // mark that can be given as it stands.
        Rec.Inputblanks = Countchar(Rec.Currentstring, 'b');
        auto tolist = [](Textbox& box, Combolist& list, int last) {
            if (!box.Visible) return;
            box.Visible = false;
            box.Caption.clear();
            list.Clear();
            for (int n = 0; n <= last; ++n) list.Additem(std::to_string(n));
            list.Listindex = 0;
            list.Visible = true;
        };
        tolist(Main.Txtcorrect, Main.Cbcorrect,
               Largestblack(Setting.Codelength, Rec.Inputblanks, 0));
        // In fixed order the second pair sits in a hidden frame and stays as it is.
        if (Main.Frgetwrong.Visible)
            tolist(Main.Txtwrong, Main.Cbwrong,
                   Largestwhite(Setting.Codelength, Rec.Inputblanks, 0));
        Main.Cmdgetresult.Enabled = Main.Cmdgetresult.Default = true;
    } else {
        auto tobox = [](Combolist& list, Textbox& box) {
            if (!list.Visible) return;
            list.Visible = false;
            box.Caption.clear();
            box.Caret = 0;
            box.Visible = true;
        };
        tobox(Main.Cbcorrect, Main.Txtcorrect);
        if (Main.Frgetwrong.Visible) tobox(Main.Cbwrong, Main.Txtwrong);
        if (Main.Txtcorrect.Visible) Main.Txtcorrect.Setfocus();
        Main.Cmdgetresult.Enabled = Main.Cmdgetresult.Default = false;
    }
}

} // namespace tc
