// Where the maker's controls stand: their design places, and the places for a window of any width
// with its toolbar of any height. A wider window moves the right-hand controls right and widens the
// lists, the music path and the delay; a taller toolbar moves everything below it down. Plain rules
// in pixels, so tests check them directly.
#pragma once

#include <QRect>
#include <array>

namespace Maker_Layout {

// The controls that move; Music_Btn, Music_Txt and Music_Chk lie in Music_Fra, Delay_Scroll and
// Delay_Lbl in Delay_Fra (their places are relative to the frame).
enum Control {
  Music_Fra, Music_Btn, Music_Txt, Music_Chk, cmdDown, cmdUp, Add_Btn, Delay_Fra, Delay_Scroll,
  Delay_Lbl, Colour_Fra, Display_Fra, Check1, List1, Dir1, Drive1, File1, Label2, Label1, Image1,
  Image2, Count
};

using Places = std::array<QRect, Count>;

// The design outer width of the window, in twips and in pixels.
inline constexpr int Design_Outer_Width_Twips = 6210;
int Design_Outer_Width();

// The design places, in pixels.
const Places& Design();

// The places at outer width `outer_width` (pixels) when everything below the toolbar stands
// `shift` pixels lower than in the design. At the design width every control is at its design
// place; no width is ever negative.
Places Arrange(int outer_width, int shift);

// The fixed outer height: the bottom of the "Pictures Loaded:" label, moved by `shift`, plus 500
// twips.
int Outer_Height(int shift);

// The drive list's top below a toolbar `toolbar_height` pixels high (50 twips below it), and the
// shift of everything below the toolbar that follows from it.
int Drive_Top(int toolbar_height);
int Shift(int toolbar_height);

// The narrowest outer width: 150 twips beyond the right edge of the toolbar's last button.
int Min_Outer_Width(int last_button_right);

}  // namespace Maker_Layout
