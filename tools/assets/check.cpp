// The checker: reads every data file back and verifies that it has the format its player expects.
#include "assets.h"
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>

namespace tc::assets {

namespace {

struct Failure {
    std::string what;
};

void Require(bool ok, const std::string& what) {
    if (!ok) throw Failure{what};
}

template <typename T> T Need(std::optional<T> v, const char* what) {
    Require(v.has_value(), std::string("truncated: ") + what);
    return *v;
}

Bytes Load(const QString& path) {
    QFile f(path);
    Require(f.open(QIODevice::ReadOnly), "missing or unreadable");
    const QByteArray a = f.readAll();
    return Bytes(a.begin(), a.end());
}

std::string Icon(const Bytes& b, const QString& path, bool cursor) {
    Reader r(b);
    Require(Need(r.Le16(), "header") == 0, "reserved field is not 0");
    Require(Need(r.Le16(), "header") == (cursor ? 2u : 1u),
            cursor ? "not a cursor" : "not an icon");
    const unsigned count = Need(r.Le16(), "header");
    Require(count >= 1, "no images");
    bool has32 = false;
    std::ostringstream out;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned w = Need(r.U8(), "entry");
        const unsigned h = Need(r.U8(), "entry");
        r.Skip(2);
        const unsigned a = Need(r.Le16(), "entry");
        const unsigned c = Need(r.Le16(), "entry");
        const unsigned size = Need(r.Le32(), "entry");
        const unsigned offset = Need(r.Le32(), "entry");
        Require(offset + std::uint64_t(size) <= b.size(), "image data past the end");
        Reader body(b, offset, offset + size);
        const unsigned head = Need(body.Le32(), "image");
        Require(head == 40 || head == 0x474E5089u, "image is neither a bitmap nor PNG");
        if (cursor) Require(a < w && c < h, "hotspot outside the image");
        has32 = has32 || (w == 32 && h == 32);
        out << (i ? ", " : "") << w << "x" << h;
        if (cursor) out << " hotspot " << a << "," << c;
    }
    Require(has32, "no 32x32 image");
    QImageReader reader(path, "ico");
    Require(reader.imageCount() == static_cast<int>(count), "Qt sees a different image count");
    for (unsigned i = 0; i < count; ++i) {
        reader.jumpToImage(static_cast<int>(i));
        const QImage img = reader.read();
        Require(!img.isNull(), "Qt cannot read image " + std::to_string(i));
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) opaque += qAlpha(img.pixel(x, y)) > 128;
        Require(opaque > img.width() * img.height() / 8,
                "image " + std::to_string(i) + " is nearly empty");
    }
    return out.str() + ", Qt reads all";
}

std::string Wave(const Bytes& b, double minseconds, double maxseconds) {
    Reader r(b);
    Require(Need(r.Tag(), "RIFF") == "RIFF", "not RIFF");
    Require(Need(r.Le32(), "RIFF size") + 8 == b.size(), "RIFF size does not match the file");
    Require(Need(r.Tag(), "WAVE") == "WAVE", "not WAVE");
    unsigned channels = 0, rate = 0, bits = 0;
    while (r.Left() >= 8) {
        const std::string id = *r.Tag();
        const unsigned size = *r.Le32();
        Require(r.Has(size), "chunk " + id + " past the end");
        if (id == "fmt ") {
            Reader f(b, r.Pos(), r.Pos() + size);
            Require(Need(f.Le16(), "fmt") == 1, "not PCM");
            channels = Need(f.Le16(), "fmt");
            rate = Need(f.Le32(), "fmt");
            f.Skip(6);
            bits = Need(f.Le16(), "fmt");
            Require(bits == 16 && (rate == 22050 || rate == 44100) &&
                        (channels == 1 || channels == 2),
                    "not 16-bit 22050/44100 Hz mono or stereo");
        } else if (id == "data") {
            Require(channels > 0, "data before fmt");
            const std::size_t samples = size / 2;
            const double seconds = double(samples) / channels / rate;
            Require(seconds >= minseconds && seconds <= maxseconds, "unexpected length");
            Reader d(b, r.Pos(), r.Pos() + size);
            double peak = 0, sum = 0;
            for (std::size_t i = 0; i < samples; ++i) {
                const double v = static_cast<std::int16_t>(*d.Le16()) / 32768.0;
                peak = std::max(peak, std::abs(v));
                sum += v * v;
            }
            const double rms = std::sqrt(sum / samples);
            Require(peak > 0.3 && rms > 0.03, "too quiet");
            Require(peak < 0.999, "clipped");
            char line[160];
            std::snprintf(line, sizeof line, "%u Hz, %u channel(s), %.2f s, peak %.2f, RMS %.3f",
                          rate, channels, seconds, peak, rms);
            return line;
        }
        r.Skip(size + (size & 1));
    }
    throw Failure{"no data chunk"};
}

std::string Midi(const Bytes& b) {
    Reader r(b);
    Require(Need(r.Tag(), "MThd") == "MThd" && Need(r.Be32(), "MThd") == 6, "no MThd header");
    const unsigned format = Need(r.Be16(), "MThd");
    const unsigned tracks = Need(r.Be16(), "MThd");
    const unsigned division = Need(r.Be16(), "MThd");
    Require(format == 1 && tracks >= 3 && division > 0 && division < 0x8000,
            "not a Type 1 file with tempo-based timing");
    std::map<std::uint64_t, unsigned> tempos; // tick -> microseconds per quarter
    std::uint64_t lasttick = 0;
    unsigned notes = 0, programs = 0;
    std::map<int, int> channels;
    for (unsigned t = 0; t < tracks; ++t) {
        Require(Need(r.Tag(), "MTrk") == "MTrk", "missing track chunk");
        const unsigned size = Need(r.Be32(), "MTrk");
        Require(r.Has(size), "track past the end");
        Reader e(b, r.Pos(), r.Pos() + size);
        r.Skip(size);
        std::uint64_t tick = 0;
        unsigned status = 0;
        bool ended = false;
        std::map<int, int> open;
        while (e.Left() > 0 && !ended) {
            std::uint32_t delta = 0;
            for (int i = 0;; ++i) {
                Require(i < 4, "bad delta time");
                const unsigned v = Need(e.U8(), "delta");
                delta = (delta << 7) | (v & 0x7F);
                if (!(v & 0x80)) break;
            }
            tick += delta;
            unsigned first = Need(e.U8(), "event");
            if (first & 0x80)
                status = first;
            else
                Require(status != 0, "running status without a status");
            if (status == 0xFF) {
                const unsigned type = Need(e.U8(), "meta");
                std::uint32_t len = 0;
                for (;;) {
                    const unsigned v = Need(e.U8(), "meta length");
                    len = (len << 7) | (v & 0x7F);
                    if (!(v & 0x80)) break;
                }
                Require(e.Has(len), "meta past the end");
                if (type == 0x51) {
                    Reader m(b, e.Pos(), e.Pos() + 3);
                    tempos[tick] = (*m.U8() << 16) | (*m.U8() << 8) | *m.U8();
                }
                if (type == 0x2F) ended = true;
                e.Skip(len);
                status = 0;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {
                e.Skip(Need(e.U8(), "sysex"));
                continue;
            }
            const unsigned kind = status & 0xF0;
            const int ch = status & 0x0F;
            const unsigned d1 = (first & 0x80) ? Need(e.U8(), "data") : first;
            const unsigned d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : Need(e.U8(), "data");
            Require(d1 < 128 && d2 < 128, "data byte out of range");
            if (kind == 0x90 && d2 > 0) {
                ++notes;
                ++channels[ch];
                ++open[ch * 128 + static_cast<int>(d1)];
            } else if (kind == 0x80 || (kind == 0x90 && d2 == 0)) {
                --open[ch * 128 + static_cast<int>(d1)];
            } else if (kind == 0xC0) {
                ++programs;
            }
        }
        Require(ended, "track without an end");
        for (const auto& [key, n] : open) Require(n == 0, "a note is never released");
        lasttick = std::max(lasttick, tick);
    }
    Require(!tempos.empty(), "no tempo events");
    Require(programs >= 3, "too few program changes");
    // Duration: walk the tempo map up to the last event.
    double seconds = 0;
    std::uint64_t at = 0;
    unsigned us = 500000;
    for (const auto& [tick, tempo] : tempos) {
        if (tick >= lasttick) break;
        seconds += double(tick - at) * us / division / 1e6;
        at = tick;
        us = tempo;
    }
    seconds += double(lasttick - at) * us / division / 1e6;
    Require(seconds >= 100 && seconds <= 125, "not about two minutes long");
    Require(notes >= 500, "too few notes");
    Require(channels.count(9) == 1 && channels.size() >= 4, "too few parts");
    char line[160];
    std::snprintf(line, sizeof line,
                  "Type 1, %u tracks, %u notes on %zu channels, %zu tempo events, %.1f s", tracks,
                  notes, channels.size(), tempos.size(), seconds);
    return line;
}

std::string Avi(const Bytes& b) {
    Reader r(b);
    Require(Need(r.Tag(), "RIFF") == "RIFF", "not RIFF");
    Require(Need(r.Le32(), "RIFF size") + 8 == b.size(), "RIFF size does not match the file");
    Require(Need(r.Tag(), "AVI") == "AVI ", "not AVI");
    unsigned frames = 0, width = 0, height = 0, usperframe = 0, rate = 0, scale = 0, length = 0;
    std::string handler, compression;
    std::size_t movi = 0, moviend = 0;
    std::vector<std::pair<std::size_t, std::size_t>> chunks; // offset from 'movi', size
    unsigned indexed = 0;
    std::function<void(std::size_t, std::size_t)> walk = [&](std::size_t from, std::size_t to) {
        Reader l(b, from, to);
        while (l.Left() >= 8) {
            const std::string id = *l.Tag();
            const unsigned size = *l.Le32();
            Require(l.Has(size), "chunk " + id + " past the end");
            const std::size_t start = l.Pos();
            Reader c(b, start, start + size);
            if (id == "LIST") {
                const std::string type = Need(c.Tag(), "LIST");
                if (type == "movi") {
                    movi = start;
                    moviend = start + size;
                    Reader m(b, start + 4, start + size);
                    while (m.Left() >= 8) {
                        const std::string cid = *m.Tag();
                        const unsigned csize = *m.Le32();
                        Require(m.Has(csize), "frame past the end");
                        if (cid == "00dc") chunks.emplace_back(m.Pos() - 8 - movi, csize);
                        m.Skip(csize + (csize & 1));
                    }
                } else {
                    walk(start + 4, start + size);
                }
            } else if (id == "avih") {
                usperframe = Need(c.Le32(), "avih");
                c.Skip(12);
                frames = Need(c.Le32(), "avih");
                c.Skip(12);
                width = Need(c.Le32(), "avih");
                height = Need(c.Le32(), "avih");
            } else if (id == "strh") {
                Require(Need(c.Tag(), "strh") == "vids", "stream is not video");
                handler = Need(c.Tag(), "strh");
                c.Skip(12);
                scale = Need(c.Le32(), "strh");
                rate = Need(c.Le32(), "strh");
                c.Skip(4);
                length = Need(c.Le32(), "strh");
            } else if (id == "strf") {
                c.Skip(16);
                compression = Need(c.Tag(), "strf");
            } else if (id == "idx1") {
                Require(size % 16 == 0, "index size");
                for (unsigned i = 0; i < size / 16; ++i) {
                    const std::string cid = *c.Tag();
                    const unsigned flags = *c.Le32();
                    const unsigned offset = *c.Le32();
                    const unsigned csize = *c.Le32();
                    Require(i < chunks.size() && cid == "00dc" && (flags & 0x10) &&
                                offset == chunks[i].first && csize == chunks[i].second,
                            "index entry " + std::to_string(i) + " does not match its frame");
                    ++indexed;
                }
            }
            l.Skip(size + (size & 1));
        }
    };
    walk(12, b.size());
    Require(width == 320 && height == 240, "not 320x240");
    Require(handler == "MJPG" && compression == "MJPG", "not Motion-JPEG");
    Require(movi > 0 && moviend <= b.size(), "no movi list");
    Require(frames == chunks.size() && length == frames && indexed == frames,
            "frame counts in the headers, the data and the index differ");
    const double seconds = double(frames) * scale / rate;
    Require(scale > 0 && std::abs(usperframe - 1e6 * scale / rate) < 2, "frame rates differ");
    Require(seconds >= 4 && seconds <= 6, "not 4 to 6 seconds long");
    for (const auto& [offset, size] : chunks) {
        const auto* p = reinterpret_cast<const uchar*>(b.data() + movi + offset + 8);
        QImage img;
        Require(img.loadFromData(p, static_cast<int>(size), "JPG") && img.width() == 320 &&
                    img.height() == 240,
                "a frame does not decode as a 320x240 JPEG");
    }
    char line[160];
    std::snprintf(line, sizeof line,
                  "%ux%u MJPEG, %u frames at %u/%u fps = %.1f s, indexed, all decode", width,
                  height, frames, rate, scale, seconds);
    return line;
}

std::string Picture(const QString& path, QSize size) {
    QImage img(path);
    Require(!img.isNull(), "Qt cannot read it");
    Require(img.size() == size, "unexpected size");
    return std::to_string(img.width()) + "x" + std::to_string(img.height());
}

} // namespace

bool Checkall(const QString& folder) {
    int failures = 0;
    auto check = [&](const char* name,
                     const std::function<std::string(const Bytes&, const QString&)>& f) {
        const QString path = folder + "/" + name;
        try {
            const std::string detail = f(Load(path), path);
            std::printf("ok   %-22s %s\n", name, detail.c_str());
        } catch (const Failure& e) {
            std::printf("FAIL %-22s %s\n", name, e.what.c_str());
            ++failures;
        }
    };
    for (const char* n :
         {"Icon/W95mbx01.ico", "Icon/W95mbx02.ico", "Icon/W95mbx03.ico", "Icon/W95mbx04.ico"})
        check(n, [](const Bytes& b, const QString& p) { return Icon(b, p, false); });
    for (const char* n : {"Icon/Wait04.cur", "Icon/H_point.cur"})
        check(n, [](const Bytes& b, const QString& p) { return Icon(b, p, true); });
    check("Music/Reminder.wav", [](const Bytes& b, const QString&) { return Wave(b, 0.3, 1.0); });
    check("Music/Tada.wav", [](const Bytes& b, const QString&) { return Wave(b, 1.0, 2.5); });
    check("Music/canyon.mid", [](const Bytes& b, const QString&) { return Midi(b); });
    check("Video/Fox.avi", [](const Bytes& b, const QString&) { return Avi(b); });
    check("Pictures/Clouds.png", [](const Bytes&, const QString& p) {
        const std::string s = Picture(p, QSize(1600, 160));
        // The panorama scrolls in a loop: its two edges must meet without a visible seam.
        const QImage img(p);
        int worst = 0;
        for (int y = 0; y < img.height(); ++y) {
            const QRgb a = img.pixel(0, y);
            const QRgb c = img.pixel(img.width() - 1, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(c)), std::abs(qGreen(a) - qGreen(c)),
                              std::abs(qBlue(a) - qBlue(c))});
        }
        Require(worst <= 24, "the left and right edges do not meet");
        return s + ", edge difference " + std::to_string(worst);
    });
    check("Pictures/Bird.png",
          [](const Bytes&, const QString& p) { return Picture(p, QSize(160, 30)); });
    check("Pictures/Birdmask.png", [&](const Bytes&, const QString& p) {
        const std::string s = Picture(p, QSize(160, 30));
        const QImage mask(p);
        const QImage sprite(folder + "/Pictures/Bird.png");
        Require(sprite.size() == mask.size(), "sprite and mask differ in size");
        int bird[4] = {0, 0, 0, 0};
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb m = mask.pixel(x, y) & 0xFFFFFF;
                Require(m == 0 || m == 0xFFFFFF, "mask is not black and white");
                if (m == 0xFFFFFF)
                    Require((sprite.pixel(x, y) & 0xFFFFFF) == 0,
                            "sprite not black where transparent");
                else
                    ++bird[x / 40];
            }
        for (int f = 0; f < 4; ++f)
            Require(bird[f] > 150, "frame " + std::to_string(f) + " is nearly empty");
        return s + ", matches the sprite; bird pixels per frame " + std::to_string(bird[0]) + "/" +
               std::to_string(bird[1]) + "/" + std::to_string(bird[2]) + "/" +
               std::to_string(bird[3]);
    });
    check("Pictures/Logo.png",
          [](const Bytes&, const QString& p) { return Picture(p, QSize(300, 80)); });
    std::printf("%d passed, %d failed\n", 14 - failures, failures);
    return failures == 0;
}

} // namespace tc::assets
