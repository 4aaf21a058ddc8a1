#include "core/show_file/maker_file.h"

namespace Maker_File {

QString Save_Target(const QString& chosen) {
  if (chosen.right(4).toLower() == QLatin1String(".sli")) return chosen;
  return chosen + QStringLiteral(".sli");
}

}  // namespace Maker_File
