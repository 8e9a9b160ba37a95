#include <QWidget>
#include <gtest/gtest.h>

#include "ui/BusyGuard.h"

TEST(BusyGuard, DisablesUntilTheOutermostGuardEnds) {
    QWidget commands;
    {
        BusyGuard outer(&commands);
        EXPECT_FALSE(commands.isEnabled());
        {
            BusyGuard inner(&commands);
            EXPECT_FALSE(commands.isEnabled());
        }
        EXPECT_FALSE(commands.isEnabled());
    }
    EXPECT_TRUE(commands.isEnabled());
}
