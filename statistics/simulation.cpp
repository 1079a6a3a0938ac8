#include "statistics/simulation.h"
#include "play/autoplay.h"
#include "play/game.h"
#include <cstdio>

namespace tc {

Str Firstcode(const Gamesetting& s) {
    Str code;
    for (int c = 0; code.size() < s.Codelength; ++c)
        for (int k = 0; k < s.Maxrepeat && code.size() < s.Codelength; ++k)
            code.push_back(static_cast<char>('0' + c));
    return code;
}

Str Lastcode(const Gamesetting& s) {
    Str code(s.Maxblanks, 'b');
    for (int c = s.Ncolours - 1; code.size() < s.Codelength; --c)
        for (int k = 0; k < s.Maxrepeat && code.size() < s.Codelength; ++k)
            code.push_back(static_cast<char>('0' + c));
    if (s.Fixedorder()) Sortstring(code);
    return code;
}

bool Odometer::Next() {
    if (code_ == last_) return false;
    const Str& a = alphabet_;
    do {
        for (int p = code_.size() - 1; p >= 0; --p) {
            const int k = a.find(code_[p]);
            if (k + 1 < a.size()) {
                code_[p] = a[k + 1];
                break;
            }
            code_[p] = a[0];
        }
    } while (!Checkstring(code_, a, setting_));
    return true;
}

void Simulationtotals::Count(int attempts, int finaltrial) {
    ++Population;
    Total += attempts;
    Maxattempts = static_cast<int16_t>(Maximum<int>(Maxattempts, attempts));
    Maxtrials = static_cast<int16_t>(Maximum<int>(Maxtrials, finaltrial));
    ++Histogram[attempts];
}

void Simulationtotals::Add(const Simulationtotals& o) {
    Population += o.Population;
    Total += o.Total;
    Maxattempts = Maximum(Maxattempts, o.Maxattempts);
    Maxtrials = Maximum(Maxtrials, o.Maxtrials);
    for (const auto& [a, n] : o.Histogram) Histogram[a] += n;
}

std::string Generaldouble(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

std::string Statisticsmessage(const Simulationtotals& t) {
    const double average = t.Population ? static_cast<double>(t.Total) / t.Population : 0.0;
    return "Average number of attempts: " + std::to_string(t.Total) + " / " +
           std::to_string(t.Population) + " = " + Generaldouble(average) +
           "\nMaximum number of attempts: " + std::to_string(t.Maxattempts) +
           "\nMaximum number of trials: " + std::to_string(t.Maxtrials);
}

bool Simulategame(Game& g, const Str& code) {
    g.Rec.Answer = code;
    g.Rec.Answerblanks = static_cast<int16_t>(Countchar(code, 'b'));
    g.Initialize();
    Autoplay(g);
    return g.Rec.Status == "Next Demo";
}

} // namespace tc
