#pragma once
// The contexts a wait can be in: every panel and message the player may be asked to answer, and
// the few states without an answer (thinking, the demo). Their names are the keys the status
// bar's help texts and the message buttons were written against; only `Keyname` spells them.
#include <string>

namespace tc {

enum class Waitkey {
    None, // nothing waits
    // Panels and messages shown in place of a panel.
    Picfore,
    Thinking,
    Demo,
    Frmenu,
    Picwinners,
    Frtrialno,
    Frmark,
    Fraskcode,
    Frgetstring1,
    Frgetstring2,
    Frshowresult,
    Frgetresult,
    Frgetresult2,
    Frgetname,
    Load,
    Same,
    Notenter,
    Continueplaying,
    Warning,
    Gameover0,
    Notgame,
    Franswer,
    Win,
    Errordetected,
    Wrongdetection,
    Gameover1,
    Bug,
    // Messages and windows pushed over a panel.
    Fmabout,
    Instruct,
    Mnuend,
    Mnuquit,
    Mnusave,
    Nofile,
    Overwrite,
    Notready,
    Notexist,
    Delete,
};

// The key's name: "Picfore", "Continue Playing", ...; "" for `None`.
const std::string& Keyname(Waitkey key);

} // namespace tc
