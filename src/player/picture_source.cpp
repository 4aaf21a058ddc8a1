#include "player/picture_source.h"

#include <QAtomicInt>
#include <QMutex>
#include <QRunnable>
#include <QThread>
#include <QThreadPool>
#include <algorithm>

#include "core/decode/decode_plan.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Two decodes at a time at most (one on a single core). The pool is the player's own: Qt's drawing
// scales pictures on the application's global pool, which a decode never occupies.
QThreadPool* Make_Pool() {
#ifdef __GLIBC__
  // Decoded pictures are large and short-lived: their memory goes back to the system when they
  // go, instead of staying with the allocator of the thread that decoded them.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
  auto* pool = new QThreadPool;
  pool->setMaxThreadCount(qBound(1, QThread::idealThreadCount(), 2));
  return pool;
}

QAtomicInt g_running;  // decodes on the pool, started or waiting

}  // namespace

// One decode on the pool. `state`: 0 waiting, 1 started, 2 dropped before it started.
struct Picture_Source::Job {
  Picture_Key key;
  QAtomicInt state = 0;
};

// How a finished decode finds its source: cleared when the source goes, under the lock.
struct Picture_Source::Relay {
  QMutex mutex;
  Picture_Source* source = nullptr;
};

Picture_Source::Picture_Source(QObject* parent) : QObject(parent), relay_(std::make_shared<Relay>()) {
  relay_->source = this;
}

Picture_Source::~Picture_Source() {
  QMutexLocker lock(&relay_->mutex);
  relay_->source = nullptr;
  for (const auto& job : jobs_) job->state.testAndSetRelaxed(0, 2);
}

QThreadPool& Picture_Source::Pool() {
  // Never destroyed: the program ends without waiting for a decode.
  static QThreadPool* pool = Make_Pool();
  return *pool;
}

bool Picture_Source::Busy() { return g_running.loadAcquire() > 0; }

Decoded_Picture Picture_Source::Decode(Platform::PictureLoaderSeam& loader, const Picture_Key& key) {
  Decoded_Picture d;
  const auto own = loader.Read_Size(key.path);
  if (!own) return d;
  const QRect place = Fitting::Fit_Picture(key.mode, *own, key.window);
  d.own = *own;
  d.request = Platform::Plan_Decode(*own, place, key.window);
  d.image = loader.Load(key.path, d.request);
  return d;
}

std::optional<Decoded_Picture> Picture_Source::Want(const QList<Picture_Key>& wanted) {
  if (!wanted.isEmpty()) {
    const QSize window = wanted.first().window;
    kept_.Set_Bound(std::max(kKept_Bytes, 3 * 4 * qint64(window.width()) * window.height()));
  }
  kept_.Want(wanted);
  // Drop what is no longer wanted: waiting decodes never start; one under way stays listed, so
  // that wanting it again waits for it instead of decoding it twice, but its result is let go
  // unless it is wanted again by then.
  jobs_.removeIf([&](const std::shared_ptr<Job>& job) {
    return !wanted.contains(job->key) && job->state.testAndSetRelaxed(0, 2);
  });
  if (wanted.isEmpty()) return std::nullopt;
  Platform::PictureLoaderSeam& loader = Platform::Services::Pictures();
  if (!loader.Thread_Safe()) {
    if (!kept_.Find(wanted.first())) {
      const Decoded_Picture d = Decode(loader, wanted.first());
      kept_.Put(wanted.first(), d, d.image.sizeInBytes());
    }
  } else {
    for (qsizetype i = 0; i < wanted.size(); ++i) Start(wanted[i], i == 0);
  }
  return Find(wanted.first());
}

std::optional<Decoded_Picture> Picture_Source::Find(const Picture_Key& key) const {
  const Decoded_Picture* d = kept_.Find(key);
  if (!d) return std::nullopt;
  return *d;
}

void Picture_Source::Start(const Picture_Key& key, bool first) {
  if (key.path.isEmpty() || kept_.Find(key)) return;
  for (const auto& job : jobs_)
    if (job->key == key) return;  // under way already
  auto job = std::make_shared<Job>();
  job->key = key;
  jobs_.push_back(job);
  Platform::PictureLoaderSeam* loader = &Platform::Services::Pictures();
  g_running.ref();
  Pool().start(
      [job, loader, relay = relay_] {
        struct Done {
          ~Done() { g_running.deref(); }
        } done;
        if (!job->state.testAndSetRelaxed(0, 1)) return;  // dropped before it started
        const Decoded_Picture d = Decode(*loader, job->key);
        QMutexLocker lock(&relay->mutex);
        if (Picture_Source* source = relay->source)
          QMetaObject::invokeMethod(
              source, [source, key = job->key, d] { source->Finished(key, d); }, Qt::QueuedConnection);
      },
      first ? 1 : 0);
}

void Picture_Source::Finished(const Picture_Key& key, const Decoded_Picture& decoded) {
  jobs_.removeIf([&](const std::shared_ptr<Job>& job) { return job->key == key; });
  // A result no longer wanted is let go.
  if (!kept_.Is_Wanted(key)) return;
  kept_.Put(key, decoded, decoded.image.sizeInBytes());
  emit Ready(key);
}
