#include "core/colour/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace Platform {

QColor Colour_Of(std::int32_t value) {
  if (value >= 0 && value <= 0xFFFFFF)
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
  const std::uint32_t u = static_cast<std::uint32_t>(value);
  if ((u & 0xFFFFFF00u) != 0x80000000u || (u & 0xFF) > 24) return Qt::black;
  // The classic system colour indexes, each to the nearest role of the desktop's palette.
  static constexpr QPalette::ColorRole roles[25] = {
      QPalette::Button,          // 0 scroll bar
      QPalette::Dark,            // 1 desktop
      QPalette::Highlight,       // 2 active caption
      QPalette::Mid,             // 3 inactive caption
      QPalette::Window,          // 4 menu bar
      QPalette::Base,            // 5 window background
      QPalette::Shadow,          // 6 window frame
      QPalette::WindowText,      // 7 menu text
      QPalette::Text,            // 8 window text
      QPalette::HighlightedText, // 9 caption text
      QPalette::Button,          // 10 active border
      QPalette::Button,          // 11 inactive border
      QPalette::Mid,             // 12 application workspace
      QPalette::Highlight,       // 13 highlight
      QPalette::HighlightedText, // 14 highlighted text
      QPalette::Button,          // 15 button face
      QPalette::Dark,            // 16 button shadow
      QPalette::PlaceholderText, // 17 grey text
      QPalette::ButtonText,      // 18 button text
      QPalette::WindowText,      // 19 inactive caption text
      QPalette::Light,           // 20 button highlight
      QPalette::Shadow,          // 21 3-D dark shadow
      QPalette::Midlight,        // 22 3-D light
      QPalette::ToolTipText,     // 23 tooltip text
      QPalette::ToolTipBase,     // 24 tooltip background
  };
  return QGuiApplication::palette().color(QPalette::Active, roles[u & 0xFF]);
}

}  // namespace Platform
