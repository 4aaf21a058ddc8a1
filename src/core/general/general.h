// The program's shared state and the small path procedures every window uses. FileExists,
// FolderExists and End_Program reach outside the program: they are in platform/general.h.
#pragma once

#include <QRect>
#include <QString>

namespace General {

// Shared state: one copy for the whole program.
extern int UseMusic;                 // the show being played has background music (nonzero = on)
extern QString MusicPath;            // full path of the music file
extern int MusicPlaying;             // 1 once the player started its music: restart it at its end

// The text between the first two double quotes, or the text unchanged when it holds fewer than two.
QString StripQuotes(const QString& text);
// The part of `path` in front of its last separator; a file in a root folder gives the root.
QString GetFolder(const QString& path);
// True for a root folder: "/" here, "X:\" (or "X:/") on Windows.
bool Is_Drive_Root(const QString& folder);
// A folder and a file name joined: a root folder is followed directly by the name, any other folder
// by the separator and the name.
QString Join_Path(const QString& folder, const QString& name);

// The per-user folder for the program's run files (created on demand) and the two run files.
QString Data_Folder();
QString Run_File_Path();      // folder shows: temp.ini
QString Preview_File_Path();  // the maker's preview: temp.sli

// Geometry of the design is in twips: 15 twips to a logical pixel.
constexpr int Twips_Per_Pixel = 15;
int Twips_To_Pixels(double twips);
// A control's place given in twips, in pixels.
QRect Twips(int left, int top, int width, int height);
QRect Twips(const QRect& twips);

// Rounds to the nearest whole number, halves to the even neighbour.
double Round_Even(double x);
// x \ 2 of the design: x rounded (halves to even), then halved dropping the fraction.
long long Half(double x);

}  // namespace General
