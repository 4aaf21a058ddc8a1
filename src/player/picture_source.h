// Where the player's pictures come from: decoded off the user-interface thread on a small pool of
// the program's own, for the window they will be shown in, with the shown picture's neighbours
// decoded ahead and kept, so that a step either way finds its picture ready.
#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

#include "core/pictures/neighbour_cache.h"
#include "platform/services.h"
#include "core/play/fitting.h"

class QThreadPool;

// A picture as the player shows it: its file, in a display mode, in a window of a size.
struct Picture_Key {
  QString path;
  Fitting::Mode mode = Fitting::Mode::Own_Size;
  QSize window;
  friend bool operator==(const Picture_Key&, const Picture_Key&) = default;
};

// A decode's result: the picture's own size (as seen), what of it was decoded, and the pixels; a
// null image when the picture could not be decoded.
struct Decoded_Picture {
  QSize own;
  Platform::Decode_Request request;
  QImage image;
};

class Picture_Source : public QObject {
  Q_OBJECT
 public:
  // Decoded neighbours are kept up to this many bytes, or three window-sized pictures' worth when
  // that is more (on a large screen the next two are kept still).
  static constexpr qint64 kKept_Bytes = qint64(40) << 20;

  explicit Picture_Source(QObject* parent = nullptr);
  ~Picture_Source() override;

  // Reads the picture's own size from its header, places it by the fitting rules for its window and
  // decodes only what is seen there.
  static Decoded_Picture Decode(Platform::PictureLoaderSeam& loader, const Picture_Key& key);

  // The pictures wanted from now on, most wanted first: the one to show, then the neighbours to
  // decode ahead. Returns the first when it is decoded already; otherwise its decode goes first
  // and Ready follows. Anything no longer wanted is let go: a decode not started is dropped, the
  // result of one under way is ignored. A picture is decoded at most once at a time. A loader
  // that works on one thread only decodes the first picture here and now, and nothing ahead.
  std::optional<Decoded_Picture> Want(const QList<Picture_Key>& wanted);
  // A wanted picture that is decoded already.
  std::optional<Decoded_Picture> Find(const Picture_Key& key) const;
  // The decoded pictures held, most wanted first.
  QList<Picture_Key> Held() const { return kept_.Held(); }

  // The program's own pool of decoding threads, shared by every source.
  static QThreadPool& Pool();
  // True while a decode runs or waits on the pool.
  static bool Busy();

 signals:
  // A wanted picture has been decoded (or found undecodable).
  void Ready(const Picture_Key& key);

 private:
  struct Job;
  struct Relay;
  void Finished(const Picture_Key& key, const Decoded_Picture& decoded);
  void Start(const Picture_Key& key, bool first);

  Pictures::Neighbour_Cache<Picture_Key, Decoded_Picture> kept_{kKept_Bytes};
  QList<std::shared_ptr<Job>> jobs_;  // under way or waiting, one a key
  std::shared_ptr<Relay> relay_;
};
