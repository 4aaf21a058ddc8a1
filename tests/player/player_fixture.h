// A player on the offscreen platform with fake seams, playing real show files of fake pictures.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QThreadPool>

#include "core/general/general.h"
#include "player/main_frm.h"
#include "player/picture_source.h"
#include "support/fakes.h"
#include "support/windows.h"

// Lets the decodes under way finish and their results arrive.
inline void settle_decodes() {
  Picture_Source::Pool().waitForDone();
  Flush_Events();
}

class Player : public ::testing::Test {
 protected:
  Player() {
    seams.msg_box(msg).program(program).pictures(pictures).music(music).navigator(navigator)
        .screen_saver(screen_saver);
  }
  void SetUp() override {
    General::UseMusic = 0;
    General::MusicPath.clear();
  }
  void TearDown() override {
    pictures.Release();
    Picture_Source::Pool().waitForDone();  // no decode outlives the fake pictures
    Close(player);
    Flush_Events();
  }

  // Writes a show file with these lines (CR LF) and returns its path.
  QString Show_File(const QStringList& lines, const QString& name = "show.sli") {
    EXPECT_TRUE(Write_File(dir.filePath(name), Crlf_Lines(lines)));
    return dir.filePath(name);
  }
  static QStringList Options(const QString& strech, const QString& ratio, const QString& loop,
                             const QString& delay = "5", const QString& back_col = "0",
                             const QString& shuff = "0", const QString& message = "1",
                             const QString& use_music = "0", const QString& music = "") {
    return {"Strech=" + strech, "Ratio=" + ratio, "Shuff=" + shuff, "Delay=" + delay,
            "BackCol=" + back_col, "Loop=" + loop, "Message=" + message, "UseMusic=" + use_music,
            "Music=" + music};
  }

  // Plays a show of these pictures, each known to the picture seam at `size`, with these options.
  Main_Frm* Play_Pictures(const QStringList& options, const QStringList& paths, QSize size = {40, 30}) {
    for (const QString& p : paths) pictures.Add(p, size);
    return Play(Show_File(options + paths));
  }
  // Starts the player on `path` as the menu would (or from `origin`), and waits until the show is
  // loaded.
  Main_Frm* Play(const QString& path, Platform::Show_Origin origin = Platform::Show_Origin::Menu) {
    Main_Frm* f = Load(player);
    f->Start(path, origin);
    Flush_Events();
    return f;
  }
  // Whether the player is still loaded: leaving the show closes it.
  bool Playing() const { return Is_Loaded(player); }

  QTemporaryDir dir;
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Music music;
  Fakes::Navigator navigator;
  Fakes::Screen_Saver screen_saver;
  QPointer<Main_Frm> player;
  Platform::Services::Guard seams;
};
