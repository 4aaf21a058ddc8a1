// Background music over SDL2_mixer: MP3, WAV and MIDI (through FluidSynth with the General MIDI
// sound font). The audio device is opened once, on first use.
#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <limits>

#include "platform/services.h"

namespace Platform {

namespace {

const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

enum class Device { Unknown, Open, Missing };
Device device = Device::Unknown;

bool open_device() {
  if (device == Device::Unknown) {
    device = Device::Missing;
    // SIGINT and SIGTERM end the program as they do without music: SDL would turn them into quit
    // events that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      std::fprintf(stderr, "vistabel: no audio device (%s): the show runs without music\n",
                   SDL_GetError());
      return false;
    }
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
      std::fprintf(stderr, "vistabel: no audio device (%s): the show runs without music\n",
                   Mix_GetError());
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    QStringList fonts;
    for (const char* f : kSoundFonts)
      if (QFileInfo::exists(QString::fromLatin1(f))) fonts << QString::fromLatin1(f);
    if (!fonts.isEmpty()) Mix_SetSoundFonts(fonts.join(QLatin1Char(';')).toLocal8Bit().constData());
    device = Device::Open;
  }
  return device == Device::Open;
}

bool is_midi_name(const QString& path) {
  return path.endsWith(QLatin1String(".mid"), Qt::CaseInsensitive) ||
         path.endsWith(QLatin1String(".midi"), Qt::CaseInsensitive) ||
         path.endsWith(QLatin1String(".rmi"), Qt::CaseInsensitive);
}

class SdlGraph final : public MusicGraph {
 public:
  ~SdlGraph() override {
    if (music_) {
      if (Mix_PlayingMusic()) Mix_HaltMusic();
      Mix_FreeMusic(music_);
    }
  }

  bool RenderFile(const QString& path) override {
    const QFileInfo info(path);
    if (!info.isFile()) return false;
    if (is_midi_name(path)) {
      // The MIDI decoder takes any bytes; a real MIDI file starts with its header chunk.
      QFile f(path);
      if (!f.open(QIODevice::ReadOnly) || f.read(4) != "MThd") return false;
    }
    music_ = Mix_LoadMUS(QFile::encodeName(path).constData());
    return music_ != nullptr;
  }

  bool Run() override {
    // A file that the decoder opened and started plays, however short it is.
    return music_ && Mix_PlayMusic(music_, 0) == 0;
  }

  void Stop() override {
    if (music_ && Mix_PlayingMusic()) Mix_HaltMusic();
  }

  double Duration() override {
    if (!music_) return 0.0;
    const double d = Mix_MusicDuration(music_);
    // Decoders that cannot tell (MIDI) get an endless length; the end is seen by the position.
    return d > 0.0 ? d : std::numeric_limits<double>::max();
  }

  double Position() override {
    const double duration = Duration();
    if (!music_ || !Mix_PlayingMusic()) return duration;  // ended (or never played)
    const double p = Mix_GetMusicPosition(music_);
    // A decoder may stop a little short of the length it reported: below it while playing.
    if (p < 0.0) return 0.0;
    return p < duration ? p : std::nextafter(duration, 0.0);
  }

 private:
  Mix_Music* music_ = nullptr;
};

class SdlMusic final : public MusicSeam {
 public:
  std::unique_ptr<MusicGraph> Create_Graph() override {
    if (!open_device()) return nullptr;
    return std::make_unique<SdlGraph>();
  }
};

}  // namespace

std::unique_ptr<MusicSeam> Make_Sdl_Music() { return std::make_unique<SdlMusic>(); }

}  // namespace Platform
