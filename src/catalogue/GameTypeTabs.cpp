// The game-type tabs: the filter mask, the preview picture and its caption.

#include "app/Display.h"
#include "app/TabControl.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "platform/NameCompare.h"

#include <QLabel>
#include <QTabBar>

void TForm1::gameTypesChange()
{
    const int index = gameTypes->tabs()->currentIndex();
    const QString caption = gameTypes->tabs()->tabText(index);
    FileMask = tabMask(index);

    const std::string upper = platform::upperCasedAscii(index == 0 ? std::string() : gameTypes->gameTypeAt(index));
    const QPixmap* picture = &Image6;
    if (upper == "DM")
        picture = &Image7;
    else if (upper == "CTF")
        picture = &Image5;
    else if (upper == "VCTF")
        picture = &Image8;
    else if (upper == "WAR")
        picture = &Image9;
    typePreview->setPixmap(*picture);

    setPreviewCaption(caption);
    refreshAllFileLists();
    showMapInfo({});
}

std::string TForm1::tabMask(int index) const
{
    return index == 0 ? catalogue::kMapMask : gameTypes->gameTypeAt(index) + catalogue::kMapMask;
}

void TForm1::gameTypesClick(int index)
{
    // The highlighted tab can show another filter than the one in force, after the game types
    // dialog deleted the selected tab; a click on it must then apply its own.
    if (index == gameTypes->tabs()->currentIndex() && tabMask(index) != FileMask)
        gameTypesChange();
}

QStringList TForm1::gameTypeCaptions() const
{
    QStringList captions;
    for (int i = 0; i < gameTypes->tabs()->count(); ++i)
        captions.append(gameTypes->tabs()->tabText(i));
    return captions;
}
