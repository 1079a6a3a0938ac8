// The title video: coloured boxes fly in to form a row and the title fades in, over a gradient;
// Motion-JPEG frames in a RIFF AVI container with its index, as common players expect.
#include "assets.h"
#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace tc::assets {

namespace {

constexpr int Width = 320;
constexpr int Height = 240;
constexpr int Fps = 25;
constexpr int Frames = 5 * Fps;

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
double Easeoutback(double t) {
    const double c = 1.4;
    const double u = t - 1;
    return 1 + (c + 1) * u * u * u + c * u * u;
}
double Easeinout(double t) {
    return t * t * (3 - 2 * t);
}

constexpr double Boxstep = 28.0;
constexpr double Boxradius = 11.0;
constexpr double Rowy = 92.0;
double Flightstart(int i) {
    return 0.15 + i * 0.16;
}
constexpr double Flighttime = 0.9;

QPointF Boxtarget(int i) {
    return {Width / 2.0 + (i - 4.5) * Boxstep, Rowy};
}

// Where box i is at time t along its curved flight, and how far along it is (0..1).
QPointF Boxposition(int i, double t, double& progress) {
    progress = Clamp01((t - Flightstart(i)) / Flighttime);
    const double angle = (-150.0 + i * 33.0) * std::numbers::pi / 180.0;
    const QPointF target = Boxtarget(i);
    const QPointF from(Width / 2.0 + 240 * std::cos(angle), Height / 2.0 + 200 * std::sin(angle));
    // A control point off to one side makes each box swoop in on a curve.
    const QPointF mid = (from + target) / 2;
    const QPointF d = target - from;
    const QPointF control = mid + QPointF(-d.y(), d.x()) * (i % 2 == 0 ? 0.35 : -0.35);
    const double s = Easeoutback(progress);
    const double u = 1 - s;
    return u * u * from + 2 * u * s * control + s * s * target;
}

QImage Frame(int n) {
    const double t = double(n) / Fps;
    QImage img(Width, Height, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0.0, QColor(10, 16, 58));
    sky.setColorAt(0.6, QColor(48, 28, 100));
    sky.setColorAt(1.0, QColor(116, 46, 112));
    p.fillRect(img.rect(), sky);
    // A soft light that drifts slowly behind the row.
    const QPointF glowc(Width / 2.0 + 40 * std::sin(t * 0.8), Rowy + 20);
    QRadialGradient glow(glowc, 170);
    glow.setColorAt(0.0, QColor(120, 150, 255, 90));
    glow.setColorAt(1.0, QColor(120, 150, 255, 0));
    p.fillRect(img.rect(), glow);
    // Twinkling stars at fixed places.
    std::uint32_t seed = 12345u;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) / double(1 << 24);
    };
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 60; ++s) {
        const double x = next() * Width;
        const double y = next() * Height * 0.85;
        const double phase = next() * 6.28;
        const double size = 0.5 + next() * 1.1;
        const double a = 0.35 + 0.65 * (0.5 + 0.5 * std::sin(t * 3.0 + phase));
        p.setBrush(QColor(255, 255, 255, static_cast<int>(a * 200)));
        p.drawEllipse(QPointF(x, y), size, size);
    }

    // Boxes: a fading trail behind each moving box, a ring where it lands.
    for (int i = 0; i < 10; ++i) {
        double prog = 0;
        const QPointF pos = Boxposition(i, t, prog);
        if (t < Flightstart(i)) continue;
        if (prog < 1.0) {
            for (int k = 3; k >= 1; --k) {
                double pk = 0;
                const QPointF trail = Boxposition(i, t - k * 0.03, pk);
                if (t - k * 0.03 < Flightstart(i)) continue;
                QColor c = Boxcolours[i];
                c.setAlpha(70 - 15 * k);
                p.setBrush(c);
                p.drawEllipse(trail, Boxradius * (0.9 - 0.1 * k), Boxradius * (0.9 - 0.1 * k));
            }
        }
        const double landed = t - (Flightstart(i) + Flighttime * 0.6);
        if (landed > 0 && landed < 0.45) {
            const double r = Boxradius + landed * 50;
            QColor c = Boxcolours[i].lighter(150);
            c.setAlpha(static_cast<int>(200 * (1 - landed / 0.45)));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(c, 1.5));
            p.drawEllipse(Boxtarget(i), r, r);
            p.setPen(Qt::NoPen);
        }
        const double scale = 0.55 + 0.45 * Easeinout(std::min(1.0, prog * 1.5));
        Paintbox(p, pos, Boxradius * scale, Boxcolours[i]);
    }

    // A glint that runs along the finished row.
    const double sweep = (t - 3.5) / 0.8;
    if (sweep > 0 && sweep < 1.3) {
        const double x = Boxtarget(0).x() - 20 + sweep * (Boxtarget(9).x() - Boxtarget(0).x() + 40);
        QRadialGradient g(QPointF(x, Rowy - 3), 26);
        g.setColorAt(0.0, QColor(255, 255, 255, 150));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, Rowy - 3), 26, 16);
    }

    // The title fades and grows into place; a line below it follows.
    const double title = Clamp01((t - 2.3) / 1.0);
    if (title > 0) {
        const double s = 0.85 + 0.15 * Easeinout(title);
        Painttitle(p, QRectF(0, 124, Width, 56), 42 * s, Easeinout(title));
    }
    const double line = Clamp01((t - 3.4) / 0.7);
    if (line > 0) {
        QFont f("DejaVu Sans");
        f.setPixelSize(13);
        f.setItalic(true);
        p.setFont(f);
        p.setOpacity(line);
        p.setPen(QColor(220, 225, 255));
        p.drawText(QRectF(0, 182, Width, 22), Qt::AlignCenter, "Crack the colour code");
        p.setOpacity(1.0);
    }
    p.end();
    return img;
}

Bytes Jpeg(const QImage& img) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, "JPG", 88)) throw std::runtime_error("JPEG encoding is not available");
    return Bytes(data.begin(), data.end());
}

} // namespace

Bytes Titlevideo() {
    std::vector<Bytes> frames;
    std::uint32_t largest = 0;
    for (int n = 0; n < Frames; ++n) {
        frames.push_back(Jpeg(Frame(n)));
        largest = std::max(largest, static_cast<std::uint32_t>(frames.back().size()));
    }
    const std::uint32_t buffersize = (largest + 1023) / 1024 * 1024;

    Writer w;
    w.Tag("RIFF");
    const std::size_t riffsize = w.Size();
    w.Le32(0);
    w.Tag("AVI ");

    w.Tag("LIST");
    const std::size_t hdrlsize = w.Size();
    w.Le32(0);
    w.Tag("hdrl");
    w.Tag("avih");
    w.Le32(56);
    w.Le32(1000000 / Fps); // microseconds per frame
    w.Le32(largest * Fps); // max bytes per second
    w.Le32(0);             // padding granularity
    w.Le32(0x10);          // has an index
    w.Le32(Frames);        // total frames
    w.Le32(0);             // initial frames
    w.Le32(1);             // streams
    w.Le32(buffersize);    // suggested buffer size
    w.Le32(Width);
    w.Le32(Height);
    for (int i = 0; i < 4; ++i) w.Le32(0);

    w.Tag("LIST");
    const std::size_t strlsize = w.Size();
    w.Le32(0);
    w.Tag("strl");
    w.Tag("strh");
    w.Le32(56);
    w.Tag("vids");
    w.Tag("MJPG");
    w.Le32(0);          // flags
    w.Le16(0);          // priority
    w.Le16(0);          // language
    w.Le32(0);          // initial frames
    w.Le32(1);          // scale
    w.Le32(Fps);        // rate: rate / scale frames per second
    w.Le32(0);          // start
    w.Le32(Frames);     // length in frames
    w.Le32(buffersize); // suggested buffer size
    w.Le32(0xFFFFFFFF); // quality: default
    w.Le32(0);          // sample size: varies
    w.Le16(0);
    w.Le16(0);
    w.Le16(Width);
    w.Le16(Height);
    w.Tag("strf");
    w.Le32(40);
    w.Le32(40);
    w.Le32(Width);
    w.Le32(Height);
    w.Le16(1);
    w.Le16(24);
    w.Tag("MJPG");
    w.Le32(Width * Height * 3);
    for (int i = 0; i < 4; ++i) w.Le32(0);
    w.Patchle32(strlsize, static_cast<std::uint32_t>(w.Size() - strlsize - 4));
    w.Patchle32(hdrlsize, static_cast<std::uint32_t>(w.Size() - hdrlsize - 4));

    w.Tag("LIST");
    const std::size_t movisize = w.Size();
    w.Le32(0);
    const std::size_t movistart = w.Size(); // index offsets count from the 'movi' tag
    w.Tag("movi");
    std::vector<std::pair<std::uint32_t, std::uint32_t>> index;
    for (const auto& f : frames) {
        index.emplace_back(static_cast<std::uint32_t>(w.Size() - movistart),
                           static_cast<std::uint32_t>(f.size()));
        w.Tag("00dc");
        w.Le32(static_cast<std::uint32_t>(f.size()));
        w.Append(f);
        if (f.size() % 2 != 0) w.U8(0); // chunks are word-aligned
    }
    w.Patchle32(movisize, static_cast<std::uint32_t>(w.Size() - movisize - 4));

    w.Tag("idx1");
    w.Le32(static_cast<std::uint32_t>(index.size() * 16));
    for (const auto& [offset, size] : index) {
        w.Tag("00dc");
        w.Le32(0x10); // key frame: every JPEG frame stands alone
        w.Le32(offset);
        w.Le32(size);
    }
    w.Patchle32(riffsize, static_cast<std::uint32_t>(w.Size() - 8));
    return w.data;
}

} // namespace tc::assets
