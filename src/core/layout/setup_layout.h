// The set-up window's layout rules on resize, in twips: the outer height is fixed, the outer width
// has a minimum; the three option frames stay at the right edge, the folder frame and its lists
// stretch, the run button spans the width and the check boxes keep their distance from the right.
#pragma once

namespace Setup_Layout {

inline constexpr int Outer_Width_Min = 5505;
inline constexpr int Outer_Height = 6210;

struct Places {
  int Width = 0;            // the outer width after the minimum
  int Frame_Left = 0;       // Display_Fra, Delay_Fra and Colour_Fra
  int Main_Fra_Width = 0;
  int List_Width = 0;       // Dir1, Drive1 and Num_Files_Lbl
  int Run_btn_Width = 0;
  int Music_Chk_Left = 0;
  int Shuff_Chk_Left = 0;
  int Loop_Chk_Left = 0;
  int Message_Chk_Left = 0;
  friend bool operator==(const Places&, const Places&) = default;
};

// Where the controls go for an outer width (twips).
Places Arrange(int outer_width);

}  // namespace Setup_Layout
