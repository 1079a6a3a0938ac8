#include "ui/media.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <fluidsynth.h>
#include <memory>
#include <utility>

namespace tc::ui {

QStringList Soundfontplaces(const QString& folder) {
    return {QDir(folder).filePath("Music/Tintcipher.sf2"), "/usr/share/sounds/sf2/TimGM6mb.sf2",
            "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
            "/usr/share/soundfonts/default.sf2"};
}

// FluidSynth's synthesizer with its audio driver, made at the first piece of music; a failed
// start is not tried again, so the game stays silent without retrying on every restart.
struct Mediadevices::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    bool Start(const QStringList& soundfonts) {
        settings = new_fluid_settings();
        if (!settings) return false;
        synth = new_fluid_synth(settings);
        if (!synth) return false;
        bool loaded = false;
        for (const QString& sf : soundfonts) {
            if (!QFileInfo(sf).isFile()) continue;
            if (fluid_synth_sfload(synth, QFile::encodeName(sf).constData(), 1) != FLUID_FAILED) {
                loaded = true;
                break;
            }
        }
        if (!loaded) return false;
        // The sound servers first, then the bare devices; JACK is left out, as it may start a
        // server of its own.
        for (const char* name : {"pipewire", "pulseaudio", "alsa", "sdl2", "oss", "coreaudio",
                                 "dsound", "wasapi", "waveout"}) {
            if (fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK) continue;
            driver = new_fluid_audio_driver(settings, synth);
            if (driver) return true;
        }
        return false;
    }
    void Stopplayer() {
        if (!player) return;
        fluid_player_stop(player);
        delete_fluid_player(player);
        player = nullptr;
        fluid_synth_all_notes_off(synth, -1);
        fluid_synth_system_reset(synth);
    }
    ~Synth() {
        Stopplayer();
        if (driver) delete_fluid_audio_driver(driver);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

namespace {

// The game reports nothing: FluidSynth's messages would only reach a console.
void Quietfluidsynth() {
    static const bool quiet = [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)quiet;
}

} // namespace

Mediadevices::Mediadevices(const QString& folder, QStringList soundfonts, QObject* parent)
    : QObject(parent), folder_(folder), soundfonts_(std::move(soundfonts)) {
    Quietfluidsynth();
}

Mediadevices::~Mediadevices() {
    if (starting_) {
        starting_->wait();
        delete starting_;
    }
    if (video_) video_->stop();
    if (wave_) wave_->stop();
}

void Mediadevices::Pending::Take(const std::string& command, const QString& path) {
    if (command == "Open") {
        File = QFileInfo(path).isFile() ? path : QString();
        Play = false;
    } else if (command == "Play") {
        Play = !File.isEmpty();
    } else {
        Play = false;
        if (command == "Close") File.clear();
    }
}

void Mediadevices::Replay(Pending& pending,
                          void (Mediadevices::*device)(const std::string&, const QString&)) {
    const QString file = std::exchange(pending.File, QString());
    if (file.isEmpty()) return;
    (this->*device)("Open", file);
    if (std::exchange(pending.Play, false)) (this->*device)("Play", file);
}

void Mediadevices::Hold() {
    held_ = true;
}

void Mediadevices::Release() {
    if (!std::exchange(held_, false)) return;
    if (!synth_ && !pendingmusic_.File.isEmpty()) Startsynth();
    if (area_) Replay(pendingvideo_, &Mediadevices::Video);
}

void Mediadevices::Setvideoarea(QWidget* area) {
    if (!area || area_) return;
    area_ = area;
    if (!held_) Replay(pendingvideo_, &Mediadevices::Video);
}

void Mediadevices::Makeplayer() {
    if (video_) return;
    video_ = new QMediaPlayer(this);
    videoaudio_ = new QAudioOutput(this);
    video_->setAudioOutput(videoaudio_);
    screen_ = new QVideoWidget(area_);
    screen_->setObjectName("Videoscreen");
    auto* layout = area_->layout() ? area_->layout() : new QVBoxLayout(area_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(screen_);
    video_->setVideoOutput(screen_);
    // The area's still picture shows until the video has a frame to show.
    screen_->hide();
    connect(screen_->videoSink(), &QVideoSink::videoFrameChanged, screen_,
            [this](const QVideoFrame& frame) {
                if (frame.isValid() && videoopen_) screen_->show();
            });
}

bool Mediadevices::Isopen(const std::string& device) const {
    if (device == "Mmctitle") return synthready_ && synth_->player;
    if (device == "Mmcmenu") return waveopen_;
    if (device == "Mmcavi") return videoopen_;
    return false;
}

void Mediadevices::Command(const std::string& device, const std::string& command,
                           const std::string& file) {
    const QString path =
        file.empty() ? QString() : QDir(folder_).filePath(QString::fromStdString(file));
    if (device == "Mmctitle")
        Music(command, path);
    else if (device == "Mmcmenu")
        Wave(command, path);
    else if (device == "Mmcavi")
        Video(command, path);
}

void Mediadevices::Music(const std::string& command, const QString& path) {
    if (!synthready_) {
        // Remembered until the synthesizer is there; it is started at the first piece.
        pendingmusic_.Take(command, path);
        if (!pendingmusic_.File.isEmpty() && !synth_ && !held_) Startsynth();
        return;
    }
    if (command == "Open") {
        synth_->Stopplayer();
        if (!QFileInfo(path).isFile()) return;
        // A synthesizer that could not start is kept, half made, so that later pieces do not
        // try again.
        if (!synth_->driver) return;
        synth_->player = new_fluid_player(synth_->synth);
        if (synth_->player &&
            fluid_player_add(synth_->player, QFile::encodeName(path).constData()) != FLUID_OK) {
            delete_fluid_player(synth_->player);
            synth_->player = nullptr;
        }
    } else if (command == "Play") {
        if (synth_ && synth_->player) fluid_player_play(synth_->player);
    } else if (command == "Stop") {
        if (synth_ && synth_->player) fluid_player_stop(synth_->player);
    } else if (command == "Close") {
        if (synth_) synth_->Stopplayer();
    }
}

void Mediadevices::Startsynth() {
    synth_ = std::make_unique<Synth>();
    Synth* synth = synth_.get();
    auto started = std::make_shared<bool>(false);
    starting_ =
        QThread::create([synth, fonts = soundfonts_, started] { *started = synth->Start(fonts); });
    connect(starting_, &QThread::finished, this, [this, started] {
        starting_->deleteLater();
        starting_ = nullptr;
        Synthready(*started);
    });
    starting_->start();
}

void Mediadevices::Synthready(bool started) {
    synthready_ = true;
    if (!started) soundfonts_.clear();
    Replay(pendingmusic_, &Mediadevices::Music);
}

void Mediadevices::Wave(const std::string& command, const QString& path) {
    if (command == "Open") {
        if (wave_) wave_->stop();
        waveopen_ = QFileInfo(path).isFile();
        if (!waveopen_) return;
        if (!wave_) wave_ = new QSoundEffect(this);
        wave_->setSource(QUrl::fromLocalFile(path));
    } else if (command == "Play") {
        if (waveopen_) wave_->play();
    } else if (command == "Stop") {
        if (wave_) wave_->stop();
    } else if (command == "Close") {
        if (wave_) wave_->stop();
        waveopen_ = false;
    }
}

void Mediadevices::Video(const std::string& command, const QString& path) {
    if (held_ || !area_) {
        pendingvideo_.Take(command, path);
        return;
    }
    if (command == "Open") {
        videoopen_ = QFileInfo(path).isFile();
        if (videoopen_) Makeplayer();
        if (screen_) screen_->hide();
        if (video_) video_->setSource(videoopen_ ? QUrl::fromLocalFile(path) : QUrl());
    } else if (command == "Play") {
        if (videoopen_) video_->play();
    } else if (command == "Stop") {
        // Paused, not stopped: a stop waits up to a second for a video still starting, and the
        // title is left at once on a click. The video is not played again.
        if (video_) video_->pause();
    } else if (command == "Close") {
        if (video_) {
            video_->stop();
            video_->setSource(QUrl());
        }
        videoopen_ = false;
    }
}

} // namespace tc::ui
