// The settings' conversions from text, on any text: each kind reads numbers alike and differs
// only in its range, and every value read is written back as a text that reads as the same value.
#include <cstdint>

#include "core/settings/settings.h"
#include "fuzz/fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace Settings;
  const QString text = QString::fromUtf8(Fuzz::Bytes(data, size));
  const std::optional<std::int16_t> whole = To_Whole(text);
  const std::optional<std::int32_t> colour = To_Colour(text);
  const std::optional<std::int32_t> twips = To_Size(text);
  const std::optional<bool> truth = To_Truth(text);

  if (whole) FUZZ_CHECK(To_Whole(Whole_Text(*whole)) == whole);
  if (colour) FUZZ_CHECK(To_Colour(Colour_Text(*colour)) == colour);
  if (twips) FUZZ_CHECK(To_Size(Size_Text(*twips)) == twips);
  if (truth) FUZZ_CHECK(To_Truth(Truth_Text(*truth)) == truth);

  // A 16-bit whole number and a window size are colour values too, with the same value.
  if (whole) FUZZ_CHECK(colour == *whole);
  if (twips) FUZZ_CHECK(colour == *twips && *twips >= 0 && *twips <= Max_Size_Twips);
  // A colour value that fits the narrower kinds is read by them.
  if (colour && *colour >= INT16_MIN && *colour <= INT16_MAX) FUZZ_CHECK(whole == *colour);
  if (colour && *colour >= 0 && *colour <= Max_Size_Twips) FUZZ_CHECK(twips == *colour);
  // A number that is not nought is true.
  if (colour && *colour != 0) FUZZ_CHECK(truth == true);
  return 0;
}
