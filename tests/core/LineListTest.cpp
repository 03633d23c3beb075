#include "platform/Errors.h"
#include "settings/LineList.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using settings::parseLines;
using namespace std::string_literals; // the NUL rows need their whole bytes

TEST(LineList, SplitsAtEveryKindOfLineBreak)
{
    struct Case {
        std::string text;
        LineList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\n", {"a", ""}},
        {"a\0b\nc"s, {"a"}},
        {"\0a"s, {}},
        {" a \t", {" a \t"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseLines(c.text), c.lines) << "text: " << testing::PrintToString(c.text);
}

TEST(LineList, EmbeddedNulEndsTheText)
{
    const std::string text("one\r\ntwo\0three\r\n", 16);
    EXPECT_EQ(parseLines(text), (LineList{"one", "two"}));
}

TEST(LineList, WritesCrLfAfterEveryLineAndRoundTrips)
{
    TempFolder folder;
    const std::string path = folder / "list.txt";
    settings::saveLineList(path, {"a", "", "b\xe4"});
    EXPECT_EQ(readFile(path), "a\r\n\r\nb\xe4\r\n");
    EXPECT_EQ(settings::loadLineList(path), (LineList{"a", "", "b\xe4"}));
    settings::saveLineList(path, {});
    EXPECT_EQ(readFile(path), "");
}

TEST(LineList, MissingFileAndMissingLineFailWithTheProgramsMessages)
{
    TempFolder folder;
    try {
        settings::loadLineList(folder / "nothing.ini");
        FAIL() << "no error";
    } catch (const platform::FileOpenError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Datei " + (folder / "nothing.ini") + " kann nicht geöffnet werden. ", 0), 0u);
    }
    EXPECT_THROW(settings::loadLineList(folder.path()), platform::FileOpenError);

    const LineList lines{"a", "b"};
    EXPECT_EQ(settings::lineAt(lines, 1), "b");
    try {
        settings::lineAt(lines, 2);
        FAIL() << "no error";
    } catch (const platform::ListIndexError& error) {
        EXPECT_STREQ(error.what(), "Listenindex überschreitet das Maximum (2)");
    }
}
