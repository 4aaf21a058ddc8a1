// The seams between the program's logic and everything outside it: message boxes, the end of the
// program, picture decoding, the file system and the disk under a saved file, music, the file
// dialogs, the desktop's shell and screen saver, the directory queries and the random generator,
// and the navigator between the windows. Each is a
// small interface with the real Qt implementation installed by default (the navigator is installed
// by the program itself); tests put fakes in place with Services::Guard. The seams that the rules
// take themselves are declared in core (core/seams/seam_types.h).
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/seams/seam_types.h"
#include "platform/navigator.h"

class QWidget;

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

class PictureLoaderSeam {
 public:
  virtual ~PictureLoaderSeam() = default;
  // The picture's own size from its header, or nothing when the file is not a readable picture.
  virtual std::optional<QSize> Read_Size(const QString& path) = 0;
  // Decodes what the request asks for. A null image means the picture could not be decoded.
  virtual QImage Load(const QString& path, const Decode_Request& request) = 0;
  // Whether Read_Size and Load may run on another thread, for decoding the next picture ahead.
  virtual bool Thread_Safe() const { return false; }
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

// One request to the file dialog facility, in the shape of the classic dialog record: the inputs,
// and the buffers that the facility fills. A buffer is a string of its full length, NUL characters
// where nothing was written; lengths are in characters.
struct Dialog_Record {
  static constexpr int lStructSize = 76;
  QWidget* hwndOwner = nullptr;  // the window that the dialog belongs to
  QString lpstrFilter;           // description NUL patterns NUL ... NUL NUL; empty for none
  int nFilterIndex = 0;          // 1-based pair shown first; on success the pair chosen
  QString lpstrFile;             // the file buffer, nMaxFile characters
  int nMaxFile = 0;
  QString lpstrFileTitle;        // the file-title buffer, nMaxFileTitle characters
  int nMaxFileTitle = 0;
  QString lpstrInitialDir;
  QString lpstrTitle;
  std::int32_t Flags = 0;        // passed through; on success the flags the facility returns
};

class FileDialogSeam {
 public:
  virtual ~FileDialogSeam() = default;
  // Show the Open or the Save dialog. True when the user chose a file: the buffers, Flags and
  // nFilterIndex are then filled. False when the user cancelled or the dialog failed (a path that
  // does not fit its buffer counts as a failure).
  virtual bool GetOpenFileName(Dialog_Record& record) = 0;
  virtual bool GetSaveFileName(Dialog_Record& record) = 0;
};

class ShellSeam {
 public:
  virtual ~ShellSeam() = default;
  // Asks the desktop to open the address in its default application (a web address: the browser).
  virtual bool Open_Url(const QString& url) = 0;
};

// A request that the screen stay awake; dropping it ends the request.
class Awake_Hold {
 public:
  virtual ~Awake_Hold() = default;
};

class ScreenSaverSeam {
 public:
  virtual ~ScreenSaverSeam() = default;
  // Asks the desktop not to blank the screen or start its screen saver until the hold is dropped.
  // Never fails and never waits: where no desktop service listens, the hold does nothing.
  virtual std::unique_ptr<Awake_Hold> Keep_Awake(const QString& reason) = 0;
};

// The one holder of the seams: each accessor gives the seam in use, the real implementation unless
// a Guard has put another in its place.
class Services {
 public:
  static MsgBoxSeam& MsgBox();
  static ProgramSeam& Program();
  static PictureLoaderSeam& Pictures();
  static FileSystemSeam& Files();
  static DiskSeam& Disk();
  static RandomSeam& Random();
  static MusicSeam& Music();
  static DirectorySeam& Directories();
  static FileDialogSeam& File_Dialogs();
  static ShellSeam& Shell();
  static ScreenSaverSeam& Screen_Saver();
  // How the windows reach each other; the program installs its own at its start (app/main.cpp).
  static Platform::Navigator& Navigator();

  // Puts seams in place for its lifetime, each through its own setter, and gives back what it
  // replaced when it ends; the seams it was not given stay as they are:
  //   Services::Guard seams;
  //   seams.msg_box(fake_messages).pictures(fake_pictures);
  class Guard {
   public:
    Guard();
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

    Guard& msg_box(MsgBoxSeam& seam);
    Guard& program(ProgramSeam& seam);
    Guard& pictures(PictureLoaderSeam& seam);
    Guard& files(FileSystemSeam& seam);
    Guard& disk(DiskSeam& seam);
    Guard& random(RandomSeam& seam);
    Guard& music(MusicSeam& seam);
    Guard& directories(DirectorySeam& seam);
    Guard& file_dialogs(FileDialogSeam& seam);
    Guard& shell(ShellSeam& seam);
    Guard& screen_saver(ScreenSaverSeam& seam);
    Guard& navigator(Platform::Navigator& seam);

   private:
    template <class Seam>
    Guard& Put(Seam*& slot, Seam& seam);
    std::vector<std::function<void()>> undo_;  // in the order the seams were put in place
  };
};

// The real implementations, for tests that exercise them directly.
std::unique_ptr<PictureLoaderSeam> Make_Qt_Picture_Loader();
std::unique_ptr<FileSystemSeam> Make_Qt_File_System();
std::unique_ptr<DiskSeam> Make_Posix_Disk();
std::unique_ptr<FileDialogSeam> Make_Qt_File_Dialogs();
std::unique_ptr<ShellSeam> Make_Qt_Shell();
std::unique_ptr<MusicSeam> Make_Sdl_Music();
std::unique_ptr<DirectorySeam> Make_Posix_Directories();
// The desktop's screen-saver service (org.freedesktop.ScreenSaver) on the session bus, which is
// connected at the first hold.
std::unique_ptr<ScreenSaverSeam> Make_DBus_Screen_Saver();

}  // namespace Platform
