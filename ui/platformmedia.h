#pragma once
// The game's media devices played through the platform: "Mmctitle" renders the MIDI piece with
// FluidSynth and a General MIDI soundfont, "Mmcmenu" plays wave sounds and "Mmcavi" the title
// video with Qt Multimedia. A missing file, soundfont or audio device leaves a device silent:
// no message, no wait, and the game goes on.
#include "system/media.h"
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QMediaPlayer;
class QThread;
class QAudioOutput;
class QSoundEffect;
class QVideoWidget;
class QWidget;

namespace tc::ui {

// Where a General MIDI soundfont may be: the program's own "Music" folder, then the system's.
QStringList Soundfontplaces(const QString& folder);

// What Qt Multimedia can do here without bringing the program down. Qt 6.4 ends the program when
// it has no backend (none installed, or QT_MEDIA_BACKEND names one that is not), and its
// GStreamer backend crashes making a player when GStreamer lacks its playback plugin; the title
// video also needs the AVI demuxer and the Motion-JPEG decoder.
struct Multimediasupport {
    bool Sound = false; // wave sounds
    bool Video = false; // the title video
};
// `named`: QT_MEDIA_BACKEND; `plugins`: the file names of Qt's multimedia plugins; `element`:
// whether GStreamer has an element of that name (asked only of the GStreamer backend).
Multimediasupport Multimediafor(const QString& named, const QStringList& plugins,
                                const std::function<bool(const char*)>& element);
// The answer for this computer, found once.
const Multimediasupport& Multimediahere();

class Mediadevices : public QObject, public Media {
public:
    // `soundfonts`: the files tried in order for the music; the first that loads is used.
    Mediadevices(const QString& folder, QStringList soundfonts, QObject* parent = nullptr);
    ~Mediadevices() override;

    void Command(const std::string& device, const std::string& command,
                 const std::string& file = "") override;
    // The title window's video area: the video plays inside it, in a player made at the first
    // video that is there. What the game asked of the video before is done now.
    void Setvideoarea(QWidget* area);
    // Until `Release`, neither the synthesizer nor the video player is made: what the game asks
    // of them is remembered and done then, so that a window shows without waiting for them.
    void Hold();
    void Release();
    // Whether the device holds a file it can play.
    bool Isopen(const std::string& device) const;

private:
    struct Synth;
    // A device's last Open and whether Play followed it, kept while the device cannot take them.
    struct Pending {
        QString File; // empty: nothing to open
        bool Play = false;
        void Take(const std::string& command, const QString& path);
    };
    // Opens and plays what `pending` kept on `device`, and forgets it.
    void Replay(Pending& pending, void (Mediadevices::*device)(const std::string&, const QString&));
    void Startsynth();
    void Music(const std::string& command, const QString& path);
    void Wave(const std::string& command, const QString& path);
    void Video(const std::string& command, const QString& path);
    void Makeplayer();
    // The synthesizer has started, or failed to: the piece asked for meanwhile opens and plays.
    void Synthready(bool started);

    QString folder_;
    QStringList soundfonts_;
    std::unique_ptr<Synth> synth_;
    // Loading the soundfont and finding an audio device take a while: they run on a thread of
    // their own, and what the game asks for meanwhile waits here.
    QThread* starting_ = nullptr;
    bool synthready_ = false;
    bool held_ = false;
    Pending pendingmusic_;
    QSoundEffect* wave_ = nullptr;
    bool waveopen_ = false;
    QMediaPlayer* video_ = nullptr;
    QAudioOutput* videoaudio_ = nullptr;
    QVideoWidget* screen_ = nullptr;
    bool videoopen_ = false;
    QWidget* area_ = nullptr;
    Pending pendingvideo_;
};

} // namespace tc::ui
