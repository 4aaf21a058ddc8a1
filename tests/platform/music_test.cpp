// The music adapter on real media made here, with SDL's dummy audio driver.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "platform/services.h"
#include "support/files.h"

namespace {

// `ms` milliseconds of mono 16-bit silence at 22050 Hz.
QByteArray wav(int ms = 400) {
  const quint32 data = 22050 * 2 * ms / 1000;
  auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
  return "RIFF" + le32(36 + data) +
         QByteArray("WAVEfmt \x10\0\0\0\1\0\1\0\x22\x56\0\0\x44\xAC\0\0\2\0\x10\0data", 32) +
         le32(data) + QByteArray(data, '\0');
}

// MPEG-1 layer III frames of silence: 128 kbit/s at 44.1 kHz, 417 bytes and 1152 samples each.
QByteArray mp3(int frames) {
  QByteArray frame(417, '\0');
  frame.replace(0, 4, "\xFF\xFB\x90\x44");
  return frame.repeated(frames);
}

// A format-0 MIDI file: one middle C of 57 ticks (about 0.3 s) at 96 ticks a beat.
const QByteArray kMidi("MThd\0\0\0\6\0\0\0\1\0\x60" "MTrk\0\0\0\x0C"
                       "\0\x90\x3C\x60\x39\x80\x3C\x40\0\xFF\x2F\0", 34);

class Music : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    EXPECT_TRUE(Write_File(dir.filePath(name), bytes));
    return dir.filePath(name);
  }
  QTemporaryDir dir;
  std::unique_ptr<Platform::MusicGraph> graph = Platform::Make_Sdl_Music()->Create_Graph();
};

TEST_F(Music, WhatPlaysAndWhatDoesNot) {
  ASSERT_NE(graph, nullptr) << "the dummy audio driver gives a device";
  const struct { QString path; bool plays; } cases[] = {
      {Write("quiet.wav", wav()), true},
      {Write("short.wav", wav(10)), true},
      {Write("twentieth.wav", wav(50)), true},
      {Write("silence.mp3", mp3(40)), true},
      {Write("tune.mid", kMidi), true},
      {Write("a, b — ünïcode.wav", wav()), true},
      {Write("text.mp3", "this is not music\r\n"), false},
      {Write("text.mid", "this is not music either\r\n"), false},
      {Write("text.wav", "RIFF but not really"), false},
      {Write("empty.mp3", ""), false},
      {dir.filePath("missing.mp3"), false},
      {dir.path(), false},
  };
  for (const auto& c : cases) {
    graph = Platform::Make_Sdl_Music()->Create_Graph();
    EXPECT_EQ(graph->RenderFile(c.path) && graph->Run(), c.plays) << c.path.toStdString();
    graph->Stop();
  }
}

TEST_F(Music, PositionReachesTheDurationAtTheEndAndARunRestarts) {
  ASSERT_NE(graph, nullptr);
  // A file of a few milliseconds may be over before its position is read; it restarts all the same.
  const struct { QString path; double length; bool brief = false; } cases[] = {
      {Write("quiet.wav", wav()), 0.4},
      {Write("silence.mp3", mp3(12)), 12 * 1152 / 44100.0},
      {Write("short.mid", kMidi), 0},  // no known length: its end is seen all the same
      {Write("short.wav", wav(20)), 0.02, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    graph = Platform::Make_Sdl_Music()->Create_Graph();
    ASSERT_TRUE(graph->RenderFile(c.path));
    if (c.length > 0) { EXPECT_NEAR(graph->Duration(), c.length, 0.05); }
    ASSERT_TRUE(graph->Run());
    if (!c.brief) { EXPECT_LT(graph->Position(), graph->Duration()); }
    EXPECT_TRUE(QTest::qWaitFor([&] { return graph->Position() >= graph->Duration(); }, 15000));
    ASSERT_TRUE(graph->Run());
    if (!c.brief) { EXPECT_LT(graph->Position(), graph->Duration()); }
    graph->Stop();
    EXPECT_GE(graph->Position(), graph->Duration());
  }
}

}  // namespace
