// The background music: an original piece of about two minutes as a Type 1 Standard MIDI File
// for General MIDI (melody, strings, harp, bass and light drums), written out event by event.
#include "assets.h"
#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

namespace tc::assets {

namespace {

constexpr int Ppq = 480;
constexpr int Eighth = Ppq / 2;
constexpr int Bar = 8 * Eighth;
constexpr int Transpose = 2; // written in C, sounding in D major

// The piece, written in C major. A melody token is NOTE/EIGHTHS or R/EIGHTHS; a bar of the
// harmony holds one chord, or two that share it half and half.
struct Section {
    const char* name;
    std::vector<const char*> chords;
    const char* melody;
    int melodyprogram; // -1: no melody
    bool doubled;      // vibraphone doubles the melody
    int drums;         // 0 none, 1 hi-hat groove, 2 ride groove, 3 ending
    int bass;          // 0 held notes, 1 dotted groove, 2 steady eighths-and-quarters
    int level;         // overall loudness 0..127 for the accompaniment
};

const std::vector<Section>& Piece() {
    static const std::vector<Section> piece = {
        {"Intro", {"C", "Fmaj7", "C", "Gsus G"}, "R/32", -1, false, 0, 0, 56},
        {"A",
         {"C", "Em", "F", "G", "C", "Em", "Dm", "G"},
         "G4/2 C5/2 E5/3 D5/1  E5/2 G5/2 B4/4  A4/2 C5/2 F5/3 E5/1  D5/4 B4/2 G4/2 "
         "G4/2 C5/2 E5/3 G5/1  G5/2 B5/2 G5/2 E5/2  F5/3 E5/1 D5/2 A4/2  B4/2 C5/1 D5/1 G4/4",
         73,
         false,
         1,
         1,
         62},
        {"A2",
         {"C", "Em", "F", "G", "C", "Em", "F G", "C"},
         "G4/2 C5/2 E5/3 D5/1  E5/2 G5/2 B4/3 C5/1  A4/2 C5/2 F5/2 A5/2  G5/3 F5/1 D5/4 "
         "E5/2 G5/2 C6/3 B5/1  B5/2 G5/2 E5/4  A5/2 F5/2 D5/2 B4/2  C5/6 R/2",
         73,
         false,
         1,
         1,
         66},
        {"B",
         {"Am", "F", "C", "G", "Am", "F", "Dm", "Gsus G"},
         "A4/1 B4/1 C5/2 E5/4  F5/2 E5/2 C5/2 A4/2  G4/2 C5/2 E5/2 G5/2  F5/3 E5/1 D5/4 "
         "C5/1 D5/1 E5/2 A5/4  A5/2 G5/2 F5/2 C5/2  D5/2 F5/2 A5/2 F5/2  G5/2 C5/2 D5/2 B4/2",
         68,
         false,
         2,
         2,
         70},
        {"B2",
         {"Am", "F", "C", "G", "Am", "F", "Dm", "G7"},
         "E5/1 A5/1 C6/2 B5/2 A5/2  A5/2 G5/1 F5/1 C5/4  E5/1 F5/1 G5/2 C6/2 G5/2 "
         "A5/3 G5/1 F5/2 D5/2  E5/1 A5/1 C6/2 E6/2 C6/2  C6/3 A5/1 F5/2 A5/2 "
         "D6/2 C6/2 A5/2 F5/2  G5/2 F5/2 D5/2 B4/2",
         68,
         false,
         2,
         2,
         76},
        {"A3",
         {"C", "Em", "F", "G", "C", "Em", "F G", "C"},
         "G4/2 C5/2 E5/3 D5/1  E5/2 G5/2 B4/3 C5/1  A4/2 C5/2 F5/2 A5/2  G5/3 F5/1 D5/4 "
         "E5/2 G5/2 C6/3 B5/1  B5/2 G5/2 E5/4  A5/2 F5/2 D5/2 B4/2  C5/6 R/2",
         73,
         true,
         1,
         1,
         74},
        {"Ending",
         {"F", "G", "C", "C"},
         "A5/4 G5/2 F5/2  E5/2 D5/2 B4/2 D5/2  C5/16",
         73,
         true,
         3,
         0,
         64},
    };
    return piece;
}

int Pitchclass(char letter) {
    static const std::map<char, int> pcs = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                            {'G', 7}, {'A', 9}, {'B', 11}};
    return pcs.at(letter);
}

struct Note {
    int pitch; // -1: rest
    int eighths;
};

std::vector<Note> Parsemelody(const char* text) {
    std::vector<Note> notes;
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        const auto slash = token.find('/');
        const std::string name = token.substr(0, slash);
        const int len = std::stoi(token.substr(slash + 1));
        if (name == "R") {
            notes.push_back({-1, len});
            continue;
        }
        int pc = Pitchclass(name[0]);
        std::size_t i = 1;
        if (name[i] == '#') ++pc, ++i;
        if (name[i] == 'b') --pc, ++i;
        const int octave = std::stoi(name.substr(i));
        notes.push_back({12 * (octave + 1) + pc + Transpose, len});
    }
    return notes;
}

struct Chord {
    std::vector<int> pcs; // pitch classes above the root, root first
    int root;
};

Chord Parsechord(const std::string& s) {
    Chord c;
    c.root = (Pitchclass(s[0]) + Transpose) % 12;
    const std::string q = s.substr(1);
    int third = 4;
    if (q.rfind("m", 0) == 0 && q.rfind("maj", 0) != 0) third = 3;
    if (q.find("sus") != std::string::npos) third = 5;
    c.pcs = {0, third, 7};
    if (q.find("maj7") != std::string::npos)
        c.pcs.push_back(11);
    else if (q.find('7') != std::string::npos)
        c.pcs.push_back(10);
    for (auto& p : c.pcs) p = (p + c.root) % 12;
    return c;
}

// Close voicing between G3 and F#4, lowest first.
std::vector<int> Voicing(const Chord& c, int low = 55) {
    std::vector<int> v;
    for (int pc : c.pcs) v.push_back(low + ((pc - low) % 12 + 12) % 12);
    std::sort(v.begin(), v.end());
    return v;
}

struct Event {
    int tick;
    int order; // note-offs before controllers before note-ons at the same tick
    std::vector<std::uint8_t> bytes;
};

class Track {
public:
    std::vector<Event> events;
    void Meta(int tick, int type, const std::vector<std::uint8_t>& data) {
        std::vector<std::uint8_t> b = {0xFF, static_cast<std::uint8_t>(type)};
        Varlen(b, static_cast<std::uint32_t>(data.size()));
        b.insert(b.end(), data.begin(), data.end());
        events.push_back({tick, 1, b});
    }
    void Name(const std::string& n) { Meta(0, 0x03, {n.begin(), n.end()}); }
    void Program(int tick, int ch, int program) {
        events.push_back(
            {tick, 1, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(program)}});
    }
    void Control(int tick, int ch, int cc, int value) {
        events.push_back({tick,
                          1,
                          {static_cast<std::uint8_t>(0xB0 | ch), static_cast<std::uint8_t>(cc),
                           static_cast<std::uint8_t>(std::clamp(value, 0, 127))}});
    }
    void Note(int tick, int length, int ch, int pitch, int velocity) {
        const auto c = static_cast<std::uint8_t>(ch);
        const auto p = static_cast<std::uint8_t>(pitch);
        events.push_back({tick,
                          2,
                          {static_cast<std::uint8_t>(0x90 | c), p,
                           static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))}});
        events.push_back({tick + length, 0, {static_cast<std::uint8_t>(0x80 | c), p, 64}});
    }
    static void Varlen(std::vector<std::uint8_t>& b, std::uint32_t v) {
        std::uint8_t groups[5];
        int n = 0;
        do {
            groups[n++] = v & 0x7F;
            v >>= 7;
        } while (v != 0);
        while (n-- > 0) b.push_back(static_cast<std::uint8_t>(groups[n] | (n > 0 ? 0x80 : 0)));
    }
    Bytes Chunk(int endtick) {
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<std::uint8_t> body;
        int last = 0;
        for (const auto& e : events) {
            Varlen(body, static_cast<std::uint32_t>(e.tick - last));
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
            last = e.tick;
        }
        Varlen(body, static_cast<std::uint32_t>(std::max(0, endtick - last)));
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        Writer w;
        w.Tag("MTrk");
        w.Be32(static_cast<std::uint32_t>(body.size()));
        w.Append(reinterpret_cast<const char*>(body.data()), body.size());
        return w.data;
    }
};

// Small deterministic variations in loudness, so repeated notes do not sound mechanical.
class Humanise {
public:
    int operator()(int spread) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 16) % (2 * spread + 1)) - spread;
    }

private:
    std::uint32_t state_ = 20240611u;
};

} // namespace

Bytes Canyonmidi() {
    enum { Melody = 0, Strings = 1, Harp = 2, Bass = 3, Vibes = 4, Drums = 9 };
    Track conductor, melody, strings, harp, bass, vibes, drums;
    Humanise jitter;

    conductor.Name("Tintcipher theme");
    conductor.Meta(0, 0x58, {4, 2, 24, 8}); // 4/4
    conductor.Meta(0, 0x59, {2, 0});        // D major
    auto tempo = [&](int tick, int bpm) {
        const std::uint32_t us = 60000000u / static_cast<std::uint32_t>(bpm);
        conductor.Meta(tick, 0x51,
                       {static_cast<std::uint8_t>(us >> 16), static_cast<std::uint8_t>(us >> 8),
                        static_cast<std::uint8_t>(us)});
    };
    tempo(0, 100);

    struct Setup {
        Track* track;
        const char* name;
        int ch, program, volume, pan;
    };
    const Setup setups[] = {
        {&melody, "Melody", Melody, 73, 104, 64},  {&strings, "Strings", Strings, 48, 84, 42},
        {&harp, "Harp", Harp, 46, 92, 88},         {&bass, "Bass", Bass, 33, 100, 60},
        {&vibes, "Vibraphone", Vibes, 11, 70, 78}, {&drums, "Drums", Drums, 0, 78, 64}};
    for (const auto& s : setups) {
        s.track->Name(s.name);
        s.track->Program(0, s.ch, s.program);
        s.track->Control(0, s.ch, 7, s.volume);
        s.track->Control(0, s.ch, 10, s.pan);
        s.track->Control(0, s.ch, 91, 56); // reverb
        s.track->Control(0, s.ch, 93, 20); // chorus
    }

    int barstart = 0;
    int barnumber = 0;
    const auto& piece = Piece();
    for (std::size_t si = 0; si < piece.size(); ++si) {
        const Section& sec = piece[si];
        const int sectionstart = barstart;
        const int bars = static_cast<int>(sec.chords.size());
        const bool last = si + 1 == piece.size();

        // Melody.
        if (sec.melodyprogram >= 0) {
            melody.Program(sectionstart, Melody, sec.melodyprogram);
            int t = sectionstart;
            for (const auto& n : Parsemelody(sec.melody)) {
                const int len = n.eighths * Eighth;
                if (n.pitch >= 0) {
                    const bool onbeat = (t - sectionstart) % Ppq == 0;
                    const int vel =
                        sec.level + 18 + (onbeat ? 6 : 0) + std::min(8, n.eighths) + jitter(4);
                    const int held =
                        n.eighths >= 8 ? len : len * 94 / 100; // legato, long notes full
                    melody.Note(t, held, Melody, n.pitch, vel);
                    if (sec.doubled) vibes.Note(t, len, Vibes, n.pitch, vel - 22);
                }
                t += len;
            }
            if (t - sectionstart != bars * Bar)
                throw std::logic_error(std::string("melody length differs from the harmony in ") +
                                       sec.name);
        }

        for (int b = 0; b < bars; ++b, ++barnumber) {
            const int bar = barstart + b * Bar;
            std::istringstream in(sec.chords[static_cast<std::size_t>(b)]);
            std::vector<std::string> names;
            for (std::string n; in >> n;) names.push_back(n);
            const int span = Bar / static_cast<int>(names.size());
            const bool finalbars = last && b >= bars - 2;
            for (std::size_t k = 0; k < names.size(); ++k) {
                const Chord chord = Parsechord(names[k]);
                const int at = bar + static_cast<int>(k) * span;
                const std::vector<int> voice = Voicing(chord);

                // Strings: the chord held, with a higher doubling in the fuller sections.
                if (!(finalbars && b == bars - 1)) {
                    const int hold = finalbars ? 2 * Bar : span;
                    for (int p : voice)
                        strings.Note(at, hold - 10, Strings, p, sec.level - 6 + jitter(3));
                    if (sec.level >= 70 || finalbars)
                        strings.Note(at, hold - 10, Strings, voice.front() + 12, sec.level - 12);
                }

                // Harp: rising and falling broken chord in eighths; one rolled chord to close.
                std::vector<int> tones = voice;
                for (int p : voice) tones.push_back(p + 12);
                if (finalbars && b == bars - 1) {
                    for (std::size_t i = 0; i < tones.size(); ++i)
                        harp.Note(bar + static_cast<int>(i) * 40, Bar - static_cast<int>(i) * 40,
                                  Harp, tones[i], 70 - int(i) * 3);
                } else {
                    static const int up[8] = {0, 1, 2, 3, 4, 3, 2, 1};
                    const int steps = span / Eighth;
                    for (int i = 0; i < steps; ++i) {
                        const int idx = std::min<int>(up[i], static_cast<int>(tones.size()) - 1);
                        const int vel = sec.level - 4 + (i % 2 == 0 ? 6 : 0) + jitter(4);
                        harp.Note(at + i * Eighth, 2 * Eighth, Harp,
                                  tones[static_cast<std::size_t>(idx)], vel);
                    }
                }

                // Bass: the root low, with the fifth and octave in the grooves.
                const int root = 33 + ((chord.root - 33) % 12 + 12) % 12;
                const int fifth = root + 7;
                const int vel = sec.level + 16;
                if (sec.bass == 0 || finalbars) {
                    if (!(finalbars && b == bars - 1))
                        bass.Note(at, finalbars ? 2 * Bar : span - 20, Bass, root, vel);
                } else if (span == Bar && sec.bass == 1) {
                    bass.Note(at, 3 * Eighth - 20, Bass, root, vel + 4);
                    bass.Note(at + 3 * Eighth, Eighth - 20, Bass, root, vel - 8);
                    bass.Note(at + 4 * Eighth, 2 * Eighth - 20, Bass, fifth, vel - 2);
                    bass.Note(at + 6 * Eighth, 2 * Eighth - 20, Bass, root + 12, vel - 6);
                } else if (span == Bar) {
                    for (int i = 0; i < 4; ++i)
                        bass.Note(at + i * 2 * Eighth, 2 * Eighth - 30, Bass,
                                  i == 2 ? fifth : (i == 3 ? root + 12 : root), vel - (i % 2) * 6);
                } else {
                    bass.Note(at, 3 * Eighth - 20, Bass, root, vel);
                    bass.Note(at + 3 * Eighth, Eighth - 20, Bass, root, vel - 8);
                }
            }

            // Drums.
            const bool sectionend = b == bars - 1;
            const bool nextstarts = si + 1 < piece.size() && piece[si + 1].drums > 0;
            if (b == 0 && (sec.drums == 1 || sec.drums == 2))
                drums.Note(bar, Eighth, Drums, 49, sec.level + 10);
            if (sec.drums == 1 || sec.drums == 2) {
                for (int i = 0; i < 8; ++i) {
                    const int t = bar + i * Eighth;
                    if (sectionend && nextstarts && i >= 6) continue; // room for the fill
                    if (sec.drums == 1)
                        drums.Note(t, Eighth, Drums, 42, (i % 2 == 0 ? 62 : 44) + jitter(5));
                    else
                        drums.Note(t, Eighth, Drums, 51, (i % 2 == 0 ? 66 : 48) + jitter(5));
                }
                drums.Note(bar, Eighth, Drums, 36, 84 + jitter(3));
                drums.Note(bar + 4 * Eighth, Eighth, Drums, 36, 76 + jitter(3));
                if (b % 2 == 1) drums.Note(bar + 5 * Eighth, Eighth, Drums, 36, 60);
                const int back = sec.drums == 1 ? 37 : 38;
                drums.Note(bar + 2 * Eighth, Eighth, Drums, back,
                           (sec.drums == 1 ? 70 : 62) + jitter(4));
                drums.Note(bar + 6 * Eighth, Eighth, Drums, back,
                           (sec.drums == 1 ? 70 : 62) + jitter(4));
                if (sectionend && nextstarts) {
                    // A short tom fill into the next section.
                    const int toms[4] = {50, 48, 47, 45};
                    for (int i = 0; i < 4; ++i)
                        drums.Note(bar + 6 * Eighth + i * Eighth / 2, Eighth / 2, Drums, toms[i],
                                   64 + 4 * i);
                }
            } else if (sec.drums == 3) {
                if (b < 2)
                    for (int i = 0; i < 4; ++i)
                        drums.Note(bar + i * Ppq, Eighth, Drums, 51, 56 - 4 * b);
                if (b == 2) {
                    drums.Note(bar, Bar, Drums, 49, 80);
                    drums.Note(bar, Eighth, Drums, 36, 80);
                }
            } else if (si == 0 && b >= 2) {
                // A soft shaker brings the groove in.
                for (int i = 0; i < 8; ++i)
                    drums.Note(bar + i * Eighth, Eighth, Drums, 70,
                               30 + 6 * b + (i % 2 == 0 ? 8 : 0));
            }
        }
        barstart += bars * Bar;
    }

    // The last phrase slows down into the final chord.
    const int endingstart = barstart - 4 * Bar;
    tempo(endingstart + Bar, 94);
    tempo(endingstart + 2 * Bar, 86);
    tempo(endingstart + 3 * Bar, 76);
    const int endtick = barstart + Bar / 2;

    Writer w;
    w.Tag("MThd");
    w.Be32(6);
    w.Be16(1);
    w.Be16(7);
    w.Be16(Ppq);
    for (Track* t : {&conductor, &melody, &strings, &harp, &bass, &vibes, &drums})
        w.Append(t->Chunk(endtick));
    return w.data;
}

} // namespace tc::assets
