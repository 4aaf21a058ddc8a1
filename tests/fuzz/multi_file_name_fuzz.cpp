// The file dialog control's split of a chosen file name (a plain path or the raw buffer of a
// multiple selection) into a folder and file names. The input's first byte chooses the count the
// caller passes with as many files already listed (0 as the program's windows do, or a later
// start, a negative one, the largest), the rest is the file name.
#include <cstdint>

#include "fuzz/fuzz.h"
#include "platform/open_save_dialog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const std::int32_t starts[] = {0, 0, 0, 0, 1, 2, -1, INT32_MIN, INT32_MAX};
  const std::int32_t start = starts[data[0] % std::size(starts)];
  const qsizetype listed = start == 1 || start == 2 ? start : 0;
  const QString name = QString::fromUtf8(Fuzz::Bytes(data + 1, size - 1)), nul(1, QChar(0));
  Platform::OpenSaveDialog dialog;
  dialog.FileName(name);
  QString dir;
  QStringList files(listed, QStringLiteral("listed"));
  std::int32_t count = start;
  try {
    dialog.ParseMultiFileName(dir, files, count);
  } catch (const Platform::Dialog_Error& e) {
    // Only a count past the largest is refused, and then nothing has changed.
    FUZZ_CHECK(e.Number == 6 && start == INT32_MAX && dir.isEmpty() && files.size() == listed && count == start && dialog.FileName() == name);
    return 0;
  }
  if (!name.contains(nul + nul)) {
    // A plain path: its folder and its name, which give the path again.
    const qsizetype between = name.size() - dir.size() - files.value(0).size();
    FUZZ_CHECK(count == 1 && files.size() == 1 && name.startsWith(dir) && name.endsWith(files[0]) && !files[0].contains(u'/'));
    FUZZ_CHECK((between == 1 ? name[dir.size()] == u'/' : between == 0 && (dir.isEmpty() || dir == "/")) && dialog.FileName() == name);
    return 0;
  }
  // A multiple selection: file i is strFiles[i - 1], counted on from the start given (a negative
  // one from 0), none holding a NUL; the file name is cut at its first NUL.
  FUZZ_CHECK(count >= std::max(start, 0) && (std::max(start, 0) != listed || files.size() == count) && !dir.contains(nul) &&
             dialog.FileName() == name.left(name.indexOf(nul)));
  for (qsizetype i = 0; i < files.size(); ++i) FUZZ_CHECK(!files[i].contains(nul) && (i >= listed || files[i] == "listed"));
  return 0;
}
