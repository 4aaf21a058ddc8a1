// The music adapter on real media made here, with SDL's dummy audio driver.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "platform/services.h"

namespace {

QByteArray le16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }
QByteArray le32(int v) { return le16(v & 0xFFFF) + le16((v >> 16) & 0xFFFF); }
QByteArray be16(int v) { return QByteArray(1, char((v >> 8) & 0xFF)) + char(v & 0xFF); }
QByteArray be32(int v) { return be16((v >> 16) & 0xFFFF) + be16(v & 0xFFFF); }

// A mono 16-bit PCM tone.
QByteArray wav(double seconds) {
  const int rate = 22050;
  const int samples = int(rate * seconds);
  QByteArray pcm;
  for (int i = 0; i < samples; ++i) pcm += le16(int(3000 * std::sin(i * 0.05)));
  return "RIFF" + le32(36 + pcm.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
         le32(rate * 2) + le16(2) + le16(16) + "data" + le32(pcm.size()) + pcm;
}

// MPEG-1 layer III frames of silence: 128 kbit/s at 44.1 kHz, 417 bytes and 1152 samples each.
QByteArray mp3(int frames) {
  QByteArray out;
  for (int i = 0; i < frames; ++i) {
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x44);
    out += frame;
  }
  return out;
}

// A format-0 MIDI file: one note of about `seconds` at the default tempo (96 ticks a beat).
QByteArray midi(double seconds) {
  const int ticks = int(seconds * 2 * 96);
  QByteArray track;
  track += QByteArray("\x00\x90\x3C\x60", 4);  // note on, middle C
  // the delta time as a variable-length number
  QByteArray delta;
  int t = ticks;
  delta.prepend(char(t & 0x7F));
  while (t >>= 7) delta.prepend(char(0x80 | (t & 0x7F)));
  track += delta + QByteArray("\x80\x3C\x40", 3);  // note off
  track += QByteArray("\x00\xFF\x2F\x00", 4);      // end of track
  return "MThd" + be32(6) + be16(0) + be16(1) + be16(96) + "MTrk" + be32(track.size()) + track;
}

class Music : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  std::unique_ptr<Platform::MusicGraph> Graph() {
    auto graph = music->Create_Graph();
    EXPECT_NE(graph, nullptr) << "the dummy audio driver should give a device";
    return graph;
  }
  QTemporaryDir dir;
  std::unique_ptr<Platform::MusicSeam> music = Platform::Make_Sdl_Music();
};

TEST_F(Music, WhatRendersAndWhatDoesNot) {
  struct { QString name; QByteArray bytes; bool plays; } cases[] = {
      {"tone.wav", wav(0.5), true},
      {"silence.mp3", mp3(40), true},
      {"tune.mid", midi(1.0), true},
      {"TUNE.MID", midi(1.0), true},
      {"text.mp3", "this is not music\r\n", false},
      {"text.mid", "this is not music either\r\n", false},
      {"text.wav", "RIFF but not really", false},
      {"empty.mp3", "", false},
  };
  for (const auto& c : cases) {
    auto graph = Graph();
    ASSERT_TRUE(graph);
    const QString path = Write(c.name, c.bytes);
    const bool plays = graph->RenderFile(path) && graph->Run();
    EXPECT_EQ(plays, c.plays) << c.name.toStdString();
    graph->Stop();
  }
  auto graph = Graph();
  EXPECT_FALSE(graph->RenderFile(dir.filePath("missing.mp3")));
  EXPECT_FALSE(graph->RenderFile(dir.path()));  // a folder
  const QString odd = Write("a, b — ünïcode.wav", wav(0.2));
  EXPECT_TRUE(graph->RenderFile(odd));
}

TEST_F(Music, DurationPositionAndTheEndOfTheStream) {
  for (const auto& [name, bytes, length] :
       {std::tuple{QString("tone.wav"), wav(0.4), 0.4}, std::tuple{QString("silence.mp3"), mp3(12), 12 * 1152 / 44100.0}}) {
    auto graph = Graph();
    const QString path = Write(name, bytes);
    ASSERT_TRUE(graph->RenderFile(path));
    EXPECT_NEAR(graph->Duration(), length, 0.05) << name.toStdString();
    ASSERT_TRUE(graph->Run());
    EXPECT_LT(graph->Position(), graph->Duration());
    // Played to its end, the position reaches the duration; a restart plays it again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return graph->Position() >= graph->Duration(); }, 10000))
        << name.toStdString();
    ASSERT_TRUE(graph->Run());
    EXPECT_LT(graph->Position(), graph->Duration());
    graph->Stop();
    EXPECT_GE(graph->Position(), graph->Duration());
  }
}

TEST_F(Music, MidiHasNoKnownLengthButItsEndIsSeen) {
  auto graph = Graph();
  ASSERT_TRUE(graph->RenderFile(Write("short.mid", midi(0.3))));
  ASSERT_TRUE(graph->Run());
  EXPECT_LT(graph->Position(), graph->Duration());
  EXPECT_TRUE(QTest::qWaitFor([&] { return graph->Position() >= graph->Duration(); }, 15000));
}

}  // namespace
