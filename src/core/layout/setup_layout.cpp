#include "core/layout/setup_layout.h"

#include <algorithm>

namespace Setup_Layout {

namespace {
// Design widths of the controls that move.
constexpr int Frame_Width = 2130;  // all three option frames
constexpr int Main_Fra_Left = 90;
constexpr int Music_Chk_Width = 420;
constexpr int Shuff_Chk_Width = 870;
constexpr int Loop_Chk_Width = 735;
constexpr int Message_Chk_Width = 2040;
}  // namespace

Places Arrange(int outer_width) {
  Places p;
  p.Width = std::max(outer_width, Outer_Width_Min);
  p.Frame_Left = p.Width - Frame_Width - 225;
  p.Main_Fra_Width = p.Frame_Left - Main_Fra_Left - 75;
  p.List_Width = p.Main_Fra_Width - 180;
  p.Run_btn_Width = p.Width - 765;
  p.Music_Chk_Left = p.Width - Music_Chk_Width - 180;
  p.Shuff_Chk_Left = p.Width - Shuff_Chk_Width - 1260;
  p.Loop_Chk_Left = p.Width - Loop_Chk_Width - 360;
  p.Message_Chk_Left = p.Width - Message_Chk_Width - 225;
  return p;
}

}  // namespace Setup_Layout
