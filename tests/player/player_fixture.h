// A player on the offscreen platform with fake seams, playing real show files of fake pictures.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QThreadPool>
#include <QTemporaryDir>

#include "menu/menu_frm.h"
#include "player/main_frm.h"
#include "player/picture_source.h"
#include "startup/forms.h"
#include "startup/general.h"
#include "support/fakes.h"

inline void flush_events() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// Lets the decodes under way finish and their results arrive.
inline void settle_decodes() {
  Picture_Source::Pool().waitForDone();
  flush_events();
}

class Player : public ::testing::Test {
 protected:
  void SetUp() override {
    General::StartedFromCommandLine = false;
    General::UseMusic = 0;
    General::MusicPath.clear();
  }
  void TearDown() override {
    pictures.Release();
    Picture_Source::Pool().waitForDone();  // no decode outlives the fake pictures
    Forms::Close(Forms::Kind::Main);
    Forms::Close(Forms::Kind::Menu);
    flush_events();
    General::StartedFromCommandLine = false;
  }

  // Writes a show file with these lines (CR LF) and returns its path.
  QString Show_File(const QStringList& lines, const QString& name = "show.sli") {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& l : lines) f.write(QFile::encodeName(l) + "\r\n");
    return path;
  }
  static QStringList Options(const QString& strech, const QString& ratio, const QString& loop,
                             const QString& delay = "5", const QString& back_col = "0",
                             const QString& shuff = "0", const QString& message = "1",
                             const QString& use_music = "0", const QString& music = "") {
    return {"Strech=" + strech, "Ratio=" + ratio, "Shuff=" + shuff, "Delay=" + delay,
            "BackCol=" + back_col, "Loop=" + loop, "Message=" + message, "UseMusic=" + use_music,
            "Music=" + music};
  }

  // Starts the player on `path` as the menu would, and waits until the show is loaded.
  Main_Frm* Play(const QString& path) {
    Forms::Menu()->Open_File_Path_Txt = path;
    Main_Frm* f = Forms::Main();
    f->show();
    flush_events();
    return f;
  }

  QTemporaryDir dir;
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Files files;
  Fakes::Music music;
  Platform::Services::Scoped seams{&msg, &program, &pictures, nullptr, nullptr, &music};
};
