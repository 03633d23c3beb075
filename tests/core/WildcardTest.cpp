#include "platform/NameCompare.h"
#include "platform/Wildcard.h"

#include <gtest/gtest.h>

using platform::wildcardMatch;

TEST(Wildcard, MatchesAsTheWindowsDirectorySearch)
{
    struct Case {
        const char* mask;
        const char* name;
        bool match;
    };
    const Case cases[] = {
        {"*.vsm", "DM-Deck.vsm", true},
        {"*.vsm", "DM-Deck.VSM", true},
        {"*.vsm", "DM-Deck.vsm.bak", false},
        {"*.vsm", "DM-Deck.vs", false},
        {"*.vsm", "DM-Deck.vsmx", false},
        {"*.vsm", ".vsm", true},
        {"CTF*.vsm", "CTF-Face.vsm", true},
        {"CTF*.vsm", "ctf-face.vsm", true},
        {"CTF*.vsm", "VCTF-Face.vsm", false},
        {"ctf*.vsm", "CTF-Face.vsm", true},
        {"DM*.vsm", "DMX.vsm", true},
        {"*.*", "noextension", true},
        {"*.*", ".", true},
        {"*", "anything.at.all", true},
        {"*.ini", "config.ini", true},
        {"*.ini", "English.INI", true},
        {"?.vsm", "a.vsm", true},
        {"?.vsm", "ab.vsm", false},
        {"[a].vsm", "[a].vsm", true},
        {"[a].vsm", "a.vsm", false},
        {"a*b*c", "aXXbYYc", true},
        {"a*b*c", "aXXbYY", false},
        {"name.*", "name", true},
        {"name.*", "name.txt", true},
        {"", "", true},
        {"", "a", false},
        {"\xe4*.vsm", "\xe4-x.vsm", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wildcardMatch(c.mask, c.name), c.match) << c.mask << " vs " << c.name;
}

TEST(Wildcard, ManyStarsStayFast)
{
    const std::string mask = std::string(50, '*') + "b";
    const std::string name(10000, 'a');
    EXPECT_FALSE(wildcardMatch(mask, name));
}

TEST(NameCompare, EqualIgnoringCase)
{
    EXPECT_TRUE(platform::namesEqual("DM-Deck_LOC_int.vsp", "dm-deck_loc_INT.VSP"));
    EXPECT_FALSE(platform::namesEqual("a", "ab"));
}
