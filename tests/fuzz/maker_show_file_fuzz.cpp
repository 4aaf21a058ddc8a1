// The maker's reading of a show file, on any bytes: a file loaded with the maker's Load button and
// saved again with Save loads back as the same list and the same options, so a load and a save
// lose nothing. A file the maker cannot take says "Error Loading in File!" and keeps the lines it
// read before the fault.
//
// One maker serves the whole run (closing it writes the settings, which takes far longer than a
// load); before each input it loads a show that sets every option, and its list is cleared.
#include <QPointer>

#include "fuzz/fuzz.h"
#include "maker/maker_frm.h"
#include "support/fakes.h"
#include "support/windows.h"

namespace {

struct Maker {
  Maker() {
    seams.msg_box(msg).pictures(pictures).directories(dirs).file_dialogs(dialogs);
    seams.navigator(navigator);
    Load(window);
  }
  // Loads (or saves) through the toolbar with the dialog answering `path` and every question
  // answered `answer`.
  void Click(const char* button, const QString& path = {}, int answer = Platform::vbNo) {
    dialogs.answers = {Fakes::File_Dialogs::Choose(path)};
    msg.answers = {answer, answer};
    msg.shown.clear();
    dialogs.calls.clear();
    pictures.loads.clear();
    window->Toolbar1_ButtonClick(button);
  }
  bool Said(const QString& text) const {
    for (const Fakes::Message& m : msg.shown)
      if (m.text == text) return true;
    return false;
  }

  Fakes::Messages msg;
  Fakes::Pictures pictures;
  Fakes::Directories dirs;
  Fakes::File_Dialogs dialogs;
  Fakes::Navigator navigator;
  Platform::Services::Guard seams;
  QPointer<Maker_Frm> window;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Fuzz::Start_Application();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Maker maker;
  static const QString start = Fuzz::Write_File(
      QStringLiteral("start.sli"),
      "Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=5\r\nBackCol=0\r\nLoop=1\r\nMessage=1\r\n"
      "UseMusic=0\r\nMusic=\r\n/p/1.jpg\r\n");
  maker.Click("Load", start);
  maker.Click("Clear", {}, Platform::vbYes);

  const QByteArrayView bytes = Fuzz::Bytes(data, size);
  const QString in = Fuzz::Write_File(QStringLiteral("in.sli"), bytes);
  maker.Click("Load", in);
  Maker_Frm* f = maker.window;
  const QStringList entries = f->Entries();
  const ShowFile::Options options = f->Show_Options();
  const qsizetype lines = Fuzz::Lines(bytes);
  FUZZ_CHECK(f->Label2->text() == QString::number(entries.size()));
  FUZZ_CHECK(entries.size() <= lines);
  if (maker.Said("Error Loading in File!")) {
    FUZZ_CHECK(maker.msg.shown.size() == 1);
    return 0;
  }
  FUZZ_CHECK(maker.msg.shown.isEmpty());
  FUZZ_CHECK(lines >= 9 && entries.size() >= lines - 9);
  FUZZ_CHECK(options.Delay >= 0 && options.Delay <= 60);
  if (entries.isEmpty()) return 0;  // nothing to save

  const QString out = Fuzz::Write_File(QStringLiteral("out.sli"), {});
  QFile::remove(out);
  maker.Click("Save", out);
  FUZZ_CHECK(!maker.Said("Error Saving!"));
  maker.Click("Load", out);
  FUZZ_CHECK(!maker.Said("Error Loading in File!"));
  FUZZ_CHECK(f->Entries() == entries);
  FUZZ_CHECK(f->Show_Options() == options);
  return 0;
}
