// The player's step from one 6000 x 4000 photo to the next on a 1920 x 1080 screen (keep ratio),
// as the user sees it: with the next picture decoded ahead on a worker thread while the current one
// is on screen, against decoding it when the step comes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>
#include <cstdio>

#include "app/forms.h"
#include "app/window_navigator.h"
#include "bench/photo.h"
#include "core/show_file/show_file.h"
#include "platform/services.h"
#include "player/main_frm.h"

namespace {

QString g_show;

// The real loader, but declared unsafe for other threads: nothing is decoded ahead.
class Synchronous final : public Platform::PictureLoaderSeam {
 public:
  std::optional<QSize> Read_Size(const QString& p) override { return real->Read_Size(p); }
  QImage Load(const QString& p, const Platform::Decode_Request& r) override { return real->Load(p, r); }
  std::unique_ptr<Platform::PictureLoaderSeam> real = Platform::Make_Qt_Picture_Loader();
};

void Step(benchmark::State& state, bool ahead) {
  Synchronous synchronous;
  Platform::Services::Guard seams;
  seams.navigator(Forms::Navigator());
  if (!ahead) seams.pictures(synchronous);
  Main_Frm* player = Forms::Main();
  player->Start(g_show, Platform::Show_Origin::Menu);
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  if (player->size() != QSize(1920, 1080)) state.SkipWithError("the screen is not 1920 x 1080");
  for (auto _ : state) {
    state.PauseTiming();
    QThreadPool::globalInstance()->waitForDone();  // the user looks at the picture a while
    state.ResumeTiming();
    player->Timer1_Timer();
  }
  Forms::Close(Forms::Kind::Main);
  Forms::Close(Forms::Kind::Menu);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Step_DecodedAhead(benchmark::State& state) { Step(state, true); }
void Step_DecodedWhenShown(benchmark::State& state) { Step(state, false); }

BENCHMARK(Step_DecodedAhead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(12);
BENCHMARK(Step_DecodedWhenShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(12);

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
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  QStringList photos;
  for (unsigned i = 0; i < 3; ++i) {
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
