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
  RandomSeam* random = nullptr;
  MusicSeam* music = nullptr;
};

Current& current() {
  // The real implementations live for the whole run; the pointers may be swapped by tests.
  static std::unique_ptr<MsgBoxSeam> msg = Make_Qt_MsgBox();
  static QtProgram program;
  static std::unique_ptr<PictureLoaderSeam> pictures = Make_Qt_Picture_Loader();
  static std::unique_ptr<FileSystemSeam> files = Make_Qt_File_System();
  static StdRandom random;
  static std::unique_ptr<MusicSeam> music = Make_Sdl_Music();
  static Current c{msg.get(), &program, pictures.get(), files.get(), &random, music.get()};
  return c;
}

}  // namespace

MsgBoxSeam& Services::MsgBox() { return *current().msg; }
ProgramSeam& Services::Program() { return *current().program; }
PictureLoaderSeam& Services::Pictures() { return *current().pictures; }
FileSystemSeam& Services::Files() { return *current().files; }
RandomSeam& Services::Random() { return *current().random; }
MusicSeam& Services::Music() { return *current().music; }

Services::Scoped::Scoped(MsgBoxSeam* msg, ProgramSeam* program, PictureLoaderSeam* pictures,
                         FileSystemSeam* files, RandomSeam* random, MusicSeam* music) {
  Current& c = current();
  msg_ = c.msg;
  program_ = c.program;
  pictures_ = c.pictures;
  files_ = c.files;
  random_ = c.random;
  music_ = c.music;
  if (msg) c.msg = msg;
  if (program) c.program = program;
  if (pictures) c.pictures = pictures;
  if (files) c.files = files;
  if (random) c.random = random;
  if (music) c.music = music;
}

Services::Scoped::~Scoped() {
  Current& c = current();
  c.msg = msg_;
  c.program = program_;
  c.pictures = pictures_;
  c.files = files_;
  c.random = random_;
  c.music = music_;
}

}  // namespace Platform
