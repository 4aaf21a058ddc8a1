// The seams between the program's logic and everything outside it: message boxes, the end of the
// program, picture decoding, the file system and the random generator. Each is a small interface
// with the real Qt implementation installed by default; tests put fakes in place with
// Services::Scoped.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace Platform {

// Message box answers and the style numbers the program uses.
enum Answer { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
enum Style {
  vbOKOnly = 0, vbOKCancel = 1, vbYesNoCancel = 3, vbYesNo = 4,
  vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
};

class MsgBoxSeam {
 public:
  virtual ~MsgBoxSeam() = default;
  // Shows a modal message above every window of the program and returns the answer (vbOK...).
  virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
};

class ProgramSeam {
 public:
  virtual ~ProgramSeam() = default;
  // Ends the program at once with the exit status: no close handler runs.
  virtual void End_Program(int code) = 0;
  // The last window of the program has closed: the program ends normally (status 0).
  virtual void Last_Window_Closed() = 0;
};

// What to decode of a picture: the whole picture is scaled to `scaled` (its own size when equal)
// and only the part `clip` of that scaled picture is decoded. An empty clip means all of it.
struct Decode_Request {
  QSize scaled;
  QRect clip;
  friend bool operator==(const Decode_Request&, const Decode_Request&) = default;
};

class PictureLoaderSeam {
 public:
  virtual ~PictureLoaderSeam() = default;
  // The picture's own size from its header, or nothing when the file is not a readable picture.
  virtual std::optional<QSize> Read_Size(const QString& path) = 0;
  // Decodes what the request asks for. A null image means the picture could not be decoded.
  virtual QImage Load(const QString& path, const Decode_Request& request) = 0;
};

class FileSystemSeam {
 public:
  virtual ~FileSystemSeam() = default;
  virtual bool Is_Regular_File(const QString& path) = 0;  // links followed; no FIFO, socket, device
  virtual bool Is_Folder(const QString& path) = 0;
  // Deletes a file. A file the user may not write counts as read-only and is not deleted.
  virtual bool Remove_File(const QString& path) = 0;
};

// One playback of a music file, like a media graph: prepare a file, play it once from the start,
// stop, and tell its length and position in seconds.
class MusicGraph {
 public:
  virtual ~MusicGraph() = default;
  // Prepares the file; false when it cannot be played.
  virtual bool RenderFile(const QString& path) = 0;
  // Plays it once from the start, in the background; false when it does not play.
  virtual bool Run() = 0;
  virtual void Stop() = 0;
  // Length and position in seconds. Once the stream has ended the position equals the duration;
  // while it plays the position is below it.
  virtual double Duration() = 0;
  virtual double Position() = 0;
};

class MusicSeam {
 public:
  virtual ~MusicSeam() = default;
  // A new, empty playback graph; null when the machine has no audio device (then the show runs
  // without music: that has been said on standard error).
  virtual std::unique_ptr<MusicGraph> Create_Graph() = 0;
};

class RandomSeam {
 public:
  virtual ~RandomSeam() = default;
  virtual double Uniform() = 0;  // a uniform draw in [0, 1)
};

class Services {
 public:
  static MsgBoxSeam& MsgBox();
  static ProgramSeam& Program();
  static PictureLoaderSeam& Pictures();
  static FileSystemSeam& Files();
  static RandomSeam& Random();
  static MusicSeam& Music();

  // Installs the given seams (null ones keep the current implementation) for its lifetime.
  class Scoped {
   public:
    Scoped(MsgBoxSeam* msg, ProgramSeam* program, PictureLoaderSeam* pictures = nullptr,
           FileSystemSeam* files = nullptr, RandomSeam* random = nullptr,
           MusicSeam* music = nullptr);
    ~Scoped();
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

   private:
    MsgBoxSeam* msg_;
    ProgramSeam* program_;
    PictureLoaderSeam* pictures_;
    FileSystemSeam* files_;
    RandomSeam* random_;
    MusicSeam* music_;
  };
};

// The real implementations, for tests that exercise them directly.
std::unique_ptr<PictureLoaderSeam> Make_Qt_Picture_Loader();
std::unique_ptr<FileSystemSeam> Make_Qt_File_System();
std::unique_ptr<MusicSeam> Make_Sdl_Music();

}  // namespace Platform
