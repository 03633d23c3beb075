#include "catalogue/MapNames.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(MapNames, TitlesBasesAndHeadings)
{
    EXPECT_EQ(MapNameOf(native("/m/DM-Deck.vsm")), "Deck");
    EXPECT_EQ(MapNameOf(native("/m/CTF-Twin-Towers.vsm")), "Twin-Towers");
    EXPECT_EQ(MapNameOf(native("/m/Deck.vsm")), "Deck");
    EXPECT_EQ(MapNameOf(native("/m-x/Deck.vsm")), "Deck");
    EXPECT_EQ(MapNameOf(native("/m/-.vsm")), "");
    EXPECT_EQ(MapNameOf("x"), "");
    EXPECT_EQ(baseName(native("/m/sub/DM-Deck.vsm")), "DM-Deck");
    EXPECT_EQ(basePath(native("/m/sub/DM-Deck.vsm")), native("/m/sub/DM-Deck"));
    EXPECT_EQ(fileNameOf(native("/m/sub/DM-Deck.vsm")), "DM-Deck.vsm");
    EXPECT_EQ(lastComponent(native("/home/me/Downloads/Maps")), "Maps");
    EXPECT_EQ(lastComponent(native("/home/me/Maps/")), "");
    EXPECT_EQ(lastComponent("Maps"), "Maps");
    EXPECT_EQ(publishedFolder(native("/home/me/Documents")),
              native("/home/me/Documents/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps"));
    EXPECT_EQ(unpublishedFolder(native("/d")), native("/d/My Games/Vesmar Arena/VSGame/Unpublished/CookedPC/CustomMaps"));
}
