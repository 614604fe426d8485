// SPDX-License-Identifier: GPL-2.0-or-later
// Mnemonics given to the popup menus built from a view's commands.
#include "ui/Mnemonics.h"

#include <gtest/gtest.h>

namespace orrin::test {
namespace {

TEST(MnemonicsTest, EachTextTakesTheFirstLetterNoOtherTextHas)
{
    EXPECT_EQ(WithMnemonics({"Modify", "Move", "&Delete", "Dial", "M-M", "Save && close"}),
              QStringList({"&Modify", "M&ove", "&Delete", "D&ial", "M-M", "&Save && close"}));
    EXPECT_EQ(WithMnemonics({"Löschen", "lokal"}), QStringList({"&Löschen", "l&okal"}));
}

} // namespace
} // namespace orrin::test
