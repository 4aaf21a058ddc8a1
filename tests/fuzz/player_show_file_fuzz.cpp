// The player's reading of a show file, on any bytes: the player loads it as the menu starts it
// (fake seams: message boxes, the program's end, pictures of which three load, music, random draws
// and the navigator). A file it cannot take ends the program with "Error, Invaild File!"; any
// other gives a show whose delay, colour and play list are within what the file can say.
#include <QThreadPool>

#define FUZZ_WINDOWS
#include "core/general/general.h"
#include "core/show_file/show_file.h"
#include "fuzz/fuzz.h"
#include "player/main_frm.h"
#include "player/picture_source.h"
#include "support/fakes.h"
#include "support/windows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView bytes = Fuzz::Bytes(data, size);
  Fakes::Messages msg;
  Fakes::Program program;
  Fakes::Pictures pictures;
  Fakes::Music music;
  Fakes::Random random;
  Fakes::Navigator navigator;
  random.values = {0.7, 0.1, 0.5, 0.9, 0.3};
  pictures.thread_safe = true;
  for (const auto& [picture, own] : {std::pair("/p/1.jpg", QSize(40, 30)), {"/p/2.gif", QSize(3000, 2000)}, {"/p/3.bmp", QSize(1, 1)}})
    pictures.Add(QString::fromLatin1(picture), own);
  Platform::Services::Guard seams;
  seams.msg_box(msg).program(program).pictures(pictures).music(music).random(random).navigator(navigator);
  General::UseMusic = 0;
  General::MusicPath.clear();

  QPointer<Main_Frm> player;
  Main_Frm* f = Load(player);
  f->Start(Fuzz::Write_File(QStringLiteral("show.sli"), bytes), Platform::Show_Origin::Menu);
  Flush_Events();
  const qsizetype lines = Fuzz::Lines(bytes);
  if (!msg.shown.isEmpty() && msg.shown[0].text == "Error, Invaild File!")
    FUZZ_CHECK(program.end_codes.value(0) == 1);
  else if (player)
    FUZZ_CHECK(lines >= 9 && f->List2.size() <= lines && f->List2.size() >= lines - 9 && f->Timer1_Interval >= 0 &&
               f->Timer1_Interval <= 65535 && ShowFile::Is_Valid_Colour(f->BackCol));
  Close(player);
  Flush_Events();
  Picture_Source::Pool().waitForDone();  // a picture decoded ahead uses the fakes
  return 0;
}
