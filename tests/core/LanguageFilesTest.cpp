#include "catalogue/FileManagement.h"
#include "localisation/LanguageFiles.h"
#include "platform/Errors.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using localisation::discoverLanguages;

TEST(LanguageFiles, OnlyFilesWhoseFirstLineIsTheMarkerAreOffered)
{
    TempFolder program;
    program.write("config.ini", "Language:\r\nEnglish\r\n");
    program.write("A-empty.ini", "");
    program.write("B-blank.ini", "LanguageFile \r\nx\r\n");
    program.write("C-case.ini", "languagefile\r\nx\r\n");
    program.write("Deutsch.ini", "LanguageFile\r\nalle\r\n");
    program.write("ENGLISH.INI", "LanguageFile\nall\n");
    program.write("Espanol.ini", "LanguageFile");
    program.write("Marked.ini", "\xEF\xBB\xBFLanguageFile\r\nx\r\n");
    program.write("Twice-marked.ini", "\xEF\xBB\xBF\xEF\xBB\xBFLanguageFile\r\n");
    program.write("notes.txt", "LanguageFile\r\n");
    program.write("sub/Francais.ini", "LanguageFile\r\n");
    program.makeFolder("Folder.ini");
    LineList scratch;
    EXPECT_EQ(discoverLanguages(program.path(), scratch), (std::vector<std::string>{"Deutsch", "ENGLISH", "Espanol", "Marked"}));
}

TEST(LanguageFiles, LoadsWhateverTheCaseOfTheFileName)
{
    TempFolder program;
    program.write("ENGLISH.INI", "LanguageFile\r\nall\r\n");
    EXPECT_EQ(localisation::loadLanguageFile(program.path(), "English"), (LineList{"LanguageFile", "all"}));
    EXPECT_THROW(localisation::loadLanguageFile(program.path(), "Deutsch"), platform::FileOpenError);
}

TEST(LanguageFiles, MarkedFilesAreUtf8AndOthersInTheCodePage)
{
    // With the mark, UTF-8 on every system; without it, the system's code page (the tests'
    // Windows has Windows-1252), byte for byte as before.
    TempFolder program;
    program.write("Marked.ini", "\xEF\xBB\xBFLanguageFile\r\n\xD0\xB2\xD1\x81\xD0\xB5\r\n\xE5\x85\xA8\xE9\x83\xA8\r\n");
    program.write("Ansi.ini", "LanguageFile\r\nfran\xE7" "ais\r\n\x85 %1\r\n");
    EXPECT_EQ(localisation::loadLanguageFile(program.path(), "Marked"),
              (LineList{"LanguageFile", "\u0432\u0441\u0435", "\u5168\u90e8"}));
    EXPECT_EQ(localisation::loadLanguageFile(program.path(), "Ansi"),
              (LineList{"LanguageFile", "fran\u00e7" "ais", "\u2026 %1"}));
}
