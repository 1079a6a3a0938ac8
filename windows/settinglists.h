#pragma once
// The seven choice lists of the setting menu and the rules that keep them compatible: after any
// selection each list offers only values that fit the choices of the others, so whatever the
// player picks is a valid setting.
#include "engine/gamesetting.h"
#include "windows/controls.h"
#include <optional>
#include <string>

namespace tc {

// The texts the seven lists showed at one moment; Cancel in the setting menu brings them back.
struct Savedchoices {
    std::string Who, Colour, Start, Length, Hint, Order, Repeat;
    bool operator==(const Savedchoices&) const = default;
};

class Settinglists {
public:
    Combolist Cbwho;
    Combolist Cbcolour;
    Combolist Cbstart;
    Combolist Cblength;
    Combolist Cbhint;
    Combolist Cborder;
    Combolist Cbrepeat;
    Control Cmdtop;    // "TOP FIVE List": only the player's own games have a list
    int Minlength = 3; // smallest fixed length Cblength offers
    int Maxlength = 8; // largest length Cblength offers

    // Fills the lists with their first items and choices, running each rule as it goes.
    Settinglists();

    // Dependency rules, run after every selection in that list.
    void Cbwho_Click();
    void Cbhint_Click();
    void Cbcolour_Click();
    void Cblength_Click();
    void Cbrepeat_Click();

    // Selects the item with this text in one of the seven lists and runs that list's rule.
    // Returns false, changing nothing, when the list does not offer the text.
    bool Choose(Combolist& list, const std::string& text);

    // The role Cbwho shows, none while it shows no item.
    std::optional<Role> Chosenrole() const;
    // Reads the setting from the lists; Starttrial is left alone.
    void Updatesetting(Gamesetting& setting) const;

    Savedchoices Save() const;
    // Selects the saved texts in an order in which each is on offer when its turn comes.
    // Returns false if some text could not be selected (only for texts no list ever held).
    bool Restore(const Savedchoices& saved);
    // The choices when the setting menu was opened, for its Cancel.
    void Keep() { kept_ = Save(); }
    const Savedchoices& Kept() const { return kept_; }

private:
    Savedchoices kept_;
};

// The length an item of Cblength stands for: the fixed length, or N of "Unspecified (3 - N)".
int Lengthvalue(const std::string& item);

} // namespace tc
