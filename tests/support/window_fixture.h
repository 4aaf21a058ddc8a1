// A fixture for the tests of the folder windows (set-up, search) and of the windows together: the
// message, program and picture seams faked, a fake navigator, pictures in a temporary folder, no
// settings saved, and the windows closed and the run file removed after a test.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/general/general.h"
#include "core/settings/settings.h"
#include "support/fakes.h"
#include "support/windows.h"

class Window_Test : public ::testing::Test {
 protected:
  Window_Test() { seams.msg_box(msg).program(program).pictures(pictures).navigator(navigator); }
  void SetUp() override {
    Close_All();  // a window closed saves its settings: remove them after
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
  }
  void TearDown() override { Close_All(); }
  // Closes the window under test; the test class names it.
  virtual void Close_Window() = 0;
  void Close_All() {
    Close_Window();
    Flush_Events();
    QFile::remove(General::Run_File_Path());
    QDir(General::Run_File_Path()).removeRecursively();
    General::MusicPath.clear();
    navigator.log.clear();
  }
  // Pictures made in the temporary folder, known to the picture seam.
  void Make(const QStringList& files) {
    for (const QString& f : Full(files)) {
      ASSERT_TRUE(QDir().mkpath(QFileInfo(f).path()));
      ASSERT_TRUE(Write_File(f));
      pictures.Add(f, {40, 30});
    }
  }
  QStringList Full(QStringList relatives) const {
    for (QString& r : relatives) r = dir.path() + "/" + r;
    return relatives;
  }

  QTemporaryDir dir;
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Navigator navigator;
  Platform::Services::Guard seams;
};
