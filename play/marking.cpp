#include "play/marking.h"

namespace tc {

void Marking::Mark() {
    if (Rec.Inplay() && Setting.Whoguess == Role::Youguess) ++Rec.Trial;
    Rec.Currenthint = Markguess(Rec.Currentstring, Rec.Answer, Setting);
    for (char d : Rec.Errortrials)
        if (d - '0' == Rec.Trial) {
            Makeerror();
            break;
        }
}

void Marking::Makeerror() {
    Hint& h = Rec.Currenthint;
    if (Hintbreakscode()) {
        Rec.Solvedunseen = -1;
        Rec.Solvedtrial = Rec.Trial;
    }
    Rec.Trueblacks += static_cast<char>('0' + h.black);
    Rec.Truewhites += static_cast<char>('0' + h.white);
    if (h.black > 0)
        --h.black;
    else if (h.white > 0)
        --h.white;
    else
        h.black = 1;
    Rec.Errorpending = -1;
}

void Marking::Processmark() {
    const int t = Rec.Trial;
    Rec.Guesses[t] = Rec.Currentstring;
    Rec.Blacks[t] = Rec.Currenthint.black;
    Rec.Whites[t] = Rec.Currenthint.white;
    Rec.Corrects[t] = Setting.Fixedorder() ? Rec.Currenthint.black
                                           : Rec.Currenthint.black + Rec.Currenthint.white;
    if (Options.Observer) Options.Observer->Processed(t);
}

} // namespace tc
