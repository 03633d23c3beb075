#include "dialogs/fldbrows.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

/// Answers every browse with the same result and counts the calls.
class AnsweringPicker : public FolderPicker {
public:
    explicit AnsweringPicker(std::optional<std::string> answer) : m_answer(std::move(answer)) {}
    std::optional<std::string> pickFolder(const TFolderBrowser&) override
    {
        ++calls;
        return m_answer;
    }
    int calls = 0;

private:
    std::optional<std::string> m_answer;
};

} // namespace

TEST(FolderBrowser, FieldsAfterConstructionAndTheirFlags)
{
    TFolderBrowser browser(42, "Neue maps befinden sich in:", "", false, false);
    EXPECT_EQ(browser.OwnerWindow, 42u);
    EXPECT_EQ(browser.Title, "Neue maps befinden sich in:");
    EXPECT_TRUE(browser.StatusText);
    EXPECT_TRUE(browser.NoTranslateTargets);
    EXPECT_TRUE(browser.FolderPath.empty());
    EXPECT_FALSE(browser.PositionSet);
    EXPECT_EQ(browser.Top, 0);
    EXPECT_EQ(browser.Left, 0);
    EXPECT_TRUE(browser.FileFilter.empty());
    EXPECT_EQ(browser.Root, nullptr);
    EXPECT_EQ(browser.Flags(), 0x0604u);

    TFolderBrowser other(0, "", "", true, true);
    other.StatusText = false;
    other.NoTranslateTargets = false;
    EXPECT_EQ(other.Flags(), 0x4040u);
}

TEST(FolderBrowser, OneBrowsePerObject)
{
    AnsweringPicker picker("/home/me/Maps");
    TFolderBrowser browser(0, "t", "", false, false);
    EXPECT_TRUE(browser.Execute(picker));
    EXPECT_EQ(browser.FolderPath, "/home/me/Maps");
    AnsweringPicker another("/elsewhere");
    EXPECT_FALSE(browser.Execute(another));
    EXPECT_EQ(browser.FolderPath, "/home/me/Maps");

    AnsweringPicker cancel(std::nullopt);
    TFolderBrowser cancelled(0, "t", "", false, false);
    EXPECT_FALSE(cancelled.Execute(cancel));
    EXPECT_TRUE(cancelled.FolderPath.empty());
    EXPECT_EQ(cancel.calls, 1);
}

TEST(FolderBrowser, FilterMatchesNamesAndMasksInTheFolder)
{
    TempFolder root;
    root.write("maps/CTF-Face.vsm");
    root.makeFolder("maps/sub.dir");
    root.makeFolder("empty");
    const std::string vsm("*.vsm", 5);
    EXPECT_TRUE(FolderHasFilterMatch(root / "maps", vsm));
    EXPECT_TRUE(FolderHasFilterMatch(root / "maps", std::string("*.txt\0ctf-face.VSM", 18)));
    EXPECT_TRUE(FolderHasFilterMatch(root / "maps", "sub.dir")); // a folder counts as a match
    EXPECT_FALSE(FolderHasFilterMatch(root / "empty", vsm));
    EXPECT_FALSE(FolderHasFilterMatch(root / "gone", vsm));
    EXPECT_FALSE(FolderHasFilterMatch("", vsm));
    EXPECT_FALSE(FolderHasFilterMatch(root / "maps", ""));
    EXPECT_FALSE(FolderHasFilterMatch(root / "maps", std::string("\0*.vsm", 6))); // the first empty entry ends the list
    EXPECT_TRUE(PathMatchExists(root / "maps/*.vsm"));
    EXPECT_FALSE(PathMatchExists(root / "maps/*.ini"));
}
