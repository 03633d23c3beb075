#pragma once

// The main window's controls under their designer names, as the layout makes them.

#include <QPixmap>

class ComboBox;
class PathListView;
class StatusIcon;
class TabControl;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

/// The controls of the main window, by panel; the window is made of them (Unit1Layout.cpp places
/// them).
struct TForm1Controls {
    /// Left edges of the credit labels in normal mode (mapper mode moves them with the width).
    static constexpr int kCredit16Left = 443;
    static constexpr int kCredit17Left = 418;

    // Panel2: new maps
    QFrame* Panel2;
    QLabel* Label6;       ///< heading: name of the new-maps folder
    QLabel* Label13;      ///< count of new maps
    QLineEdit* newFilter; ///< narrows the new maps to those whose names hold the typed words
    PathListView* newFiles;    ///< display names of the new maps
    QCheckBox* CheckBox2; ///< copy option: checked moves, unchecked copies
    QPushButton* Button1; ///< install the selected new map
    QPushButton* Button2; ///< install all new maps

    // Panel3: published maps
    QFrame* Panel3;
    QLabel* Label7;           ///< heading "published"
    QLabel* Label14;          ///< count of published maps
    QLineEdit* publishedFilter; ///< narrows the published maps by name
    PathListView* publishedFiles;  ///< display names of the published maps
    QPushButton* Button4;     ///< delete the selected published maps
    QPushButton* Button10;    ///< take the selected published maps out of the game, back to the new maps

    // Panel4: unpublished maps (mapper mode)
    QFrame* Panel4;
    QLabel* Label12;           ///< heading "unpublished"
    QLabel* Label15;           ///< count of unpublished maps
    QLineEdit* unpublishedFilter; ///< narrows the unpublished maps by name
    PathListView* unpublishedFiles; ///< display names of the unpublished maps
    QPushButton* Button7;      ///< copy the selected unpublished map into the published folder

    // Panel1: details of the selected map
    QFrame* Panel1;
    QLabel* Label4;            ///< title of the selected map
    QFrame* Shape1;            ///< white frame behind the status rows
    StatusIcon* VSMexists;     ///< presence of the map package
    StatusIcon* INIexists;     ///< presence of the map's INI file
    StatusIcon* LOCexists;     ///< presence of the localisation package
    StatusIcon* othersexists;  ///< other companion files (never lit)
    QLabel* Label1;            ///< ".vsm": black while a map is shown
    QLabel* Label2;            ///< ".ini": black while the shown map has an INI file
    QLabel* Label3;            ///< "_LOC_INT.vsp": black while it has a localisation file
    QLabel* Label5;            ///< "others"
    QToolButton* iniedit;      ///< creates the map's INI file from the template
    QLabel* Label9;            ///< heading "Status"
    QLabel* Label8;            ///< status value: whether a new or unpublished map is published already
    QLabel* Label10;           ///< heading "Gesamtgröße"
    QLabel* Label11;           ///< total size
    QLabel* SelectionCount;    ///< how many maps are selected in a list, where more than one is
    QLabel* SelectionSize;     ///< the total size of those maps
    QLabel* FullMapPath;       ///< path of the selected map without extension

    // Game-type filter
    TabControl* gameTypes;     ///< tab 0 for all maps, one tab per game type
    QFrame* Shape2;            ///< maroon frame around the picture
    QLabel* typePreview;       ///< the game type's picture
    QLabel* Label18;           ///< game type's name, black shadow
    QLabel* Label19;           ///< game type's name, white on top
    QPixmap Image5; ///< game-type picture for CTF
    QPixmap Image6; ///< general game-type picture
    QPixmap Image7; ///< game-type picture for DM
    QPixmap Image8; ///< game-type picture for VCTF
    QPixmap Image9; ///< game-type picture for WAR

    // Panel5: options
    QFrame* Panel5;
    QLabel* Label20;           ///< heading "Optionen"
    QCheckBox* CheckBox1;      ///< mapper mode
    QLabel* Label21;           ///< "Language: "
    ComboBox* LanguageBox;      ///< the discovered languages
    QPushButton* Button9;      ///< choose the new-maps folder
    QPushButton* Button3;      ///< refresh the lists
    QPushButton* Button8;      ///< edit the game types

    // Panel6: INI editor (mapper mode)
    QFrame* Panel6;
    QPlainTextEdit* iniContent; ///< text of the selected map's INI file
    QPushButton* Button5;       ///< save the INI file
    QPushButton* Button6;       ///< reload the INI file

    // Credits
    QLabel* Label16; ///< first credit line, right-aligned with the rightmost panel
    QLabel* Label17; ///< second credit line
};
