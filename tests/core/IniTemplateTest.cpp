#include "operations/IniTemplate.h"

#include <gtest/gtest.h>

TEST(IniTemplate, FillsTheFirstThreeLinesOnly)
{
    LineList memo = operations::iniTemplate();
    ASSERT_EQ(memo.size(), 6u);
    EXPECT_EQ(memo[3], "NumPlayers=2 to 8 players          ");
    operations::fillIniTemplate(memo, "CTF-Face-Remix");
    EXPECT_EQ(memo[0], "[CTF-Face-Remix VSUIDataProvider_MapInfo]");
    EXPECT_EQ(memo[1], "MapName=CTF-Face-Remix");
    EXPECT_EQ(memo[2], "FriendlyName=Face-Remix");
    EXPECT_EQ(memo[5], "Description=None");
    operations::fillIniTemplate(memo, "Deck");
    EXPECT_EQ(memo[2], "FriendlyName=Deck");
}
