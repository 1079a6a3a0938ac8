#include "windows/settinglists.h"

#include "settings/settingtexts.h"
#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <string_view>

namespace tc {

namespace {

// The value of a decimal text, 0 when there is none.
int Number(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The digit at a 1-based character position, 0 when the text is shorter.
int Digitat(const std::string& text, std::size_t position) {
    if (text.size() < position) return 0;
    const char c = text[position - 1];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

void Fill(Combolist& list, std::initializer_list<std::string_view> items) {
    list.Clear();
    for (auto item : items) list.Additem(std::string(item));
}

} // namespace

int Lengthvalue(const std::string& item) {
    return item.size() >= 2 ? Digitat(item, 18) : Number(item);
}

Settinglists::Settinglists() {
    Cmdtop.Caption = "TOP FIVE List";
    Minlength = 3;
    Maxlength = 8;
    // Filled in this order the rules find nothing to change: each list they touch is either
    // already consistent or still empty.
    Fill(Cbwho, {Whoitems[0], Whoitems[1], Whoitems[2]});
    Choose(Cbwho, std::string(Whoitems[0]));
    Fill(Cbcolour, {"5", "6", "7", "8", "9", "10"});
    Choose(Cbcolour, "10");
    Fill(Cbstart, {Startitems[0], Startitems[1]});
    Choose(Cbstart, std::string(Startitems[0]));
    Cblength.Clear();
    for (int i = 3; i <= 8; ++i) Cblength.Additem(std::to_string(i));
    for (int i = 4; i <= 8; ++i) Cblength.Additem(Unspecifieditem(i));
    Choose(Cblength, "3");
    Fill(Cbhint, {Hintitems[0], Hintitems[1]});
    Choose(Cbhint, std::string(Hintitems[0]));
    Fill(Cborder, {Orderitems[0], Orderitems[1]});
    Choose(Cborder, std::string(Orderitems[0]));
    Cbrepeat.Clear();
    Cbrepeat.Additem(std::string(Norepeat));
    Cbrepeat.Additem(Repeatitem(2));
    Cbrepeat.Additem(std::string(Anyrepeat));
    Choose(Cbrepeat, std::string(Norepeat));
}

std::optional<Role> Settinglists::Chosenrole() const {
    const std::string who = Cbwho.Text();
    if (who == Whoitems[0]) return Role::Youguess;
    if (who == Whoitems[1]) return Role::Computerguesses;
    if (who == Whoitems[2]) return Role::Watch;
    return std::nullopt;
}

void Settinglists::Cbwho_Click() {
    const std::optional<Role> who = Chosenrole();
    // Only a computer codemaker falsifies hints; the player who makes the code marks honestly.
    if (who == Role::Computerguesses) {
        if (Cbhint.Listcount() == 2) Cbhint.Removeitem(1);
    } else if (Cbhint.Listcount() == 1) {
        Cbhint.Additem(std::string(Hintitems[1]), 1);
    }
    Cmdtop.Enabled = who == Role::Youguess;
}

void Settinglists::Cbhint_Click() {
    if (Cbhint.Text() == Hintitems[1]) {
        if (Cbwho.Listcount() == 3) Cbwho.Removeitem(1);
    } else if (Cbwho.Listcount() == 2) {
        Cbwho.Additem(std::string(Whoitems[1]), 1);
    }
}

void Settinglists::Cbcolour_Click() {
    if (Cbcolour.Listindex < 0) return;
    // A code needs at least two colours more than its length.
    const int m = Number(Cbcolour.Text()) - 2;
    if (m > Maxlength) {
        for (int i = Maxlength + 1; i <= m; ++i) Cblength.Additem(std::to_string(i), i - Minlength);
        if (m >= 4)
            for (int i = Maxlength + 1; i <= m; ++i) Cblength.Additem(Unspecifieditem(i));
        Maxlength = m;
    } else if (m < Maxlength) {
        for (int i = Maxlength; i >= m + 1; --i) {
            Cblength.Removeitem(i - Minlength);
            Cblength.Removeitem(Cblength.Listcount() - 1);
        }
        Maxlength = m;
    }
}

void Settinglists::Cblength_Click() {
    if (Cblength.Listindex < 0) return;
    const int length = Lengthvalue(Cblength.Text());
    const int needed = length + 2;
    const int low = 11 - Cbcolour.Listcount();
    if (low < needed) {
        for (int i = 0; i < needed - low; ++i) Cbcolour.Removeitem(0);
    } else if (low > needed) {
        for (int i = 0; i <= low - 1 - needed; ++i) Cbcolour.Additem(std::to_string(needed + i), i);
    }
    // "At most k times" only restricts anything while k is below the length.
    const int highest = length - 1;
    if (Cbrepeat.Listcount() >= 3) {
        const int offered = Cbrepeat.Listcount() - 1;
        if (offered < highest) {
            for (int i = offered + 1; i <= highest; ++i)
                Cbrepeat.Additem(Repeatitem(i), Cbrepeat.Listcount() - 1);
        } else if (highest < offered) {
            for (int i = 0; i < offered - highest; ++i)
                Cbrepeat.Removeitem(Cbrepeat.Listcount() - 2);
        }
    }
}

void Settinglists::Cbrepeat_Click() {
    if (Cbrepeat.Listindex < 0) return;
    const std::string text = Cbrepeat.Text();
    const int n = text.starts_with("Each") ? Digitat(text, 21) + 1 : 3;
    if (n < Minlength) {
        for (int i = Minlength - 1; i >= n; --i) Cblength.Additem(std::to_string(i), 0);
        for (int i = Minlength - 1; i >= std::max(n, 4); --i)
            Cblength.Additem(Unspecifieditem(i), Maxlength - n + 1);
        Minlength = n;
    } else if (n > Minlength) {
        for (int i = 0; i < n - Minlength; ++i) Cblength.Removeitem(0);
        for (int i = std::max(Minlength, 4); i <= n - 1; ++i)
            Cblength.Removeitem(Maxlength - n + 1);
        Minlength = n;
    }
}

bool Settinglists::Choose(Combolist& list, const std::string& text) {
    if (!list.Select(text)) return false;
    if (&list == &Cbwho)
        Cbwho_Click();
    else if (&list == &Cbhint)
        Cbhint_Click();
    else if (&list == &Cbcolour)
        Cbcolour_Click();
    else if (&list == &Cblength)
        Cblength_Click();
    else if (&list == &Cbrepeat)
        Cbrepeat_Click();
    return true;
}

void Settinglists::Updatesetting(Gamesetting& setting) const {
    setting.Whoguess = Chosenrole().value_or(Role::Youguess);
    setting.Ncolours = Number(Cbcolour.Text());
    setting.Starttype = static_cast<Startkind>(Cbstart.Listindex + 1);
    setting.Hinttype = static_cast<Hintkind>(Cbhint.Listindex + 1);
    setting.Ordertype = static_cast<Orderkind>(Cborder.Listindex + 1);
    setting.Maxrepeat = Cbrepeat.Listindex + 1;
    const std::string length = Cblength.Text();
    if (length.size() >= 2) {
        setting.Codelength = Digitat(length, 18);
        setting.Fixedlength = 0;
        setting.Maxblanks = setting.Codelength - 3;
    } else {
        setting.Codelength = Number(length);
        setting.Fixedlength = 1;
        setting.Maxblanks = 0;
    }
}

Savedchoices Settinglists::Save() const {
    return {Cbwho.Text(),  Cbcolour.Text(), Cbstart.Text(), Cblength.Text(),
            Cbhint.Text(), Cborder.Text(),  Cbrepeat.Text()};
}

bool Settinglists::Restore(const Savedchoices& saved) {
    bool ok = true;
    auto pick = [&](Combolist& list, const std::string& text) { ok = Choose(list, text) && ok; };
    // "Computer guesses" is only on offer while "No error" shows, and "May contain error(s)"
    // only while someone else guesses: the saved pair is reachable in one order, not both.
    if (saved.Hint == Hintitems[0]) {
        pick(Cbhint, saved.Hint);
        pick(Cbwho, saved.Who);
    } else {
        pick(Cbwho, saved.Who);
        pick(Cbhint, saved.Hint);
    }
    pick(Cbstart, saved.Start);
    pick(Cborder, saved.Order);

    // A length below Minlength waits for its repetition; otherwise the length goes first so
    // that its repetition is offered.
    const int length = Lengthvalue(saved.Length);
    auto lengthandrepeat = [&] {
        if (length >= Minlength) {
            pick(Cblength, saved.Length);
            pick(Cbrepeat, saved.Repeat);
        } else {
            pick(Cbrepeat, saved.Repeat);
            pick(Cblength, saved.Length);
        }
    };
    // Fewer colours than now offered wait until a shorter length brings them back.
    if (Cbcolour.Listcount() > 0 && Number(Cbcolour.Items.front()) > Number(saved.Colour)) {
        lengthandrepeat();
        pick(Cbcolour, saved.Colour);
    } else {
        pick(Cbcolour, saved.Colour);
        lengthandrepeat();
    }
    return ok;
}

} // namespace tc
