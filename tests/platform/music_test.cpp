// The music adapter on real media made here, with SDL's dummy audio driver.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "platform/services.h"
#include "support/files.h"

// A play ends at its duration (for MIDI, of no known length, all the same); Run plays it again, Stop
// ends it.
TEST(Music, WhatPlaysReachesItsEndAndRestarts) {
  QTemporaryDir dir;
  // 400 ms of mono 16-bit silence at 22050 Hz; a MIDI file of one middle C of about 0.3 s.
  const QByteArray wav = QByteArray("RIFF\x0C\x45\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x22\x56\0\0\x44\xAC\0\0\2\0\x10\0data\xE8\x44\0\0", 44) + QByteArray(17640, '\0');
  const QByteArray midi("MThd\0\0\0\6\0\0\0\1\0\x60" "MTrk\0\0\0\x0C\0\x90\x3C\x60\x39\x80\x3C\x40\0\xFF\x2F\0", 34);
  const struct { QString name; QByteArray bytes; double length; } cases[] = {  // length 0: unknown; -1: does not play
      {"a, b — ünïcode.wav", wav, 0.4}, {"tune.mid", midi, 0}, {"text.MID", "this is not music\r\n", -1}, {"missing.wav", {}, -1}, {"", {}, -1}};
  for (const auto& c : cases) {
    const QString path = dir.filePath(c.name);
    ASSERT_TRUE(c.bytes.isEmpty() || Write_File(path, c.bytes));
    SCOPED_TRACE(path.toStdString());
    const auto graph = Platform::Make_Sdl_Music()->Create_Graph();
    ASSERT_NE(graph, nullptr) << "the dummy audio driver gives a device";
    ASSERT_EQ(graph->RenderFile(path) && graph->Run(), c.length >= 0);
    if (c.length < 0) continue;
    if (c.length > 0) { EXPECT_NEAR(graph->Duration(), c.length, 0.05); }
    EXPECT_LT(graph->Position(), graph->Duration());
    EXPECT_TRUE(QTest::qWaitFor([&] { return graph->Position() >= graph->Duration(); }, 15000));
    EXPECT_TRUE(graph->Run() && graph->Position() < graph->Duration());
    graph->Stop();
    EXPECT_GE(graph->Position(), graph->Duration());
  }
}
