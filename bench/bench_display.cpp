// The display step on a 6000 x 4000 photo fitted to a 1920 x 1080 screen, two ways:
//  - decode all, then scale: the whole picture is decoded, then scaled smoothly to the control;
//  - decode what is seen: the header gives the size, Plan_Decode the request, and the loader
//    decodes at (about) the shown size and only the visible part.
// Keep ratio: a 3:2 landscape picture is made 1920 wide, so the control is 1920 x 1280 and runs
// over the top and bottom of the screen. Own size: the picture stays 6000 x 4000, centred, and
// only its middle 1920 x 1080 is seen. Then the everyday pictures that must not get slower: a
// 1024 x 768 JPEG at its own size, a 1600 x 1200 GIF and BMP fitted to the screen.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench/photo.h"
#include "core/decode/decode_plan.h"
#include "gif_writer.h"
#include "platform/services.h"

namespace {

const QSize kPicture(6000, 4000);
const QSize kScreen(1920, 1080);
const QRect kFitted(0, -100, 1920, 1280);             // keep ratio
const QRect kOwnSize(-2040, -1460, 6000, 4000);       // own size, centred
const QRect kSeenOfOwnSize(2040, 1460, 1920, 1080);   // the part of it on screen

QString g_photo;
QString g_small_jpeg, g_gif, g_bmp;

bool Check(benchmark::State& state, const QImage& image, QSize want) {
  if (image.size() == want) return true;
  state.SkipWithError("the decoded picture has the wrong size");
  return false;
}

void Fit_DecodeAllThenScale(benchmark::State& state) {
  for (auto _ : state) {
    QImageReader reader(g_photo);
    const QImage whole = reader.read();
    const QImage shown =
        whole.scaled(kFitted.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!Check(state, shown, kFitted.size())) break;
    benchmark::DoNotOptimize(shown.constBits());
  }
}

// The display step's way: the size from the header, the plan, the decode of what is seen.
void Decode_What_Is_Seen(benchmark::State& state, const QRect& control) {
  const auto loader = Platform::Make_Qt_Picture_Loader();
  for (auto _ : state) {
    const std::optional<QSize> own = loader->Read_Size(g_photo);
    if (!own) {
      state.SkipWithError("no size");
      break;
    }
    const QImage seen = loader->Load(g_photo, Platform::Plan_Decode(*own, control, kScreen));
    if (!Check(state, seen, kScreen)) break;
    benchmark::DoNotOptimize(seen.constBits());
  }
}

void Fit_DecodeWhatIsSeen(benchmark::State& state) { Decode_What_Is_Seen(state, kFitted); }

void OwnSize_DecodeAllThenCopy(benchmark::State& state) {
  for (auto _ : state) {
    QImageReader reader(g_photo);
    const QImage whole = reader.read();
    const QImage seen = whole.copy(kSeenOfOwnSize);
    if (!Check(state, seen, kScreen)) break;
    benchmark::DoNotOptimize(seen.constBits());
  }
}

void OwnSize_DecodeWhatIsSeen(benchmark::State& state) { Decode_What_Is_Seen(state, kOwnSize); }

// The display step's decode of an everyday picture placed at `control`.
void Everyday(benchmark::State& state, const QString& path, const QRect& control) {
  const auto loader = Platform::Make_Qt_Picture_Loader();
  for (auto _ : state) {
    const std::optional<QSize> own = loader->Read_Size(path);
    const Platform::Decode_Request plan = Platform::Plan_Decode(own.value_or(QSize()), control, kScreen);
    const QImage seen = own ? loader->Load(path, plan) : QImage();
    if (!Check(state, seen, plan.clip.size())) break;
    benchmark::DoNotOptimize(seen.constBits());
  }
}

void Small_Jpeg_OwnSize(benchmark::State& state) { Everyday(state, g_small_jpeg, {448, 156, 1024, 768}); }
void Gif_Fitted(benchmark::State& state) { Everyday(state, g_gif, {0, -180, 1920, 1440}); }
void Bmp_Fitted(benchmark::State& state) { Everyday(state, g_bmp, {0, -180, 1920, 1440}); }

BENCHMARK(Fit_DecodeAllThenScale)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Fit_DecodeWhatIsSeen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OwnSize_DecodeAllThenCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OwnSize_DecodeWhatIsSeen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Small_Jpeg_OwnSize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Gif_Fitted)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Bmp_Fitted)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // for the picture format plug-ins
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  QTemporaryDir dir;
  if (!dir.isValid()) return 1;
  g_photo = dir.filePath(QStringLiteral("photo.jpg"));
  if (!Bench::Photo_Like(kPicture).save(g_photo, "JPEG", 90)) {
    std::fprintf(stderr, "bench_display: cannot write %s\n", qPrintable(g_photo));
    return 1;
  }
  g_small_jpeg = dir.filePath(QStringLiteral("small.jpg"));
  g_gif = dir.filePath(QStringLiteral("picture.gif"));
  g_bmp = dir.filePath(QStringLiteral("picture.bmp"));
  const QImage everyday = Bench::Photo_Like({1600, 1200}, 7);
  QFile gif(g_gif);
  if (!everyday.copy(0, 0, 1024, 768).save(g_small_jpeg, "JPEG", 90) || !everyday.save(g_bmp, "BMP") ||
      !gif.open(QIODevice::WriteOnly) || gif.write(Gif_Of(everyday)) <= 0) {
    std::fprintf(stderr, "bench_display: cannot write the everyday pictures\n");
    return 1;
  }
  gif.close();
  benchmark::AddCustomContext(
      "photo", QStringLiteral("%1 x %2 JPEG, %3 MB")
                   .arg(kPicture.width())
                   .arg(kPicture.height())
                   .arg(QFileInfo(g_photo).size() / 1e6, 0, 'f', 1)
                   .toStdString());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
