// The settings' conversions from text, on any text: each kind reads numbers alike and differs
// only in its range, and every value read is written back as a text that reads as the same value.
#include <cstdint>

#include "core/settings/settings.h"
#include "fuzz/fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace Settings;
  const QString text = QString::fromUtf8(Fuzz::Bytes(data, size));
  const std::optional<std::int16_t> whole = To_Whole(text);
  const std::optional<std::int32_t> colour = To_Colour(text), twips = To_Size(text);
  const std::optional<bool> truth = To_Truth(text);

  FUZZ_CHECK((!whole || To_Whole(Whole_Text(*whole)) == whole) && (!colour || To_Colour(Colour_Text(*colour)) == colour) &&
             (!twips || To_Size(Size_Text(*twips)) == twips) && (!truth || To_Truth(Truth_Text(*truth)) == truth));
  // A 16-bit whole number and a window size are colour values too, with the same value; a colour
  // value that fits the narrower kinds is read by them.
  FUZZ_CHECK((!whole || colour == *whole) && (!twips || (colour == *twips && *twips >= 0 && *twips <= Max_Size_Twips)));
  FUZZ_CHECK(!colour || ((whole == *colour) == (*colour >= INT16_MIN && *colour <= INT16_MAX) &&
                         (twips == *colour) == (*colour >= 0 && *colour <= Max_Size_Twips)));
  FUZZ_CHECK(!colour || *colour == 0 || truth == true);  // a number that is not nought is true
  return 0;
}
