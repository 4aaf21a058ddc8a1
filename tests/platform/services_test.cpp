#include "platform/services.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

// A guard puts seams in place and gives back what it replaced, also when nested or set twice.
TEST(Services, AGuardGivesBackWhatItReplaced) {
  using Platform::Services;
  Platform::MsgBoxSeam* const real = &Services::MsgBox();
  Fakes::Messages first, second;
  {
    Services::Guard outer;
    outer.msg_box(first);
    {
      Services::Guard inner;
      inner.msg_box(second).msg_box(first).msg_box(second);
      EXPECT_EQ(&Services::MsgBox(), &second);
    }
    EXPECT_EQ(&Services::MsgBox(), &first);
  }
  EXPECT_EQ(&Services::MsgBox(), real);
}
