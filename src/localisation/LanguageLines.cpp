#include "localisation/LanguageLines.h"

namespace localisation {

namespace {

struct BuiltIn {
    std::size_t line;
    const char8_t* text; ///< UTF-8 whatever character set the program's other strings are in
};

/// The built-in texts of the lines added after the first twenty, which every language file has.
constexpr BuiltIn kBuiltInTexts[] = {
    {lines::kFolderMissing, u8"Der Ordner für neue Maps existiert nicht:"},
    {lines::kUnpacking, u8"Entpacke"},
    {lines::kAdded, u8"hinzugefügt"},
    {lines::kSkipped, u8"Übersprungen:"},
    {lines::kFirstSkipReason + 0, u8"sein Pfad führt aus seinem Ordner hinaus"},
    {lines::kFirstSkipReason + 1, u8"eine Verknüpfung"},
    {lines::kFirstSkipReason + 2, u8"ein Gerät oder eine Sonderdatei"},
    {lines::kFirstSkipReason + 3, u8"ein Name, den dieses System nicht schreiben kann"},
    {lines::kFirstSkipReason + 4, u8"verschlüsselt"},
    {lines::kFirstSkipReason + 5, u8"ein Format oder Verfahren, das nicht gelesen werden kann"},
    {lines::kFirstSkipReason + 6, u8"beschädigt"},
    {lines::kFirstSkipReason + 7, u8"der Datenträger ist voll"},
    {lines::kFirstSkipReason + 8, u8"eine Datei dieses Namens existiert schon"},
    {lines::kFirstSkipReason + 9, u8"abgebrochen"},
    {lines::kFirstSkipReason + 10, u8"keine Maps darin"},
    {lines::kFirstSkipReason + 11, u8"enthält den Ordner für neue Maps"},
    {lines::kFirstSkipReason + 12, u8"konnte nicht gelesen oder geschrieben werden"},
    {lines::kIniCharset, u8"Der Zeichensatz der Datei kann den eingegebenen Text nicht aufnehmen; sie bleibt unverändert:"},
    {lines::kLaterSkipReason + 0, u8"der Datenträger behielte zu wenig freien Platz"},
    {lines::kLaterSkipReason + 1, u8"schon da, in"},
    {lines::kMoreLines, u8"… und %1 weitere"},
    {lines::kSettingsElsewhere, u8"Der Programmordner kann nicht beschrieben werden; die Einstellungen liegen in:"},
    {lines::kPublishedSame, u8"schon veröffentlicht"},
    {lines::kPublishedDifferent, u8"veröff., abweichend"},
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
            return reinterpret_cast<const char*>(builtIn.text);
    }
    return nullptr;
}

} // namespace localisation
