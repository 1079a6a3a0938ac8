// The two short wave sounds, synthesised from a few decaying harmonics each.
#include "assets.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tc::assets {

namespace {

constexpr int Rate = 44100;
constexpr double Twopi = 2 * std::numbers::pi;

struct Partial {
    double ratio; // frequency relative to the note
    double amp;   // starting level
    double decay; // time constant in seconds
};

// Adds one note: partials with exponential decays after a short attack.
void Addnote(std::vector<double>& out, double start, double freq, double level, double length,
             double attack, const std::vector<Partial>& partials, double vibrato = 0) {
    const int first = static_cast<int>(start * Rate);
    const int count = static_cast<int>(length * Rate);
    for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
        const double t = double(i) / Rate;
        const double env = std::min(1.0, t / attack) * std::min(1.0, (length - t) / 0.03);
        // Vibrato grows in after the attack, as a player's would.
        const double vib = 1 + vibrato * std::min(1.0, t / 0.4) * std::sin(Twopi * 5.5 * t);
        double s = 0;
        for (const auto& p : partials)
            s += p.amp * std::exp(-t / p.decay) * std::sin(Twopi * freq * p.ratio * vib * t);
        out[first + i] += level * env * s;
    }
}

// A small room: parallel combs into allpasses, mixed in lightly.
std::vector<double> Reverb(const std::vector<double>& in, double mix) {
    std::vector<double> wet(in.size(), 0.0);
    for (int delay : {1557, 1617, 1491, 1422}) {
        std::vector<double> buf(delay, 0.0);
        int k = 0;
        for (std::size_t i = 0; i < in.size(); ++i) {
            const double y = buf[k];
            buf[k] = in[i] + y * 0.72;
            wet[i] += y * 0.25;
            k = (k + 1) % delay;
        }
    }
    for (int delay : {225, 556}) {
        std::vector<double> buf(delay, 0.0);
        int k = 0;
        for (auto& v : wet) {
            const double b = buf[k];
            const double y = -v + b;
            buf[k] = v + b * 0.5;
            v = y;
            k = (k + 1) % delay;
        }
    }
    std::vector<double> out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) out[i] = in[i] + mix * wet[i];
    return out;
}

Bytes Wavfile(std::vector<double> samples, double peak) {
    // Short fade-out so the file ends in silence without a click.
    const std::size_t fade = Rate / 20;
    for (std::size_t i = 0; i < fade && i < samples.size(); ++i)
        samples[samples.size() - 1 - i] *= double(i) / fade;
    double top = 1e-9;
    for (double v : samples) top = std::max(top, std::abs(v));
    Writer w;
    const std::uint32_t databytes = static_cast<std::uint32_t>(samples.size() * 2);
    w.Tag("RIFF");
    w.Le32(36 + databytes);
    w.Tag("WAVE");
    w.Tag("fmt ");
    w.Le32(16);
    w.Le16(1); // PCM
    w.Le16(1); // mono
    w.Le32(Rate);
    w.Le32(Rate * 2);
    w.Le16(2);
    w.Le16(16);
    w.Tag("data");
    w.Le32(databytes);
    for (double v : samples) {
        const long s = std::lround(v / top * peak * 32767.0);
        w.Le16(
            static_cast<std::uint32_t>(static_cast<std::int16_t>(std::clamp(s, -32767L, 32767L))) &
            0xFFFF);
    }
    return w.data;
}

double Hz(int midinote) {
    return 440.0 * std::pow(2.0, (midinote - 69) / 12.0);
}

} // namespace

Bytes Reminderwav() {
    std::vector<double> s(static_cast<std::size_t>(0.65 * Rate), 0.0);
    // A soft bell: the fundamental rings, the upper partials fade quickly.
    const std::vector<Partial> bell = {{1.0, 1.0, 0.30},
                                       {2.0, 0.35, 0.12},
                                       {3.0, 0.12, 0.06},
                                       {4.16, 0.08, 0.03},
                                       {0.5, 0.1, 0.2}};
    Addnote(s, 0.00, Hz(79), 0.8, 0.65, 0.004, bell); // G5
    Addnote(s, 0.17, Hz(84), 0.9, 0.48, 0.004, bell); // C6
    return Wavfile(Reverb(s, 0.25), 0.7);
}

Bytes Tadawav() {
    std::vector<double> s(static_cast<std::size_t>(1.55 * Rate), 0.0);
    // Brass-like: many harmonics falling off as 1/n, the upper ones losing brightness first.
    std::vector<Partial> brass;
    for (int n = 1; n <= 9; ++n) brass.push_back({double(n), 1.0 / n, 1.6 / (1 + 0.35 * n)});
    const std::vector<Partial> glock = {{1.0, 1.0, 0.35}, {2.76, 0.4, 0.12}, {5.4, 0.15, 0.05}};
    // A quick rising pickup, then the full chord.
    Addnote(s, 0.00, Hz(67), 0.45, 0.13, 0.012, brass); // G4
    Addnote(s, 0.11, Hz(72), 0.45, 0.13, 0.012, brass); // C5
    Addnote(s, 0.22, Hz(76), 0.45, 0.13, 0.012, brass); // E5
    for (int n : {60, 64, 67, 72, 76}) Addnote(s, 0.34, Hz(n), 0.38, 1.2, 0.025, brass, 0.006);
    Addnote(s, 0.34, Hz(48), 0.5, 1.2, 0.02, brass);   // C3 underneath
    Addnote(s, 0.34, Hz(96), 0.25, 1.0, 0.002, glock); // a sparkle on the hit
    Addnote(s, 0.46, Hz(100), 0.18, 0.9, 0.002, glock);
    Addnote(s, 0.58, Hz(103), 0.14, 0.9, 0.002, glock);
    return Wavfile(Reverb(s, 0.3), 0.8);
}

} // namespace tc::assets
