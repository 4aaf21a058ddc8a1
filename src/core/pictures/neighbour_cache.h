// Which decoded pictures are kept: the ones wanted now (the shown picture and its neighbours), most
// wanted first, as far as their bytes fit a bound. Anything else is let go at once.
#pragma once

#include <QList>
#include <QtGlobal>
#include <utility>

namespace Pictures {

template <typename Key, typename Value>
class Neighbour_Cache {
 public:
  explicit Neighbour_Cache(qint64 bound) : bound_(bound) {}

  // A new bound, applied at once.
  void Set_Bound(qint64 bound) {
    bound_ = bound;
    Trim();
  }

  // The pictures wanted from now on, most wanted first. Held ones no longer wanted, or pushed past
  // the bound by more wanted ones, are dropped.
  void Want(QList<Key> wanted) {
    wanted_ = std::move(wanted);
    Trim();
  }
  bool Is_Wanted(const Key& key) const { return wanted_.contains(key); }

  // Keeps a decoded picture of `bytes` bytes when it is wanted and fits beside the more wanted
  // ones (dropping less wanted ones to make room). True when it is kept.
  bool Put(const Key& key, Value value, qint64 bytes) {
    Remove(key);
    if (!Is_Wanted(key)) return false;
    held_.push_back({key, std::move(value), bytes});
    Trim();
    return Find(key) != nullptr;
  }

  const Value* Find(const Key& key) const {
    for (const Entry& e : held_)
      if (e.key == key) return &e.value;
    return nullptr;
  }

  QList<Key> Held() const {
    QList<Key> keys;
    for (const Key& k : wanted_)
      if (Find(k)) keys.push_back(k);
    return keys;
  }
  qint64 Bytes() const {
    qint64 sum = 0;
    for (const Entry& e : held_) sum += e.bytes;
    return sum;
  }

 private:
  struct Entry {
    Key key;
    Value value;
    qint64 bytes;
  };

  void Remove(const Key& key) {
    held_.removeIf([&](const Entry& e) { return e.key == key; });
  }

  // Walks the wanted pictures in order; each held one stays while the sum fits the bound.
  void Trim() {
    QList<Entry> kept;
    qint64 sum = 0;
    for (const Key& k : wanted_) {
      for (Entry& e : held_) {
        if (!(e.key == k)) continue;
        if (sum + e.bytes <= bound_) {
          sum += e.bytes;
          kept.push_back(std::move(e));
        }
        break;
      }
    }
    held_ = std::move(kept);
  }

  qint64 bound_;
  QList<Key> wanted_;
  QList<Entry> held_;
};

}  // namespace Pictures
