#include "statistics/simulation.h"
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

Odometer::Odometer(const Gamesetting& s, const Str& start)
    : fixed_(s.Fixedorder()), code_(start), alphabet_(Allowedchars(s)) {
    for (int k = 0; k < alphabet_.size(); ++k)
        limit_[k] = alphabet_[k] == 'b' ? s.Maxblanks : s.Maxrepeat;
    for (; valid_ < code_.size(); ++valid_) {
        const int k = index_[valid_] = alphabet_.find(code_[valid_]);
        if (k < 0 || used_[k] >= limit_[k] || (fixed_ && valid_ > 0 && k < index_[valid_ - 1]))
            break;
        ++used_[k];
    }
}

bool Odometer::Next() {
    // The next valid code in odometer order, found directly: keep the longest prefix that can
    // still be completed, raise its last character as little as possible and complete it with
    // the smallest characters left. Stepping through every string and testing it would cost the
    // characters' count to the length's power per walk: 11^8 strings for 957 codes at worst.
    const Str& a = alphabet_;
    const int L = code_.size(), n = a.size();
    for (int p = Minimum(valid_, L - 1); p >= 0 && !ended_; --p) {
        if (p < valid_) --used_[index_[p]];
        const int low = fixed_ && p > 0 ? index_[p - 1] : 0;
        for (int k = Maximum(index_[p] + 1, low); k < n; ++k) {
            if (used_[k] >= limit_[k]) continue;
            int room = 0; // places the characters still usable after position p can fill
            for (int j = fixed_ ? k : 0; j < n && room < L - p - 1; ++j)
                room += limit_[j] - used_[j] - (j == k);
            if (room < L - p - 1) continue;
            for (int q = p, j = k; q < L; ++q, j = fixed_ ? j : 0) {
                while (used_[j] >= limit_[j]) ++j;
                code_[q] = a[j];
                index_[q] = j;
                ++used_[j];
            }
            valid_ = L;
            return true;
        }
    }
    ended_ = true;
    return false;
}

void Simulationtotals::Count(int attempts, int finaltrial) {
    ++Population;
    Total += attempts;
    Maxattempts = Maximum(Maxattempts, attempts);
    Maxtrials = Maximum(Maxtrials, finaltrial);
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

} // namespace tc
