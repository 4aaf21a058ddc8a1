#include "platform/services.h"

#include <QCoreApplication>
#include <QWidget>
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace Platform {

std::unique_ptr<MsgBoxSeam> Make_Qt_MsgBox();

namespace {

class QtProgram final : public ProgramSeam {
 public:
  void End_Program(int code) override {
    // At once: no window gets a close event, no settings are saved.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
  }
  void Last_Window_Closed() override { QCoreApplication::exit(0); }
};

class StdRandom final : public RandomSeam {
 public:
  StdRandom() : engine_(std::random_device{}()) {}
  double Uniform() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

 private:
  std::mt19937 engine_;
};

struct Current {
  MsgBoxSeam* msg = nullptr;
  ProgramSeam* program = nullptr;
  PictureLoaderSeam* pictures = nullptr;
  FileSystemSeam* files = nullptr;
  DiskSeam* disk = nullptr;
  RandomSeam* random = nullptr;
  MusicSeam* music = nullptr;
  DirectorySeam* directories = nullptr;
  FileDialogSeam* dialogs = nullptr;
  ShellSeam* shell = nullptr;
  ScreenSaverSeam* screen_saver = nullptr;
  Platform::Navigator* navigator = nullptr;  // none until the program or a test puts one in place
};

Current& current() {
  // The real implementations live for the whole run; the pointers may be swapped by tests.
  static std::unique_ptr<MsgBoxSeam> msg = Make_Qt_MsgBox();
  static QtProgram program;
  static std::unique_ptr<PictureLoaderSeam> pictures = Make_Qt_Picture_Loader();
  static std::unique_ptr<FileSystemSeam> files = Make_Qt_File_System();
  static std::unique_ptr<DiskSeam> disk = Make_Posix_Disk();
  static StdRandom random;
  static std::unique_ptr<MusicSeam> music = Make_Sdl_Music();
  static std::unique_ptr<DirectorySeam> directories = Make_Posix_Directories();
  static std::unique_ptr<FileDialogSeam> dialogs = Make_Qt_File_Dialogs();
  static std::unique_ptr<ShellSeam> shell = Make_Qt_Shell();
  static std::unique_ptr<ScreenSaverSeam> screen_saver = Make_DBus_Screen_Saver();
  static Current c{msg.get(),         &program,     pictures.get(),    files.get(),
                   disk.get(),        &random,      music.get(),       directories.get(),
                   dialogs.get(),     shell.get(),  screen_saver.get()};
  return c;
}

}  // namespace

MsgBoxSeam& Services::MsgBox() { return *current().msg; }
ProgramSeam& Services::Program() { return *current().program; }
PictureLoaderSeam& Services::Pictures() { return *current().pictures; }
FileSystemSeam& Services::Files() { return *current().files; }
DiskSeam& Services::Disk() { return *current().disk; }
RandomSeam& Services::Random() { return *current().random; }
MusicSeam& Services::Music() { return *current().music; }
DirectorySeam& Services::Directories() { return *current().directories; }
FileDialogSeam& Services::File_Dialogs() { return *current().dialogs; }
ShellSeam& Services::Shell() { return *current().shell; }
ScreenSaverSeam& Services::Screen_Saver() { return *current().screen_saver; }

Navigator& Services::Navigator() {
  if (!current().navigator) qFatal("Services::Navigator: no navigator has been put in place");
  return *current().navigator;
}

Services::Guard::Guard() = default;

Services::Guard::~Guard() {
  for (auto undo = undo_.rbegin(); undo != undo_.rend(); ++undo) (*undo)();
}

template <class Seam>
Services::Guard& Services::Guard::Put(Seam*& slot, Seam& seam) {
  undo_.push_back([&slot, previous = slot] { slot = previous; });
  slot = &seam;
  return *this;
}

Services::Guard& Services::Guard::msg_box(MsgBoxSeam& seam) { return Put(current().msg, seam); }
Services::Guard& Services::Guard::program(ProgramSeam& seam) { return Put(current().program, seam); }
Services::Guard& Services::Guard::pictures(PictureLoaderSeam& seam) {
  return Put(current().pictures, seam);
}
Services::Guard& Services::Guard::files(FileSystemSeam& seam) { return Put(current().files, seam); }
Services::Guard& Services::Guard::disk(DiskSeam& seam) { return Put(current().disk, seam); }
Services::Guard& Services::Guard::random(RandomSeam& seam) { return Put(current().random, seam); }
Services::Guard& Services::Guard::music(MusicSeam& seam) { return Put(current().music, seam); }
Services::Guard& Services::Guard::directories(DirectorySeam& seam) {
  return Put(current().directories, seam);
}
Services::Guard& Services::Guard::file_dialogs(FileDialogSeam& seam) {
  return Put(current().dialogs, seam);
}
Services::Guard& Services::Guard::shell(ShellSeam& seam) { return Put(current().shell, seam); }
Services::Guard& Services::Guard::screen_saver(ScreenSaverSeam& seam) {
  return Put(current().screen_saver, seam);
}
Services::Guard& Services::Guard::navigator(Platform::Navigator& seam) {
  return Put(current().navigator, seam);
}

}  // namespace Platform
