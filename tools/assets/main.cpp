// tintcipher-assets: writes the installation's data files (pictures, message icons, mouse
// pointers, sounds, music and the title video) below a program folder, or checks them.
#include "assets.h"
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <functional>

namespace tc::assets {

namespace {

bool Writefile(const QString& folder, const QString& name, const Bytes& data, std::string& error) {
    const QString path = folder + "/" + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written aside and renamed, so an interrupted build never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data.data()), static_cast<qint64>(data.size())) !=
            static_cast<qint64>(data.size()) ||
        !file.commit()) {
        error = "cannot write " + path.toStdString();
        return false;
    }
    return true;
}

Bytes Png(const QImage& img) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return Bytes(data.begin(), data.end());
}

} // namespace

bool Generateall(const QString& folder, std::string& error) {
    const QImage bird = Birdsheet(40, 30);
    const std::vector<std::pair<QString, std::function<Bytes()>>> files = {
        {"Icon/W95mbx01.ico", [] { return Messageicon('X'); }},
        {"Icon/W95mbx02.ico", [] { return Messageicon('?'); }},
        {"Icon/W95mbx03.ico", [] { return Messageicon('!'); }},
        {"Icon/W95mbx04.ico", [] { return Messageicon('i'); }},
        {"Icon/Wait04.cur", [] { return Waitcursor(); }},
        {"Icon/H_point.cur", [] { return Handcursor(); }},
        {"Music/Reminder.wav", [] { return Reminderwav(); }},
        {"Music/Tada.wav", [] { return Tadawav(); }},
        {"Music/canyon.mid", [] { return Canyonmidi(); }},
        {"Video/Fox.avi", [] { return Titlevideo(); }},
        {"Pictures/Clouds.png", [] { return Png(Clouds(1600, 160)); }},
        {"Pictures/Bird.png", [&] { return Png(bird); }},
        {"Pictures/Birdmask.png", [&] { return Png(Birdmask(bird)); }},
        {"Pictures/Logo.png", [] { return Png(Logo(300, 80)); }},
    };
    for (const auto& [name, make] : files) {
        try {
            if (!Writefile(folder, name, make(), error)) return false;
        } catch (const std::exception& e) {
            error = name.toStdString() + ": " + e.what();
            return false;
        }
    }
    return true;
}

bool Writeicons(const QString& hicolor) {
    std::string error;
    for (const int size : Appiconsizes)
        if (!Writefile(hicolor, QString("%1x%1/apps/tintcipher.png").arg(size), Png(Appicon(size)),
                       error)) {
            std::fprintf(stderr, "tintcipher-assets: %s\n", error.c_str());
            return false;
        }
    return true;
}

// Qt's note about a missing runtime folder is noise in a build log; everything else is shown.
void Quietmessages(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (!text.startsWith("QStandardPaths:")) std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace tc::assets

int main(int argc, char** argv) {
    // Nothing is shown: the offscreen platform gives fonts and painting without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(tc::assets::Quietmessages);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--check") return tc::assets::Checkall(args[2]) ? 0 : 1;
    if (args.size() == 3 && args[1] == "--icons") return tc::assets::Writeicons(args[2]) ? 0 : 1;
    if (args.size() != 2 || args[1].startsWith("-")) {
        std::fprintf(stderr, "Usage: tintcipher-assets PROGRAM-FOLDER\n"
                             "       tintcipher-assets --check PROGRAM-FOLDER\n"
                             "       tintcipher-assets --icons HICOLOR-FOLDER\n"
                             "Writes (or checks) the pictures, icons, pointers, sounds, music and\n"
                             "title video below the program folder; or the desktop icons in\n"
                             "several sizes below a hicolor theme folder.\n");
        return 2;
    }
    std::string error;
    if (!tc::assets::Generateall(args[1], error)) {
        std::fprintf(stderr, "tintcipher-assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
