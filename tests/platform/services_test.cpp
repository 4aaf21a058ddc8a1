#include "platform/services.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace {

TEST(Services, AGuardPutsSeamsInPlaceAndGivesBackWhatItReplaced) {
  using Platform::Services;
  Platform::MsgBoxSeam* const real = &Services::MsgBox();
  Fakes::Messages first, second;
  Fakes::Shell shell;
  {
    Services::Guard outer;
    outer.msg_box(first);
    {
      Services::Guard inner;
      inner.msg_box(second).shell(shell).msg_box(first).msg_box(second);
      EXPECT_EQ(&Services::MsgBox(), &second);
      EXPECT_EQ(&Services::Shell(), &shell);
    }
    EXPECT_EQ(&Services::MsgBox(), &first);
    EXPECT_NE(&Services::Shell(), &shell);
  }
  EXPECT_EQ(&Services::MsgBox(), real);
}

}  // namespace
