// The maker's reading of a show file, on any bytes: a file loaded with the maker's Load button and
// saved again with Save loads back as the same list and the same options, so a load and a save
// lose nothing. A file the maker cannot take says "Error Loading in File!" and keeps the lines it
// read before the fault.
//
// One maker serves the whole run (closing it writes the settings, which takes far longer than a
// load); before each input it loads a show that sets every option, and its list is cleared.
#include <algorithm>

#define FUZZ_WINDOWS
#include "fuzz/fuzz.h"
#include "maker/maker_frm.h"
#include "support/fakes.h"
#include "support/windows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Fakes::Messages msg;
  static Fakes::Pictures pictures;
  static Fakes::Directories dirs;
  static Fakes::File_Dialogs dialogs;
  static Fakes::Navigator navigator;
  static Platform::Services::Guard seams;
  static QPointer<Maker_Frm> window;
  static Maker_Frm* const f = [] { seams.msg_box(msg).pictures(pictures).directories(dirs).file_dialogs(dialogs).navigator(navigator); return Load(window); }();
  // Clicks a toolbar button with the dialog answering `path` and every question answered `answer`;
  // whether a message said `text`.
  const auto click = [](const char* button, const QString& path, const char* text = "", int answer = Platform::vbNo) {
    dialogs.answers = {Fakes::File_Dialogs::Choose(path)};
    msg.answers = {answer, answer};
    msg.shown.clear();
    dialogs.calls.clear();
    pictures.loads.clear();
    f->Toolbar1_ButtonClick(button);
    return std::any_of(msg.shown.cbegin(), msg.shown.cend(), [&](const Fakes::Message& m) { return m.text == text; });
  };
  static const QString start = Fuzz::Write_File(QStringLiteral("start.sli"),
      "Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=5\r\nBackCol=0\r\nLoop=1\r\nMessage=1\r\nUseMusic=0\r\nMusic=\r\n/p/1.jpg\r\n");
  click("Load", start);
  click("Clear", {}, "", Platform::vbYes);

  const QByteArrayView bytes = Fuzz::Bytes(data, size);
  const bool refused = click("Load", Fuzz::Write_File(QStringLiteral("in.sli"), bytes), "Error Loading in File!");
  const QStringList entries = f->Entries();
  const ShowFile::Options options = f->Show_Options();
  const qsizetype lines = Fuzz::Lines(bytes);
  FUZZ_CHECK(f->Label2->text() == QString::number(entries.size()) && entries.size() <= lines);
  FUZZ_CHECK(msg.shown.size() == (refused ? 1 : 0));
  if (refused) return 0;
  FUZZ_CHECK(lines >= 9 && entries.size() >= lines - 9 && options.Delay >= 0 && options.Delay <= 60);
  if (entries.isEmpty()) return 0;  // nothing to save

  const QString out = Fuzz::Home().path() + QStringLiteral("/out.sli");
  QFile::remove(out);
  FUZZ_CHECK(!click("Save", out, "Error Saving!"));
  FUZZ_CHECK(!click("Load", out, "Error Loading in File!"));
  FUZZ_CHECK(f->Entries() == entries && f->Show_Options() == options);
  return 0;
}
