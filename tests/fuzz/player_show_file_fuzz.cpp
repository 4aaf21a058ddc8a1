// The player's reading of a show file, on any bytes: the player loads it as the menu starts it
// (fake seams: message boxes, the program's end, pictures of which three load, music, random draws
// and the navigator). A file it cannot take ends the program with "Error, Invaild File!"; any
// other gives a show whose delay, colour and play list are within what the file can say.
#include <QPointer>
#include <QThreadPool>

#include "core/general/general.h"
#include "core/show_file/show_file.h"
#include "fuzz/fuzz.h"
#include "player/main_frm.h"
#include "player/picture_source.h"
#include "support/fakes.h"
#include "support/windows.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Fuzz::Start_Application();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView bytes = Fuzz::Bytes(data, size);
  const QString path = Fuzz::Write_File(QStringLiteral("show.sli"), bytes);
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Music music;
  Fakes::Random random;
  Fakes::Navigator navigator;
  random.values = {0.7, 0.1, 0.5, 0.9, 0.3};
  pictures.thread_safe = true;
  pictures.Add(QStringLiteral("/p/1.jpg"), {40, 30});
  pictures.Add(QStringLiteral("/p/2.gif"), {3000, 2000});
  pictures.Add(QStringLiteral("/p/3.bmp"), {1, 1});
  Platform::Services::Guard seams;
  seams.msg_box(msg).program(program).pictures(pictures).music(music).random(random);
  seams.navigator(navigator);
  General::UseMusic = 0;
  General::MusicPath.clear();

  QPointer<Main_Frm> player;
  Main_Frm* f = Load(player);
  f->Start(path, Platform::Show_Origin::Menu);
  Flush_Events();

  const bool refused = !msg.shown.isEmpty() && msg.shown[0].text == "Error, Invaild File!";
  if (refused) {
    FUZZ_CHECK(program.end_codes.value(0) == 1);
  } else if (player) {
    const qsizetype lines = Fuzz::Lines(bytes);
    FUZZ_CHECK(lines >= 9);
    FUZZ_CHECK(f->List2.size() <= lines && f->List2.size() >= lines - 9);
    FUZZ_CHECK(f->Timer1_Interval >= 0 && f->Timer1_Interval <= 65535);
    FUZZ_CHECK(ShowFile::Is_Valid_Colour(f->BackCol));
  }
  Close(player);
  Flush_Events();
  Picture_Source::Pool().waitForDone();  // a picture decoded ahead uses the fakes
  return 0;
}
