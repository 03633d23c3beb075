#include "operations/ImportMessage.h"

#include "app/Display.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"

#include <QStringList>

namespace operations {

namespace {

namespace lines = localisation::lines;

// The reasons have their language lines in two runs, in their order.
static_assert(lines::kFirstSkipReasons == static_cast<std::size_t>(SkipReason::Unreadable) + 1);
static_assert(lines::kLaterSkipReasons == static_cast<std::size_t>(SkipReason::AlreadyThere) - lines::kFirstSkipReasons + 1);

/// How many names and skipped entries the report shows at most; the rest are counted, and all
/// of them are in its details.
constexpr int kMostShownLines = 20;
/// How many characters of one name the report shows at most.
constexpr int kMostShownCharacters = 120;

QString skipReasonText(SkipReason reason, const localisation::LanguageTexts& texts)
{
    const auto n = static_cast<std::size_t>(reason);
    return texts(n < lines::kFirstSkipReasons ? lines::kFirstSkipReason + n
                                              : lines::kLaterSkipReason + n - lines::kFirstSkipReasons);
}

/// A name from the report for the eye: each of its parts (folders, an archive and its entry,
/// and each folder of an entry's path) shown by itself, so that one part in another character
/// set garbles no other.
QString legible(const ShownPath& what)
{
    QString shown;
    for (const ShownPath::Part& part : what.parts) {
        shown += QString::fromUtf8(part.join.data(), static_cast<int>(part.join.size()));
        std::size_t start = 0;
        for (std::size_t i = 0; i <= part.name.size(); ++i) {
            if (i < part.name.size() && part.name[i] != '/' && part.name[i] != '\\')
                continue;
            shown += toDisplay(std::string_view(part.name).substr(start, i - start));
            if (i < part.name.size())
                shown += QChar::fromLatin1(part.name[i]);
            start = i + 1;
        }
    }
    return shown;
}

/// `text` shortened in its middle to what a message box can show.
QString shortened(const QString& text)
{
    if (text.size() <= kMostShownCharacters)
        return text;
    const int half = kMostShownCharacters / 2;
    return text.left(half) + QChar(0x2026) + text.right(half);
}

/// The first lines of `all`, each shortened, and how many more there are.
QString firstOf(const QStringList& all, const QString& separator, const localisation::LanguageTexts& texts)
{
    QStringList shown;
    for (int i = 0; i < all.size() && i < kMostShownLines; ++i)
        shown.append(shortened(all[i]));
    if (all.size() > kMostShownLines)
        shown.append(texts(lines::kMoreLines).arg(all.size() - kMostShownLines));
    return shown.join(separator);
}

} // namespace

ImportMessage importMessage(const ImportReport& report, const localisation::LanguageTexts& texts)
{
    QStringList names;
    for (const std::string& map : report.addedMaps)
        names.append(toDisplay(catalogue::dropExtension(map)));
    QStringList skipped;
    for (const Skipped& entry : report.skipped)
        skipped.append(legible(entry.what) + QStringLiteral(": ") + skipReasonText(entry.reason, texts)
                       + (entry.where.empty() ? QString() : QLatin1Char(' ') + toDisplay(entry.where)));
    const std::size_t added = report.addedMaps.size();
    const QString heading = QString::number(added) + QLatin1Char(' ') + texts(added == 1 ? lines::kMap : lines::kMaps)
        + QLatin1Char(' ') + texts(lines::kAdded);
    const QString skippedHeading = QStringLiteral("\n\n") + texts(lines::kSkipped) + QLatin1Char('\n');
    ImportMessage message {heading, {}};
    if (!names.isEmpty())
        message.text += QStringLiteral(": ") + firstOf(names, QStringLiteral(", "), texts);
    if (!skipped.isEmpty())
        message.text += skippedHeading + firstOf(skipped, QStringLiteral("\n"), texts);
    if (names.size() > kMostShownLines || skipped.size() > kMostShownLines) {
        message.details = heading + QStringLiteral(":\n") + names.join(QLatin1Char('\n'));
        if (!skipped.isEmpty())
            message.details += skippedHeading + skipped.join(QLatin1Char('\n'));
    }
    return message;
}

} // namespace operations
