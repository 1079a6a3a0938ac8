#pragma once
// The colour panel and the input row: a guess or a code put together by double clicks and drags.
#include "play/gamepart.h"

namespace tc {

// The value of a box of the input row that holds no colour.
constexpr int Emptybox = 99;

class Colourinput : public Gamepart {
public:
    Colourinput(const Gamecore& core) : Gamepart(core) {}

    void Fillcolour(int c);
    void Sortinput();
    void Emptyinput(); // every box empty, every count 0, every colour available
    bool Colouravailable(int c) const;
    // The submit button is on while the row has no more blanks than the setting allows.
    void Submitok();
    // A drag may start from an available colour or a filled box of the open input row, and
    // from nothing else: a drag that could land nowhere is not offered.
    bool Candrag(Dragsource source) const;
    void Lblcolour_DblClick(int i);
    void Lblstring_DblClick(int k);
    void Lblcolour_DragDrop(int i, Dragsource source);
    void Lblstring_DragDrop(int k, Dragsource source);
    void Setinputmethod(Inputkind method);
    const std::array<int, 8>& Inputboxes() const { return inputboxes_; } // colour 0..9, or Emptybox
    const std::array<int, 10>& Colourcount() const { return colourcount_; } // boxes per colour

private:
    std::array<int, 8> inputboxes_{};
    std::array<int, 10> colourcount_{};
    // Takes the colour out of box k: one fewer of it, so it is available again.
    void Takeout(int k);
    // The subsystems and windows it works with.
};

} // namespace tc
