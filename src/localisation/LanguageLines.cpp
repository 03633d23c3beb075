#include "localisation/LanguageLines.h"

namespace localisation {

namespace {

struct BuiltIn {
    std::size_t line;
    const char* text; ///< UTF-8
};

/// The built-in texts of the lines added after the first twenty, which every language file has.
constexpr BuiltIn kBuiltInTexts[] = {
    {lines::kFolderMissing, "Der Ordner für neue Maps existiert nicht:"},
    {lines::kUnpacking, "Entpacke"},
    {lines::kAdded, "hinzugefügt"},
    {lines::kSkipped, "Übersprungen:"},
    {lines::kFirstSkipReason + 0, "sein Pfad führt aus seinem Ordner hinaus"},
    {lines::kFirstSkipReason + 1, "eine Verknüpfung"},
    {lines::kFirstSkipReason + 2, "ein Gerät oder eine Sonderdatei"},
    {lines::kFirstSkipReason + 3, "ein Name, den dieses System nicht schreiben kann"},
    {lines::kFirstSkipReason + 4, "verschlüsselt"},
    {lines::kFirstSkipReason + 5, "ein Format oder Verfahren, das nicht gelesen werden kann"},
    {lines::kFirstSkipReason + 6, "beschädigt"},
    {lines::kFirstSkipReason + 7, "der Datenträger ist voll"},
    {lines::kFirstSkipReason + 8, "eine Datei dieses Namens existiert schon"},
    {lines::kFirstSkipReason + 9, "abgebrochen"},
    {lines::kFirstSkipReason + 10, "keine Maps darin"},
    {lines::kFirstSkipReason + 11, "enthält den Ordner für neue Maps"},
    {lines::kFirstSkipReason + 12, "konnte nicht gelesen oder geschrieben werden"},
    {lines::kIniCharset, "Der Zeichensatz der Datei kann den eingegebenen Text nicht aufnehmen; sie bleibt unverändert:"},
    {lines::kLaterSkipReason + 0, "der Datenträger behielte zu wenig freien Platz"},
    {lines::kLaterSkipReason + 1, "schon da, in"},
    {lines::kMoreLines, "… und %1 weitere"},
    {lines::kSettingsElsewhere, "Der Programmordner kann nicht beschrieben werden; die Einstellungen liegen in:"},
    {lines::kPublishedSame, "schon veröffentlicht"},
    {lines::kPublishedDifferent, "veröff., abweichend"},
    {lines::kShownOf, "%1 von %2"},
    {lines::kDeleteSeveral, "Wirklich %1 Maps löschen?"},
    {lines::kTakeOut, "herausnehmen"},
    {lines::kSelected, "%1 ausgewählt"},
    {lines::kFilter, "Filter"},
    {lines::kPresent, "vorhanden"},
    {lines::kMissing, "fehlt"},
    {lines::kPackageFile, "Map-Paket"},
    {lines::kIniFile, "INI-Datei"},
    {lines::kLocalisationFile, "Lokalisierungsdatei"},
};

/// Every added line has its text, in the order of the lines.
constexpr bool everyLaterLineHasItsText()
{
    std::size_t expected = lines::kFolderMissing;
    for (const BuiltIn& builtIn : kBuiltInTexts) {
        if (builtIn.line != expected++)
            return false;
    }
    return expected == lines::kEnd;
}
static_assert(everyLaterLineHasItsText());

} // namespace

const char* builtInText(std::size_t n)
{
    for (const BuiltIn& builtIn : kBuiltInTexts) {
        if (builtIn.line == n)
            return builtIn.text;
    }
    return nullptr;
}

} // namespace localisation
