// The player's steps between 6000 x 4000 photos on a 1920 x 1080 screen (keep ratio), as the user
// sees them: from the step to its picture on screen
//  - decoded ahead: the user looked at the picture a while, so the next one was decoded meanwhile;
//  - decoded when shown: nothing was decoded ahead (a loader that works on one thread only), the
//    whole decode comes with the step;
//  - the right arrow held down: new pictures a second (the keys are polled ten times a second);
//  - a looping show of 1,000 steps: resident memory after the first 100 steps and at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <cstdio>

#include "app/forms.h"
#include "app/window_navigator.h"
#include "bench/photo.h"
#include "core/show_file/show_file.h"
#include "platform/services.h"
#include "player/main_frm.h"
#include "player/picture_source.h"

namespace {

QString g_show;

// The real loader, but declared unsafe for other threads: nothing is decoded ahead.
class Synchronous final : public Platform::PictureLoaderSeam {
 public:
  std::optional<QSize> Read_Size(const QString& p) override { return real->Read_Size(p); }
  QImage Load(const QString& p, const Platform::Decode_Request& r) override { return real->Load(p, r); }
  std::unique_ptr<Platform::PictureLoaderSeam> real = Platform::Make_Qt_Picture_Loader();
};

// Runs the event loop until the player's step has its picture on screen.
void Until_Shown(Main_Frm* player) {
  while (player->Waiting()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
}

Main_Frm* Start(benchmark::State& state) {
  Main_Frm* player = Forms::Main();
  player->Start(g_show, Platform::Show_Origin::Menu);
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  Until_Shown(player);
  if (player->size() != QSize(1920, 1080)) state.SkipWithError("the screen is not 1920 x 1080");
  return player;
}

void Stop() {
  Forms::Close(Forms::Kind::Main);
  Forms::Close(Forms::Kind::Menu);
  Picture_Source::Pool().waitForDone();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Step(benchmark::State& state, bool ahead) {
  Synchronous synchronous;
  Platform::Services::Guard seams;
  if (!ahead) seams.pictures(synchronous);
  Main_Frm* player = Start(state);
  for (auto _ : state) {
    state.PauseTiming();
    Picture_Source::Pool().waitForDone();  // the user looks at the picture a while
    QCoreApplication::processEvents();
    state.ResumeTiming();
    player->Timer1_Timer();
    Until_Shown(player);
  }
  Stop();
}

void Step_DecodedAhead(benchmark::State& state) { Step(state, true); }
void Step_DecodedWhenShown(benchmark::State& state) { Step(state, false); }

void Right_Arrow_Held(benchmark::State& state) {
  Main_Frm* player = Start(state);
  player->activateWindow();
  for (int i = 0; i < 10 && !player->isActiveWindow(); ++i) QCoreApplication::processEvents();
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(player, &press);
    // Looks at the screen every 5 ms for three seconds, sleeping in between. (No nested event
    // loop: one ends at once once the application has been told to quit.)
    // The rate is the one kept from the first new picture to the last: the arrows are polled every
    // 100 ms, so the first step comes up to a poll after the press.
    QString file = player->CurrentFile;
    int changes = 0;
    qint64 first = 0, last = 0;
    QTimer look;
    look.start(5);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      if (player->CurrentFile != file && !player->Waiting()) {
        last = clock.elapsed();
        if (changes++ == 0) first = last;
        file = player->CurrentFile;
      }
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(player, &release);
    state.counters["pictures_a_second"] =
        changes > 1 && last > first ? (changes - 1) * 1000.0 / double(last - first) : changes / 3.0;
    state.counters["pictures_in_3_s"] = changes;
  }
  Stop();
}

double Resident_MiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
  return 0;
}

void Looping_Show_1000_Steps(benchmark::State& state) {
  Main_Frm* player = Start(state);
  for (auto _ : state) {
    double after_100 = 0;
    for (int i = 1; i <= 1000; ++i) {
      player->Timer1_Timer();
      Until_Shown(player);
      if (i == 100) after_100 = Resident_MiB();
    }
    state.counters["MiB_after_100"] = after_100;
    state.counters["MiB_after_1000"] = Resident_MiB();
  }
  Stop();
}

BENCHMARK(Step_DecodedAhead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(12);
BENCHMARK(Step_DecodedWhenShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(12);
BENCHMARK(Right_Arrow_Held)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(Looping_Show_1000_Steps)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir dir;
  if (!dir.isValid()) return 1;
  // An offscreen full-HD screen.
  const QString screens = dir.filePath(QStringLiteral("screens.json"));
  QFile json(screens);
  if (!json.open(QIODevice::WriteOnly)) return 1;
  json.write(R"({"screens":[{"name":"bench","x":0,"y":0,"width":1920,"height":1080,)"
             R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
  json.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens));
  qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.filePath("runtime")));
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  Platform::Services::Guard services;
  services.navigator(Forms::Navigator());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  QStringList photos;
  for (unsigned i = 0; i < 6; ++i) {
    photos << dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
    if (!Bench::Photo_Like(QSize(6000, 4000), 1234567u + i).save(photos.last(), "JPEG", 90)) return 1;
  }
  ShowFile::Options options;
  options.Strech = options.Ratio = options.Loop = true;
  options.Delay = 5;
  g_show = dir.filePath(QStringLiteral("bench.sli"));
  if (!ShowFile::Write(Platform::Services::Disk(), g_show, options, photos)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
