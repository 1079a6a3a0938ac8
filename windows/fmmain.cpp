#include "windows/fmmain.h"

namespace tc {

namespace {

// The menu item whose enabled state each toolbar button takes.
Menuitem Fmmain::*const Enabledby[13] = {
    &Fmmain::Mnuset,    &Fmmain::Mnunew,    &Fmmain::Mnuload,   &Fmmain::Mnusaving,
    &Fmmain::Mnuend,    &Fmmain::Mnumedia,  &Fmmain::Mnumedia,  &Fmmain::Mnudemo,
    &Fmmain::Mnuoption, &Fmmain::Mnuoption, &Fmmain::Mnuoption, &Fmmain::Mnuoption,
    &Fmmain::Mnuquit,
};

} // namespace

void Fmmain::Settlb() {
    for (int i = 0; i < 13; ++i) Tlbgame[i].Enabled = (this->*Enabledby[i]).Enabled;
}

} // namespace tc
