// The platform's media devices with files, soundfonts or devices missing: silent, no error, and
// the commands return at once. And the animation's raster copies done with QPainter agree with
// the game's own pixel model.
#include "ui/animationlayers.h"
#include "ui/platformmedia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace tc::ui {
namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A one-track MIDI file of one note.
QByteArray Onenote() {
    const char header[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
    const char track[] = {'M', 'T', 'r', 'k',    0,  0, 0, 12,     0,    '\x90',
                          60,  100, 96,  '\x80', 60, 0, 0, '\xff', 0x2f, 0};
    return QByteArray(header, sizeof header) + QByteArray(track, sizeof track);
}

// A short silent wave file, 8-bit mono.
QByteArray Silentwave() {
    QByteArray data(800, '\x80');
    QByteArray w("RIFF");
    auto le32 = [&w](quint32 v) {
        for (int i = 0; i < 4; ++i) w.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto le16 = [&w](quint16 v) {
        w.append(static_cast<char>(v & 0xFF));
        w.append(static_cast<char>(v >> 8));
    };
    le32(36 + data.size());
    w.append("WAVEfmt ");
    le32(16);
    le16(1);
    le16(1);
    le32(8000);
    le32(8000);
    le16(1);
    le16(8);
    w.append("data");
    le32(data.size());
    return w + data;
}

TEST(Mediadevices, MissingFilesAndSoundfontLeaveEveryDeviceSilent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Mediadevices media(dir.path(), {dir.filePath("Music/none.sf2")});
    QWidget area;
    media.Setvideoarea(&area);
    const std::pair<const char*, const char*> devices[] = {{"Mmctitle", "Music/canyon.mid"},
                                                           {"Mmcmenu", "Music/Reminder.wav"},
                                                           {"Mmcavi", "Video/Fox.avi"}};
    for (const auto& [device, file] : devices) {
        for (const char* c : {"Open", "Play", "Stop", "Play", "Close", "Close"}) {
            media.Command(device, c, c == std::string("Open") ? file : "");
            EXPECT_FALSE(media.Isopen(device)) << device << " " << c;
        }
    }
    // A device the program does not have is ignored.
    media.Command("Mmcnone", "Open", "Music/Tada.wav");
    EXPECT_FALSE(media.Isopen("Mmcnone"));

    // The piece is there but no soundfont is: still silent, and not tried again.
    ASSERT_TRUE(QDir(dir.path()).mkpath("Music"));
    Write(dir.filePath("Music/canyon.mid"), Onenote());
    for (int i = 0; i < 2; ++i) {
        media.Command("Mmctitle", "Open", "Music/canyon.mid");
        media.Command("Mmctitle", "Play");
        EXPECT_FALSE(media.Isopen("Mmctitle"));
    }

    // A wave file that is there opens, sound device or not, and closes.
    Write(dir.filePath("Music/Reminder.wav"), Silentwave());
    media.Command("Mmcmenu", "Open", "Music/Reminder.wav");
    EXPECT_TRUE(media.Isopen("Mmcmenu"));
    media.Command("Mmcmenu", "Play");
    media.Command("Mmcmenu", "Close");
    EXPECT_FALSE(media.Isopen("Mmcmenu"));
    // Opening a missing file after a good one leaves the device closed, not playing the old.
    media.Command("Mmcmenu", "Open", "Music/Reminder.wav");
    media.Command("Mmcmenu", "Open", "Music/Tada.wav");
    EXPECT_FALSE(media.Isopen("Mmcmenu"));
}

TEST(Mediadevices, AMissingBackendOrPluginLeavesTheVideoOutNeverTheProgramDown) {
    const QStringList both = {"libffmpegmediaplugin.so", "libgstreamermediaplugin.so"};
    std::set<std::string> missing;
    const auto element = [&missing](const char* e) { return !missing.count(e); };
    const auto support = [&](const QString& named, const QStringList& plugins) {
        const Multimediasupport m = Multimediafor(named, plugins, element);
        return std::pair(m.Sound, m.Video);
    };
    EXPECT_EQ(support("", both), std::pair(true, true));
    EXPECT_EQ(support("", {}), std::pair(false, false));
    EXPECT_EQ(support("nothing", both), std::pair(false, false));
    for (const char* e : {"playbin", "avidemux", "jpegdec"}) {
        missing = {e};
        EXPECT_EQ(support("", both), std::pair(true, false)) << e;
        EXPECT_EQ(support("gstreamer", both), std::pair(true, false)) << e;
        EXPECT_EQ(support("ffmpeg", both), std::pair(true, true)) << e; // needs no GStreamer
    }
}

TEST(Mediadevices, HeldDevicesMakeNothingUntilReleasedThenDoWhatWasAsked) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkpath("Video"));
    Write(dir.filePath("Video/Fox.avi"), "frames");
    QWidget area, other;
    Mediadevices media(dir.path(), {}), closed(dir.path(), {});
    for (auto [m, a] : {std::pair(&media, &area), std::pair(&closed, &other)}) {
        m->Hold();
        m->Setvideoarea(a);
        m->Command("Mmcavi", "Open", "Video/Fox.avi");
        m->Command("Mmcavi", "Play");
        EXPECT_FALSE(m->Isopen("Mmcavi"));
    }
    closed.Command("Mmcavi", "Close");
    EXPECT_EQ(area.findChild<QWidget*>("Videoscreen"), nullptr) << "a player made while held";
    media.Release();
    closed.Release();
    EXPECT_TRUE(media.Isopen("Mmcavi"));
    EXPECT_NE(area.findChild<QWidget*>("Videoscreen"), nullptr);
    EXPECT_FALSE(closed.Isopen("Mmcavi"));
    EXPECT_EQ(other.findChild<QWidget*>("Videoscreen"), nullptr);
}

TEST(Animationcopies, QPainterRasterOperationsAgreeWithThePixelModel) {
    // Board, reserve and sheet with every kind of pixel value the copies meet.
    const Framesize f{8, 6};
    Pixelimage board(30, 20), reserve(f.Width, f.Height), sheet(4 * f.Width, 2 * f.Height);
    uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8 & 0xFFFFFF; };
    for (uint32_t& p : board.Pixels) p = next();
    for (int y = 0; y < f.Height; ++y)
        for (int x = 0; x < 4 * f.Width; ++x) {
            const bool body = (x + y) % 3 != 0;
            sheet.Set(x, y, body ? next() : 0);
            sheet.Set(x, f.Height + y, body ? 0 : 0xFFFFFF);
        }
    auto toqt = [](const Pixelimage& p) {
        QImage q(p.Width, p.Height, QImage::Format_RGB32);
        for (int y = 0; y < p.Height; ++y)
            for (int x = 0; x < p.Width; ++x) q.setPixel(x, y, 0xFF000000u | p.At(x, y));
        return q;
    };
    QImage qboard = toqt(board), qreserve = toqt(reserve), qsheet = toqt(sheet);
    const Surfaces qt = [&](Surface s) {
        return s == Surface::Board ? &qboard : s == Surface::Reserve ? &qreserve : &qsheet;
    };
    // Partly off the left edge, inside, and partly off the bottom right.
    for (const Birdpose& p :
         {Birdpose{-3, 2, 1, true}, Birdpose{10, 5, 2, true}, Birdpose{26, 17, 3, true}}) {
        std::vector<Blit> blits = Birddraw(p, f);
        const std::vector<Blit> erase = Birderase(p, f);
        blits.insert(blits.end(), erase.begin(), erase.end());
        const std::vector<Blit> again = Birddraw(p, f);
        blits.insert(blits.end(), again.begin(), again.end());
        for (const Blit& b : blits) {
            Pixelimage& to = b.To == Surface::Board ? board : reserve;
            const Pixelimage& from = b.From == Surface::Board     ? board
                                     : b.From == Surface::Reserve ? reserve
                                                                  : sheet;
            Applyblit(b, from, to);
        }
        Applyblits(blits, qt);
        int differing = 0;
        for (int y = 0; y < board.Height; ++y)
            for (int x = 0; x < board.Width; ++x)
                differing += (qboard.pixel(x, y) & 0xFFFFFF) != board.At(x, y);
        EXPECT_EQ(differing, 0) << "bird at " << p.X << "," << p.Y;
    }
}

} // namespace
} // namespace tc::ui
