// A player on the offscreen platform with fake seams, playing real show files of fake pictures.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QThreadPool>

#include "core/general/general.h"
#include "player/main_frm.h"
#include "player/picture_box.h"
#include "support/fakes.h"
#include "support/windows.h"

// Lets the decodes under way finish and their results arrive.
inline void settle_decodes() {
  Picture_Source::Pool().waitForDone();
  Flush_Events();
}

// The desktop's screen saver: counts the holds on it that are held now.
struct Awake final : Platform::ScreenSaverSeam {
  struct Hold final : Platform::Awake_Hold { int& n; explicit Hold(int& c) : n(++c) {} ~Hold() override { --n; } };
  std::unique_ptr<Platform::Awake_Hold> Keep_Awake(const QString&) override { return std::make_unique<Hold>(held); }
  int held = 0;
};

class Player : public ::testing::Test {
 protected:
  Player() {
    seams.msg_box(msg).program(program).pictures(pictures).music(music).navigator(navigator).screen_saver(awake);
    General::UseMusic = 0;
    General::MusicPath.clear();
  }
  void TearDown() override {
    pictures.Release();
    settle_decodes();  // no decode outlives the fake pictures
    Close(player);
    Flush_Events();
  }

  // Writes the show file `name` (in the temporary folder, or a full path): the nine option lines,
  // each default replaced by one of `set` ("Key=value"), then the pictures.
  QString Show_File(const QStringList& set, const QStringList& paths, const QString& name = "show.sli") {
    QStringList lines{"Strech=False", "Ratio=0", "Shuff=0", "Delay=5", "BackCol=0", "Loop=1", "Message=1", "UseMusic=0", "Music="};
    for (const QString& s : set) for (QString& l : lines) l = l.section('=', 0, 0) == s.section('=', 0, 0) ? s : l;
    EXPECT_TRUE(Write_File(QDir(dir.path()).filePath(name), Crlf_Lines(lines + paths)));
    return QDir(dir.path()).filePath(name);
  }
  // Closes the player that plays, then starts it on `file` as from `origin`, until the show is loaded.
  Main_Frm* Play(const QString& file, Platform::Show_Origin origin = Platform::Show_Origin::Menu) {
    Close(player);
    Flush_Events();
    Load(player)->Start(file, origin);
    Flush_Events();
    return player;
  }
  // Plays a show of these pictures, each known to the fake at `size`.
  Main_Frm* Play_Pictures(const QStringList& set, const QStringList& paths, QSize size = {40, 30}) {
    for (const QString& p : paths) pictures.Add(p, size);
    return Play(Show_File(set, paths));
  }
  QString Song() { EXPECT_TRUE(Write_File(dir.filePath("song.mp3"))); return dir.filePath("song.mp3"); }  // a music file
  bool Playing() const { return Is_Loaded(player); }  // leaving the show closes the player

  QTemporaryDir dir;
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Music music;
  Fakes::Navigator navigator;
  Awake awake;
  QPointer<Main_Frm> player;
  Platform::Services::Guard seams;
};
