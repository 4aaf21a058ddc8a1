#include "core/general/general.h"

#include <QDir>
#include <QStandardPaths>
#include <cmath>

namespace General {

int UseMusic = 0;
QString MusicPath;
int MusicPlaying = 0;

QString StripQuotes(const QString& text) {
  const qsizetype first = text.indexOf(QLatin1Char('"'));
  if (first < 0) return text;
  const qsizetype second = text.indexOf(QLatin1Char('"'), first + 1);
  if (second < 0) return text;
  return text.mid(first + 1, second - first - 1);
}

static bool is_separator(QChar c) {
  return c == QLatin1Char('/') || (QDir::separator() == QLatin1Char('\\') && c == QLatin1Char('\\'));
}

QString GetFolder(const QString& path) {
  qsizetype last = -1;
  for (qsizetype i = 0; i < path.size(); ++i)
    if (is_separator(path[i])) last = i;
  if (last < 0) return QString();
  const QString folder = path.left(last);
  // A file in a root folder: keep the root itself so that a search can start there.
  if (folder.isEmpty() || (folder.size() == 2 && folder[1] == QLatin1Char(':')))
    return path.left(last + 1);
  return folder;
}

bool Is_Drive_Root(const QString& folder) {
  if (folder == QLatin1String("/")) return true;
  return folder.size() == 3 && folder[1] == QLatin1Char(':') &&
         (folder[2] == QLatin1Char('\\') || folder[2] == QLatin1Char('/'));
}

QString Join_Path(const QString& folder, const QString& name) {
  if (Is_Drive_Root(folder)) return folder + name;
  return folder + QDir::separator() + name;
}

QString Data_Folder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty()) folder = QDir::homePath() + QLatin1String("/.local/share/Vistabel");
  QDir().mkpath(folder);
  return QDir::toNativeSeparators(folder);
}

QString Run_File_Path() { return Join_Path(Data_Folder(), QStringLiteral("temp.ini")); }

QString Preview_File_Path() { return Join_Path(Data_Folder(), QStringLiteral("temp.sli")); }

double Round_Even(double x) {
  // By hand rather than by the floating-point rounding mode, which a compiler may take as the
  // default whatever it is set to: floor and the fraction are exact in any mode.
  const double whole = std::floor(x), fraction = x - whole;
  if (fraction < 0.5) return whole;
  if (fraction > 0.5) return whole + 1;
  return std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1;  // a half: to the even neighbour
}

long long Half(double x) { return static_cast<long long>(Round_Even(x)) / 2; }

int Twips_To_Pixels(double twips) {
  return static_cast<int>(Round_Even(twips / Twips_Per_Pixel));
}

QRect Twips(int left, int top, int width, int height) {
  return {Twips_To_Pixels(left), Twips_To_Pixels(top), Twips_To_Pixels(width),
          Twips_To_Pixels(height)};
}

QRect Twips(const QRect& twips) {
  return Twips(twips.x(), twips.y(), twips.width(), twips.height());
}

}  // namespace General
