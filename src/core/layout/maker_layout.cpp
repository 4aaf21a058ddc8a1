#include "core/layout/maker_layout.h"

#include <algorithm>

#include "core/general/general.h"

namespace Maker_Layout {

namespace {

using General::Twips_To_Pixels;

using General::Twips;

Places Make_Design() {
  Places p;
  p[Music_Fra] = Twips(135, 4410, 5865, 735);
  p[Music_Btn] = Twips(5445, 270, 285, 330);
  p[Music_Txt] = Twips(630, 270, 4740, 330);
  p[Music_Chk] = Twips(135, 270, 375, 330);
  p[cmdDown] = Twips(3600, 6030, 270, 765);
  p[cmdUp] = Twips(3600, 5265, 270, 765);
  p[Add_Btn] = Twips(3285, 2430, 2670, 285);
  p[Delay_Fra] = Twips(2385, 2880, 1725, 1455);
  p[Delay_Scroll] = Twips(135, 810, 1455, 285);
  p[Delay_Lbl] = Twips(135, 405, 1455, 285);
  p[Colour_Fra] = Twips(4230, 2880, 1770, 1455);
  p[Display_Fra] = Twips(135, 2880, 2130, 1455);
  p[Check1] = Twips(4230, 6885, 1620, 255);
  p[List1] = Twips(120, 5220, 3435, 1620);
  p[Dir1] = Twips(120, 1080, 3015, 1665);
  p[Drive1] = Twips(120, 720, 3015, 315);
  p[File1] = Twips(3240, 720, 2775, 1650);
  // The count runs from just after "Pictures Loaded:" to the thumbnail switch, room for any count.
  p[Label2] = Twips(1395, 6885, 2715, 255);
  p[Label1] = Twips(195, 6885, 1215, 255);
  p[Image1] = Twips(3960, 5220, 2055, 1590);
  p[Image2] = p[Image1];
  return p;
}

}  // namespace

int Design_Outer_Width() { return Twips_To_Pixels(Design_Outer_Width_Twips); }

const Places& Design() {
  static const Places design = Make_Design();
  return design;
}

Places Arrange(int outer_width, int shift) {
  Places p = Design();
  const int delta = outer_width - Design_Outer_Width();
  auto move_right = [&](Control c) { p[c].translate(delta, 0); };
  auto widen = [&](Control c) { p[c].setWidth(std::max(0, p[c].width() + delta)); };
  for (Control c : {Colour_Fra, File1, Add_Btn, Image1, Image2, Check1, cmdUp, cmdDown})
    move_right(c);
  for (Control c : {List1, Dir1, Drive1, Music_Fra, Music_Txt, Delay_Lbl, Delay_Scroll, Label2})
    widen(c);
  // The delay frame ends 120 twips left of the colour frame; the "..." button stays 420 twips
  // inside the music frame's right edge.
  p[Delay_Fra].setWidth(
      std::max(0, p[Colour_Fra].left() - Twips_To_Pixels(120) - p[Delay_Fra].left()));
  p[Music_Btn].moveLeft(std::max(0, p[Music_Fra].width() - Twips_To_Pixels(420)));
  // Everything on the window below the toolbar follows it down; the frames' contents keep their
  // places in their frames.
  for (int c = 0; c < Count; ++c) {
    switch (c) {
      case Music_Btn: case Music_Txt: case Music_Chk: case Delay_Scroll: case Delay_Lbl: break;
      default: p[c].translate(0, shift);
    }
  }
  return p;
}

int Outer_Height(int shift) {
  const QRect label = Design()[Label1];
  return label.top() + shift + label.height() + Twips_To_Pixels(500);
}

int Drive_Top(int toolbar_height) { return toolbar_height + Twips_To_Pixels(50); }

int Shift(int toolbar_height) { return Drive_Top(toolbar_height) - Design()[Drive1].top(); }

int Min_Outer_Width(int last_button_right) { return last_button_right + Twips_To_Pixels(150); }

}  // namespace Maker_Layout
