// The game-type tabs: the filter mask, the preview picture and its caption.

#include "app/Display.h"
#include "app/TabControl.h"
#include "app/Unit1.h"

#include <QLabel>
#include <QTabBar>

void TForm1::gameTypesChange()
{
    const int index = gameTypes->tabs()->currentIndex();
    const QString caption = gameTypes->tabs()->tabText(index);
    FileMask = tabMask(index);

    // By TabControl::Picture.
    const QPixmap* pictures[] = {&Image6, &Image7, &Image5, &Image8, &Image9};
    typePreview->setPixmap(*pictures[static_cast<int>(gameTypes->pictureOf(index))]);

    setPreviewCaption(caption);
    refreshAllFileLists();
    showMapInfo({});
}

std::string TForm1::tabMask(int index) const
{
    return gameTypes->maskOf(index);
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
    return gameTypes->captions();
}
