#pragma once
// The TOP FIVE lists: a new entry, the list shown, and its editor in design mode.
#include "play/gamepart.h"
#include "records/winners.h"

namespace tc {

class Topfivelist : public Gamepart {
public:
    Topfivelist(const Gamecore& core, tc::Gamestarter& gamestarter, tc::Boardview& boardview)
        : Gamepart(core), Gamestarter(gamestarter), Boardview(boardview) {}

    void Loadtopfive(); // captions of the name panel and the list, both hidden
    void Cmdtop_Click();
    void Cbedit_Click();
    // Stores the editor's entry and statistics; false when a box was refused or the file
    // could not be read or written, which the player is then told.
    bool Cmdgo_Click();
    void Cmdcontinue_Click();
    void Cmdokname_Click();
    void Offerrecord();

private:
    // Reads the setting's Winners record into `Winners`; an empty record and false when the
    // file cannot be read.
    bool Readwinnersrecord();
    // Enters the won game under `name` and writes the file; "" when it was written, otherwise
    // what went wrong, naming the file.
    std::string Updatewinners(const std::string& name);
    void Showwinners();
    // Tells the player why an entry is not in the list; nothing for "".
    void Tellnotstored(const std::string& problem);
    Winnersrecord Winners;        // the record of the last Winners file operation
    bool Winnersfrommenu = false; // the list was opened from the setting menu
    // The subsystems and windows it works with.
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
};

} // namespace tc
