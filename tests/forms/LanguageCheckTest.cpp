// The translators' check: each fault it reports, one row each, and the shipped files clean.

#include "localisation/LanguageCheck.h"
#include "localisation/LanguageLines.h"
#include "settings/LineList.h"
#include "TempFolder.h"

#include <QTest>

#include <filesystem>

namespace {

const std::string kEnglishPath = std::string(VSM_LANGUAGE_DIR) + "/English.ini";

/// English.ini with lines (as the program counts them) replaced by other texts.
std::string englishWith(std::initializer_list<std::pair<std::size_t, std::string>> changes)
{
    LineList lines = settings::parseLines(readFile(kEnglishPath));
    for (const auto& [n, text] : changes)
        lines[n] = text;
    return settings::joinLines(lines);
}

std::string englishWith(std::size_t n, const std::string& text)
{
    return englishWith({{n, text}});
}

} // namespace

class LanguageCheckTest : public QObject {
    Q_OBJECT

private slots:
    void faults_data()
    {
        namespace lines = localisation::lines;
        const std::string english = readFile(kEnglishPath);
        const std::string mark(settings::kUtf8Mark);
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");        // of the first fault, as an editor counts; 0: none
        QTest::addColumn<QString>("message"); // a part of its message

        QTest::newRow("English itself") << QByteArray::fromStdString(english) << 0 << QString();
        QTest::newRow("UTF-8 with the mark, Cyrillic and Chinese")
            << QByteArray::fromStdString(mark + englishWith({{lines::kInstall, "\u0443\u0441\u0442\u0430\u043d\u043e\u0432\u0438\u0442\u044c"},
                                                             {lines::kInstallAll, "\u5168\u90e8\u5b89\u88c5"},
                                                             {lines::kMoreLines, "\u2026 and %1 more"}}))
            << 0 << QString();
        QTest::newRow("marker line") << QByteArray::fromStdString(englishWith(0, "Languagefile")) << 1 << QStringLiteral("first line");
        QTest::newRow("line missing")
            << QByteArray::fromStdString(english.substr(0, english.rfind("\r\n", english.size() - 3) + 2))
            << static_cast<int>(lines::kEnd) << QStringLiteral("missing");
        QTest::newRow("line extra") << QByteArray::fromStdString(english + "more\r\n")
                                    << static_cast<int>(lines::kEnd + 1) << QStringLiteral("more than English");
        QTest::newRow("line empty") << QByteArray::fromStdString(englishWith(lines::kSave, ""))
                                    << static_cast<int>(lines::kSave + 1) << QStringLiteral("empty");
        QTest::newRow("placeholder dropped") << QByteArray::fromStdString(englishWith(lines::kShownOf, "%1 of all"))
                                             << static_cast<int>(lines::kShownOf + 1) << QStringLiteral("%1, where English has %1 %2");
        QTest::newRow("placeholder of another kind") << QByteArray::fromStdString(englishWith(lines::kSelected, "%s selected"))
                                                     << static_cast<int>(lines::kSelected + 1) << QStringLiteral("placeholders %s");
        QTest::newRow("placeholder added") << QByteArray::fromStdString(englishWith(lines::kAdded, "added %d"))
                                           << static_cast<int>(lines::kAdded + 1) << QStringLiteral("placeholders %d, where English has none");
        QTest::newRow("a per cent sign is no placeholder") << QByteArray::fromStdString(englishWith(lines::kAdded, "added 100%% %"))
                                                            << 0 << QString();
        QTest::newRow("no mark, a byte Windows-1252 lacks") << QByteArray::fromStdString(englishWith(lines::kCopy, "copy \x81"))
                                                            << static_cast<int>(lines::kCopy + 1) << QStringLiteral("0x81");
        QTest::newRow("no mark, UTF-8 text") << QByteArray::fromStdString(englishWith(lines::kCopy, "\u0432\u0441\u0435"))
                                             << static_cast<int>(lines::kCopy + 1) << QStringLiteral("without the UTF-8 mark");
        QTest::newRow("the mark, invalid UTF-8") << QByteArray::fromStdString(mark + englishWith(lines::kCopy, "copi\xe9"))
                                                 << static_cast<int>(lines::kCopy + 1) << QStringLiteral("not valid UTF-8");
        QTest::newRow("caption wider than its button")
            << QByteArray::fromStdString(englishWith(lines::kInstall, "install this map right now"))
            << static_cast<int>(lines::kInstall + 1) << QStringLiteral("too wide for TForm1.Button1");
        QTest::newRow("caption wider than the dialog's button")
            << QByteArray::fromStdString(englishWith(lines::kAdd, "add another game type"))
            << static_cast<int>(lines::kAdd + 1) << QStringLiteral("too wide for TForm2.Button2");
        QTest::newRow("status wider than its label")
            << QByteArray::fromStdString(englishWith(lines::kPublishedSame, "published already, the very same"))
            << static_cast<int>(lines::kPublishedSame + 1) << QStringLiteral("too wide for TForm1.Label8");
    }

    void faults()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        QFETCH(QString, message);
        TempFolder folder;
        const std::string path = folder.write("Checked.ini", file.toStdString());
        const auto found = localisation::languageFileFaults(kEnglishPath, path);
        if (line == 0) {
            QVERIFY2(found.empty(), found.empty() ? "" : qPrintable(found.front().message));
            return;
        }
        QVERIFY(!found.empty());
        QCOMPARE(found.front().line, static_cast<std::size_t>(line));
        QVERIFY2(found.front().message.contains(message), qPrintable(found.front().message));
    }

    void everyShippedFilePasses()
    {
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(VSM_LANGUAGE_DIR)) {
            const auto found = localisation::languageFileFaults(kEnglishPath, entry.path().string());
            QVERIFY2(found.empty(), qPrintable(QString::fromStdString(entry.path().filename().string()) + QStringLiteral(": ")
                                               + (found.empty() ? QString() : found.front().message)));
            ++files;
        }
        QVERIFY(files >= 2);
    }
};

QTEST_MAIN(LanguageCheckTest)
#include "LanguageCheckTest.moc"
