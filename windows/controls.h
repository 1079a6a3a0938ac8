#pragma once
// Plain models of the window controls. The game layer changes them; the Qt binding in ui/ draws
// them and forwards user actions. Nothing here knows how a control looks on screen.
#include <cstdint>
#include <string>
#include <vector>

namespace tc {

// Properties shared by every control.
struct Control {
    std::string Caption; // caption or text
    bool Visible = true;
    bool Enabled = true;
    bool Default = false; // default button of its window
    std::string Tooltip;
    int Tag = 0;
    int Fontsize = 0; // points; 0 keeps the window's font
};

// A drop-down list whose text is always one of its items (or empty with no selection).
struct Combolist : Control {
    std::vector<std::string> Items;
    int Listindex = -1; // -1: no selection

    int Listcount() const { return static_cast<int>(Items.size()); }
    std::string Text() const {
        return Listindex >= 0 && Listindex < Listcount() ? Items[Listindex] : std::string();
    }
    void Additem(const std::string& item, int index = -1) {
        if (index < 0 || index >= Listcount()) {
            Items.push_back(item);
        } else {
            Items.insert(Items.begin() + index, item);
            if (Listindex >= index) ++Listindex;
        }
    }
    void Removeitem(int index) {
        Items.erase(Items.begin() + index);
        if (Listindex == index)
            Listindex = -1;
        else if (Listindex > index)
            --Listindex;
    }
    void Clear() {
        Items.clear();
        Listindex = -1;
    }
    // Selects the item with this text; returns false when there is none.
    bool Select(const std::string& text) {
        for (int i = 0; i < Listcount(); ++i)
            if (Items[i] == text) {
                Listindex = i;
                return true;
            }
        return false;
    }
};

// A menu item: a control with a tick mark.
struct Menuitem : Control {
    bool Checked = false;
};

// An option button of a pair; exactly one of a pair is set.
struct Optionbutton : Control {
    bool Value = false;
};

// A text box; `Caption` holds its text.
struct Textbox : Control {
    bool Focused = false;
    int Caret = 0;        // insertion point, 0..length of the text
    int Focusrequest = 0; // counts the requests, so each one moves the keyboard here again

    // The box takes the keyboard now, even when it had it before and lost it since.
    void Setfocus() {
        Focused = true;
        ++Focusrequest;
    }
};

// A horizontal scroll bar.
struct Scrollbar : Control {
    int Value = 0;
    int Min = 0;
    int Max = 100;
};

// A toolbar button, identified by its key.
struct Toolbutton : Control {
    std::string Key;
};

} // namespace tc
