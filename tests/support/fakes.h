// Fake seams for tests: they record what the program asked and answer as scripted. The fakes of
// the seams that the rules take themselves are in core_fakes.h.
#pragma once

#include <QHash>
#include <QImage>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QList>
#include <QThread>
#include <QMutex>
#include <QSet>
#include <QWaitCondition>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "platform/services.h"
#include "support/core_fakes.h"

namespace Fakes {

struct Message {
  QString text;
  int style;
  QString title;
  friend bool operator==(const Message&, const Message&) = default;
};

// Message boxes answered as scripted. With `wait_ms` each box waits that long in a nested event
// loop before it answers, as a real box waits for the user while timers and posted events go on;
// `while_open` then runs with the box still open.
class Messages final : public Platform::MsgBoxSeam {
 public:
  int MsgBox(const QString& text, int style, const QString& title) override {
    shown.push_back({text, style, title});
    if (wait_ms > 0) {
      QEventLoop loop;
      QTimer::singleShot(wait_ms, &loop, &QEventLoop::quit);
      loop.exec();
    }
    if (while_open) while_open();
    if (answers.empty()) return Platform::vbOK;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  QList<Message> shown;
  std::deque<int> answers;  // answers to give, in order; OK when none is left
  int wait_ms = 0;
  std::function<void()> while_open;
};

class Program final : public Platform::ProgramSeam {
 public:
  void End_Program(int code) override { end_codes.push_back(code); }
  void Last_Window_Closed() override { ++last_window_closed; }
  QList<int> end_codes;
  int last_window_closed = 0;
};

// Pictures by path: a size, or a failure. Unknown paths fail. Decoded images are filled with the
// white at the size asked. With `thread_safe` the player decodes on its pool; the
// records are guarded for that, and a decode of a picture in `held` waits until it is released.
class Pictures final : public Platform::PictureLoaderSeam {
 public:
  void Add(const QString& path, QSize size) {
    QMutexLocker lock(&mutex);
    sizes[path] = size;
  }
  std::optional<QSize> Read_Size(const QString& path) override {
    QMutexLocker lock(&mutex);
    if (!sizes.contains(path)) return std::nullopt;
    return sizes[path];
  }
  QImage Load(const QString& path, const Platform::Decode_Request& request) override {
    QMutexLocker lock(&mutex);
    loads.push_back({path, request, QThread::currentThread() != QCoreApplication::instance()->thread()});
    while (held.contains(path)) released.wait(&mutex);
    if (!sizes.contains(path) || undecodable.contains(path)) return {};
    QSize s = request.clip.isEmpty() ? request.scaled : request.clip.size();
    if (s.isEmpty()) s = sizes[path];
    QImage image(s, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }
  bool Thread_Safe() const override { return thread_safe; }
  void Hold(const QString& path) {
    QMutexLocker lock(&mutex);
    held.insert(path);
  }
  void Release(const QString& path = {}) {  // all of them when no path is given
    QMutexLocker lock(&mutex);
    if (path.isEmpty()) held.clear(); else held.remove(path);
    released.wakeAll();
  }
  // How many times the picture was decoded: on worker threads, on the main thread, or on either.
  int Loads_Of(const QString& path, std::optional<bool> on_worker = {}) {
    QMutexLocker lock(&mutex);
    int n = 0;
    for (const auto& l : loads) n += (l.path == path && on_worker.value_or(l.worker) == l.worker) ? 1 : 0;
    return n;
  }
  struct Load_Call {
    QString path;
    Platform::Decode_Request request;
    bool worker = false;
  };
  QMutex mutex;
  bool thread_safe = false;
  QHash<QString, QSize> sizes;
  QSet<QString> undecodable;  // the header reads, decoding fails
  QSet<QString> held;
  QWaitCondition released;
  QList<Load_Call> loads;
};

// A file system over a set of names; removal is recorded.
class Files final : public Platform::FileSystemSeam {
 public:
  bool Is_Regular_File(const QString& path) override { return files.contains(path); }
  bool Is_Folder(const QString& path) override { return folders.contains(path); }
  bool Remove_File(const QString& path) override {
    removed.push_back(path);
    return files.remove(path);
  }
  QSet<QString> files;
  QSet<QString> folders;
  QStringList removed;
};

// Music graphs that play by the script: which files render, what Run says, and the position and
// duration each graph reports. Calls are logged as "render PATH", "run", "stop".
class Music final : public Platform::MusicSeam {
 public:
  struct Graph final : public Platform::MusicGraph {
    explicit Graph(Music& m) : music(m) {}
    bool RenderFile(const QString& path) override {
      music.log << "render " + path;
      return !music.unplayable.contains(path);
    }
    bool Run() override {
      music.log << "run";
      return music.run_works;
    }
    void Stop() override { music.log << "stop"; }
    double Duration() override { return music.duration; }
    double Position() override { return music.position; }
    Music& music;
  };
  std::unique_ptr<Platform::MusicGraph> Create_Graph() override {
    if (no_device) return nullptr;
    return std::make_unique<Graph>(*this);
  }
  QStringList log;
  QSet<QString> unplayable;
  bool run_works = true;
  bool no_device = false;
  double duration = 30.0;
  double position = 0.0;
};

// A file dialog facility: records the record of each call and answers from a script. An answer
// fills the record as the user's choice would (or cancels); with no answer left the user cancels.
class File_Dialogs final : public Platform::FileDialogSeam {
 public:
  using Answer = std::function<bool(Platform::Dialog_Record&)>;
  struct Call {
    bool save;
    Platform::Dialog_Record record;  // as the control passed it
  };
  bool GetOpenFileName(Platform::Dialog_Record& record) override { return Take(false, record); }
  bool GetSaveFileName(Platform::Dialog_Record& record) override { return Take(true, record); }

  // The user picks one file: its full path and its name, each followed by NULs to the buffer's
  // length; `filter_index` is the pair the user left selected (0: as it was shown).
  static Answer Choose(const QString& path, int filter_index = 0, std::int32_t flags_out = -1) {
    return [=](Platform::Dialog_Record& r) {
      if (path.size() >= r.nMaxFile) return false;
      r.lpstrFile = path + QString(r.nMaxFile - path.size(), QChar(0));
      const QString title = path.mid(path.lastIndexOf(u'/') + 1);
      if (title.size() < r.nMaxFileTitle)
        r.lpstrFileTitle = title + QString(r.nMaxFileTitle - title.size(), QChar(0));
      if (filter_index != 0) r.nFilterIndex = filter_index;
      if (flags_out != -1) r.Flags = flags_out;
      return true;
    };
  }
  // The facility returns this raw buffer content (padded with NULs).
  static Answer Raw(const QString& content) {
    return [=](Platform::Dialog_Record& r) {
      if (content.size() > r.nMaxFile) return false;
      r.lpstrFile = content + QString(r.nMaxFile - content.size(), QChar(0));
      return true;
    };
  }
  static Answer Cancel() {
    return [](Platform::Dialog_Record&) { return false; };
  }

  QList<Call> calls;
  std::deque<Answer> answers;

 private:
  bool Take(bool save, Platform::Dialog_Record& record) {
    calls.push_back({save, record});
    if (answers.empty()) return false;
    Answer a = answers.front();
    answers.pop_front();
    return a(record);
  }
};

// The desktop shell: records the addresses it was asked to open.
class Shell final : public Platform::ShellSeam {
 public:
  bool Open_Url(const QString& url) override {
    urls.push_back(url);
    return true;
  }
  QStringList urls;
};


// The navigator between the windows: records each request as a line ("play FILE from ORIGIN",
// "search FOLDER from ORIGIN", "show WINDOW", "ended ORIGIN", "menu closed") and gives the folder
// window's options as scripted.
class Navigator final : public Platform::Navigator {
 public:
  void Play(const QString& file, Platform::Show_Origin origin) override {
    log << "play " + file + " from " + Name(origin);
  }
  void Search(const QString& folder, Platform::Show_Origin origin) override {
    log << "search " + folder + " from " + Name(origin);
  }
  ShowFile::Options Folder_Options() override { return folder_options; }
  void Show(Platform::Window window) override {
    static const char* const names[] = {"menu", "about", "folder window", "maker"};
    log << QStringLiteral("show ") + names[static_cast<int>(window)];
  }
  void Show_Ended(Platform::Show_Origin origin) override { log << "ended " + Name(origin); }
  void Menu_Closed() override { log << "menu closed"; }

  static QString Name(Platform::Show_Origin origin) {
    static const char* const names[] = {"menu", "folder window", "maker", "preview", "command line"};
    return QString::fromLatin1(names[static_cast<int>(origin)]);
  }
  QStringList log;
  ShowFile::Options folder_options;
};

}  // namespace Fakes
