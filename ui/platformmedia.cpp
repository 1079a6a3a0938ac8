#include "ui/platformmedia.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <algorithm>
#include <fluidsynth.h>
#include <memory>
#include <utility>

namespace tc::ui {

QStringList Soundfontplaces(const QString& folder) {
    return {QDir(folder).filePath("Music/Tintcipher.sf2"), "/usr/share/sounds/sf2/TimGM6mb.sf2",
            "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
            "/usr/share/soundfonts/default.sf2"};
}

namespace {

// The FluidSynth functions the music uses. The library is loaded at the first piece of music, on
// the synthesizer's own thread: it brings some thirty libraries with it (sound servers, SDL,
// JACK ...), and loading them at the program's start kept the title window waiting.
#define TC_FLUIDSYNTH(F)                                                                           \
    F(new_fluid_settings)                                                                          \
    F(new_fluid_synth)                                                                             \
    F(fluid_synth_sfload)                                                                          \
    F(fluid_settings_setstr)                                                                       \
    F(new_fluid_audio_driver)                                                                      \
    F(new_fluid_player)                                                                            \
    F(fluid_player_add)                                                                            \
    F(fluid_player_play)                                                                           \
    F(fluid_player_stop)                                                                           \
    F(delete_fluid_player)                                                                         \
    F(fluid_synth_all_notes_off)                                                                   \
    F(fluid_synth_system_reset)                                                                    \
    F(delete_fluid_audio_driver)                                                                   \
    F(delete_fluid_synth)                                                                          \
    F(delete_fluid_settings)                                                                       \
    F(fluid_set_log_function)

struct Fluidsynth {
#define TC_POINTER(name) decltype(&::name) name = nullptr;
    TC_FLUIDSYNTH(TC_POINTER)
#undef TC_POINTER
    bool Loaded = false;
};

// Loaded once, by the first thread that asks; not Loaded when the library or a function is missing.
const Fluidsynth& Fluid() {
    static const Fluidsynth api = [] {
        Fluidsynth f;
        QLibrary lib;
        // The Unix name with its major version, then the names of the Windows builds.
        for (const auto& [name, version] :
             {std::pair("fluidsynth", 3), std::pair("libfluidsynth-3", -1),
              std::pair("fluidsynth", -1)}) {
            lib.setFileNameAndVersion(name, version);
            if (lib.load()) break;
        }
        if (!lib.isLoaded()) return f;
        bool all = true;
#define TC_RESOLVE(name)                                                                           \
    f.name = reinterpret_cast<decltype(f.name)>(lib.resolve(#name));                               \
    all = all && f.name;
        TC_FLUIDSYNTH(TC_RESOLVE)
#undef TC_RESOLVE
        if (!all) return Fluidsynth{};
        // The game reports nothing: FluidSynth's messages would only reach a console.
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            f.fluid_set_log_function(level, nullptr, nullptr);
        f.Loaded = true;
        return f;
    }();
    return api;
}

// Whether GStreamer, loaded as the backend would load it, has each element.
bool Gstreamerelement(const char* name) {
    using Init = int (*)(int*, char***, void**);
    using Find = void* (*)(const char*);
    using Unref = void (*)(void*);
    static QLibrary lib("gstreamer-1.0", 0);
    static const auto init = reinterpret_cast<Init>(lib.resolve("gst_init_check"));
    static const auto find = reinterpret_cast<Find>(lib.resolve("gst_element_factory_find"));
    static const auto unref = reinterpret_cast<Unref>(lib.resolve("gst_object_unref"));
    static const bool ready = init && find && unref && init(nullptr, nullptr, nullptr);
    if (!ready) return false;
    void* factory = find(name);
    if (factory) unref(factory);
    return factory != nullptr;
}

} // namespace

Multimediasupport Multimediafor(const QString& named, const QStringList& plugins,
                                const std::function<bool(const char*)>& element) {
    const auto has = [&plugins](const QString& key) {
        return std::any_of(plugins.begin(), plugins.end(),
                           [&key](const QString& p) { return p.contains(key); });
    };
    Multimediasupport m;
    m.Sound = named.isEmpty() ? !plugins.isEmpty() : has(named);
    if (!m.Sound) return m;
    // Without a name Qt 6.4 on Linux takes GStreamer when it is there.
    const bool gstreamer = named.isEmpty() ? has("gstreamer") : named == "gstreamer";
    m.Video = true;
    if (gstreamer)
        for (const char* e :
             {"playbin", "uridecodebin", "decodebin", "avidemux", "jpegdec", "videoconvert"})
            m.Video = m.Video && element(e);
    return m;
}

const Multimediasupport& Multimediahere() {
    static const Multimediasupport here = [] {
        QStringList plugins;
        for (const QString& dir : QCoreApplication::libraryPaths())
            plugins += QDir(dir + "/multimedia").entryList(QDir::Files);
        return Multimediafor(qEnvironmentVariable("QT_MEDIA_BACKEND"), plugins, Gstreamerelement);
    }();
    return here;
}

// FluidSynth's synthesizer with its audio driver, made at the first piece of music; a failed
// start is not tried again, so the game stays silent without retrying on every restart.
struct Mediadevices::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    bool Start(const QStringList& soundfonts) {
        const Fluidsynth& f = Fluid();
        if (!f.Loaded) return false;
        settings = f.new_fluid_settings();
        if (!settings) return false;
        synth = f.new_fluid_synth(settings);
        if (!synth) return false;
        bool loaded = false;
        for (const QString& sf : soundfonts) {
            if (!QFileInfo(sf).isFile()) continue;
            if (f.fluid_synth_sfload(synth, QFile::encodeName(sf).constData(), 1) != FLUID_FAILED) {
                loaded = true;
                break;
            }
        }
        if (!loaded) return false;
        // The sound servers first, then the bare devices; JACK is left out, as it may start a
        // server of its own.
        for (const char* name : {"pipewire", "pulseaudio", "alsa", "sdl2", "oss", "coreaudio",
                                 "dsound", "wasapi", "waveout"}) {
            if (f.fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK) continue;
            driver = f.new_fluid_audio_driver(settings, synth);
            if (driver) return true;
        }
        return false;
    }
    // Only after a start that made a driver.
    void Openpiece(const QString& path) {
        const Fluidsynth& f = Fluid();
        player = f.new_fluid_player(synth);
        if (player && f.fluid_player_add(player, QFile::encodeName(path).constData()) != FLUID_OK) {
            f.delete_fluid_player(player);
            player = nullptr;
        }
    }
    void Play(bool on) {
        if (player) (on ? Fluid().fluid_player_play : Fluid().fluid_player_stop)(player);
    }
    void Stopplayer() {
        if (!player) return;
        const Fluidsynth& f = Fluid();
        f.fluid_player_stop(player);
        f.delete_fluid_player(player);
        player = nullptr;
        f.fluid_synth_all_notes_off(synth, -1);
        f.fluid_synth_system_reset(synth);
    }
    ~Synth() {
        Stopplayer();
        // Something was made only with the library there.
        if (!settings) return;
        const Fluidsynth& f = Fluid();
        if (driver) f.delete_fluid_audio_driver(driver);
        if (synth) f.delete_fluid_synth(synth);
        f.delete_fluid_settings(settings);
    }
};

Mediadevices::Mediadevices(const QString& folder, QStringList soundfonts, QObject* parent)
    : QObject(parent), folder_(folder), soundfonts_(std::move(soundfonts)) {}

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
        if (synth_->driver) synth_->Openpiece(path);
    } else if (command == "Play") {
        synth_->Play(true);
    } else if (command == "Stop") {
        synth_->Play(false);
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
        waveopen_ = QFileInfo(path).isFile() && Multimediahere().Sound;
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
        // Without what the video needs the title keeps its still picture.
        videoopen_ = QFileInfo(path).isFile() && Multimediahere().Video;
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
