// A fixture for the tests of the folder windows (set-up, search): the message, program and picture
// seams faked, no settings saved, and every window closed and the run file removed after a test.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/settings/settings.h"
#include "app/forms.h"
#include "core/general/general.h"
#include "support/fakes.h"

class Window_Test : public ::testing::Test {
 protected:
  Window_Test() { seams.msg_box(msg).program(program).pictures(pictures); }
  void SetUp() override {
    Close_All();  // a window closed saves its settings: remove them after
    QFile::remove(Settings::Store_File(Settings::App_Vistabel));
  }
  void TearDown() override { Close_All(); }
  void Close_All() {
    for (auto kind : {Forms::Kind::Search, Forms::Kind::Main, Forms::Kind::Setup, Forms::Kind::Menu})
      Forms::Close(kind);
    Flush_Events();
    QFile::remove(General::Run_File_Path());
    QDir(General::Run_File_Path()).removeRecursively();
    General::StartedFromCommandLine = false;
    General::MusicPath.clear();
  }
  static void Flush_Events() {
    for (int i = 0; i < 3; ++i) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }
  // The run file's lines; each must end in CR LF.
  static QStringList Run_File_Lines() {
    QFile f(General::Run_File_Path());
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = f.readAll();
    EXPECT_TRUE(all.endsWith("\r\n"));
    QStringList lines = QString::fromUtf8(all).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
  }

  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Platform::Services::Guard seams;
};
