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
    program.write("notes.txt", "LanguageFile\r\n");
    program.write("sub/Francais.ini", "LanguageFile\r\n");
    program.makeFolder("Folder.ini");
    LineList scratch;
    EXPECT_EQ(discoverLanguages(program.path(), scratch), (std::vector<std::string>{"Deutsch", "ENGLISH", "Espanol"}));
}

TEST(LanguageFiles, LoadsWhateverTheCaseOfTheFileName)
{
    TempFolder program;
    program.write("ENGLISH.INI", "LanguageFile\r\nall\r\n");
    EXPECT_EQ(localisation::loadLanguageFile(program.path(), "English"), (LineList{"LanguageFile", "all"}));
    EXPECT_THROW(localisation::loadLanguageFile(program.path(), "Deutsch"), platform::FileOpenError);
}
