#include "operations/IniText.h"
#include "settings/LineList.h"

#include <gtest/gtest.h>

TEST(IniText, EachFileKeepsItsEncodingAndUnchangedTextItsBytes)
{
    using Encoding = operations::IniText::Encoding;
    using namespace std::string_literals;
    const std::optional<std::string> refused;
    // (Linux reads UTF-8 files as such; Windows every file without a mark in its ANSI code page,
    // and writes text that this cannot hold as UTF-16.)
#ifdef _WIN32
    const bool utf8Files = false;
#else
    const bool utf8Files = true;
#endif
    struct Row {
        std::string file;
        Encoding encoding;
        std::string text;   ///< what the editor shows (UTF-8, CR LF)
        std::string edited; ///< typed text
        std::optional<std::string> saved;
    };
    std::vector<Row> rows = {
        // Plain ASCII: line breaks made CR LF; typed text in the game's code page.
        {"A=B\nC", Encoding::Open, "A=B\r\nC", "A=\xc3\xb6", "A=\xf6"s},
        // Windows-1252 stays so, and what it cannot hold is refused.
        {"G=\xf6\r\n", Encoding::Legacy, "G=\xc3\xb6\r\n", "G=\xc3\xb6\xe2\x82\xac", "G=\xf6\x80"s},
        {"G=\xf6\r\n", Encoding::Legacy, "G=\xc3\xb6\r\n", "G=\xc5\x91", refused},
        // UTF-16 with its mark, both byte orders: read as such, written back as such.
        {"\xFF\xFE" "A\0=\0B\0\r\0\n\0C\0"s, Encoding::Utf16Le, "A=B\r\nC", "A=\xc5\x91", "\xFF\xFE" "A\0=\0\x51\x01"s},
        {"\xFF\xFE" "A\0\n\0"s, Encoding::Utf16Le, "A\r\n", "A", "\xFF\xFE" "A\0"s},
        {"\xFE\xFF\0A"s, Encoding::Utf16Be, "A", "\xf0\x9f\x98\x80", "\xFE\xFF\xD8\x3D\xDE\x00"s},
        // A plain-ASCII file and text the code page cannot hold: UTF-8 where files are read as
        // UTF-8, else UTF-16; never look-alikes.
        {"A=B", Encoding::Open, "A=B", "A=\xc5\x81", utf8Files ? "A=\xc5\x81"s : "\xFF\xFE" "A\0=\0\x41\x01"s},
    };
    if (utf8Files) {
        // A UTF-8 file keeps its byte-order mark, which the editor does not show.
        rows.push_back({"\xEF\xBB\xBFN=D\xc3\xbcne", Encoding::Utf8, "N=D\xc3\xbcne", "N=\xc5\x91", "\xEF\xBB\xBFN=\xc5\x91"s});
    }
    for (const Row& row : rows) {
        const auto ini = operations::IniText::fromFile(row.file);
        EXPECT_EQ(ini.encoding(), row.encoding) << row.text;
        EXPECT_EQ(ini.text(), row.text);
        // Unchanged text: the file's bytes (in UTF-16 exactly as they were).
        EXPECT_EQ(ini.bytes(), row.encoding == Encoding::Utf16Le || row.encoding == Encoding::Utf16Be
                                   ? row.file : settings::withCrLfBreaks(row.file));
        EXPECT_EQ(ini.bytesFor(row.edited), row.saved) << row.text;
    }
    // A new file is in the game's code page where that holds the map's name, else Unicode.
    EXPECT_EQ(operations::IniText::fromNewText("MapName=DM-D\xc3\xbcne")->bytes(), "MapName=DM-D\xfcne");
    EXPECT_EQ(operations::IniText::fromNewText("MapName=DM-\xe6\x97\xa5")->bytes(),
              utf8Files ? "MapName=DM-\xe6\x97\xa5"s : "\xFF\xFE" "M\0a\0p\0N\0a\0m\0e\0=\0D\0M\0-\0\xe5\x65"s);
}
