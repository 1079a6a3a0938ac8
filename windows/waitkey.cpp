#include "windows/waitkey.h"

#include <iterator>

namespace tc {

const std::string& Keyname(Waitkey key) {
    static const std::string names[] = {
        "",
        "Picfore",
        "Thinking",
        "Demo",
        "Frmenu",
        "Picwinners",
        "Frtrialno",
        "Frmark",
        "Fraskcode",
        "Frgetstring1",
        "Frgetstring2",
        "Frshowresult",
        "Frgetresult",
        "Frgetresult2",
        "Frgetname",
        "Load",
        "Same",
        "Notenter",
        "Continue Playing",
        "Warning",
        "Gameover0",
        "Notgame",
        "Franswer",
        "Win",
        "Error Detected",
        "Wrong Detection",
        "Gameover1",
        "Bug",
        "Fmabout",
        "Instruct",
        "Mnuend",
        "Mnuquit",
        "Mnusave",
        "Nofile",
        "Overwrite",
        "Notready",
        "Notexist",
        "Delete",
    };
    static_assert(std::size(names) == static_cast<size_t>(Waitkey::Delete) + 1);
    return names[static_cast<size_t>(key)];
}

} // namespace tc
