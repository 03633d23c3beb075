#include "catalogue/MapNames.h"
#include "operations/IniTemplate.h"
#include "operations/SizeText.h"
#include "platform/TextCodec.h"
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

TEST(SizeText, CutsAfterTwoDecimalsWithTheUsersSeparator)
{
    struct Case {
        std::int64_t bytes;
        const char* text;
    };
    const Case cases[] = {
        {0, "0 MB"},
        {734003, "0,69 MB"},
        {1048576, "1 MB"},
        {1572864, "1,5 MB"},
        {12945678, "12,34 MB"},
        {104857600, "100 MB"},
        {1, "0,00 MB"},     // 0,000000953…: cut after two decimals, never rounded
        {1048575, "0,99 MB"},
        {5LL * 1024 * 1024 * 1024, "5120 MB"},
        {5LL * 1024 * 1024 * 1024 + 7, "5120,00 MB"},
        {10485, "0,00 MB"}, // 0,0099…
        {10486, "0,01 MB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(operations::sizeText(c.bytes, ','), c.text) << c.bytes;
    EXPECT_EQ(operations::sizeText(1572864, '.'), "1.5 MB");
}

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

#ifndef _WIN32
// POSIX only: Windows shows bytes in its ANSI code page.
TEST(TextCodec, KeepsUtf8AndReadsOtherBytesAsWindows1252)
{
    using platform::displayFromBytes;
    EXPECT_EQ(displayFromBytes("Gr\xc3\xb6\xc3\x9f" "e"), "Gr\xc3\xb6\xc3\x9f" "e");
    EXPECT_EQ(displayFromBytes("Gr\xf6\xdf" "e"), "Gr\xc3\xb6\xc3\x9f" "e");
    EXPECT_EQ(displayFromBytes("\x80"), "\xe2\x82\xac");
    EXPECT_EQ(displayFromBytes("\xc3"), "\xc3\x83");        // a cut UTF-8 sequence is not UTF-8
    EXPECT_EQ(displayFromBytes("\xed\xa0\x80"), "\xc3\xad\xc2\xa0\xe2\x82\xac"); // nor a surrogate
    EXPECT_EQ(displayFromBytes(""), "");
}
#endif
