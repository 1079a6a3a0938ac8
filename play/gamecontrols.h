#pragma once
// What the player does in the windows, handed to the subsystem whose step it is: the window layer
// names the event and never the subsystem. The events without data go through one table.
#include "play/gamepart.h"
#include <cstddef>
#include <filesystem>
#include <string>

namespace tc {

class Game;
enum class Menucommand;
struct Simulationtotals;

// The events that carry nothing: buttons, option buttons, a list's choice already written into
// its model, a window loaded, activated or closed.
enum class Playerevent {
    Formload,
    Formactivate,
    Mnuset,
    Stbmenu,
    Statboxclose,
    Cmdokabout,
    Cmdokinstr,
    Optyesmark,
    Optnomark,
    Cmdstart,
    Cmdoktrial,
    Cmdokmark,
    Cmdready,
    Cmdsubcol,
    Cmdsubnum,
    Cmderror,
    Cmdshowresult,
    Cbcorrect,
    Cbwrong,
    Cmdgetresult,
    Cmdwin,
    Cmdopen,
    Cmdsave,
    Cmdcancelfiles,
    Cmdstat,
    Cmdback,
    Cmdinitstat,
    Cmdsimulate,
    Cmdcancel,
    Cmdtop,
    Cbedit,
    Cmdcontinue,
    Cmdokname, // the last
};

// A row of a table of steps indexed by an enum. Each row names its key, so that a row out of
// place fails the build (`Inorder`) instead of setting off another step.
template <class Key> struct Steprow {
    Key key;
    void (*step)(Game&);
};
template <class Key, std::size_t N>
constexpr bool Inorder(const Steprow<Key> (&rows)[N], Key last) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].key) != i) return false;
    return static_cast<std::size_t>(last) + 1 == N;
}

class Gamecontrols {
public:
    explicit Gamecontrols(Game& g) : g_(g) {}

    void Send(Playerevent event);

    // The events with data.
    void Menu(Menucommand item);
    void Toolbar(const std::string& key); // a toolbar button by its key
    // A key typed into the guess, the correct-count or the wrong-count box; false when refused.
    bool Guesskey(char key);
    bool Correctkey(char key);
    bool Wrongkey(char key);
    // A cell of the guess (`Box`) or of the colours on offer double-clicked, or dropped onto.
    void Doubleclick(Dragsource cell);
    void Drop(Dragsource onto, Dragsource from);
    void Speed(int value);       // the demo's speed bar
    void Boardpress(int button); // a mouse button pressed on the board
    bool Go();                   // the top-five edit's Go; false when a box was refused
    void Fileskey(int keycode);  // a key released in the file dialog
    void Drive(int index);       // the file dialog's drive list
    void Folder(const std::filesystem::path& folder);
    void Fileclick(int index);
    void Filedoubleclick(int index);
    void Inputmethod(Inputkind method);
    void Display(Displaykind mode);

    // What the windows ask of the game beyond its models.
    bool Candrag(Dragsource source) const;
    std::string Spokencell(Dragsource cell) const;
    bool Quitrequested() const; // the program should end
    const Simulationtotals& Simtotals() const;

private:
    Game& g_;
};

} // namespace tc
