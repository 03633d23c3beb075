; The players' installer for Windows: per user, without administrator rights, into
; %LOCALAPPDATA%\Programs\VSM Map Manager (the folder can be changed), with a Start menu entry, an
; optional desktop shortcut and an entry in "Apps & features". Silent with /S, /D=FOLDER.
;
; makensis -DVERSION=1.2 -DVERSION4=1.2.0.0 -DLISTS=folder -DOUTFILE=setup.exe -DICON=icon.ico VSMMapManager.nsi
; LISTS holds installed-files.nsh (File lines) and removed-files.nsh (Delete lines) of exactly the
; files to install, which scripts/package-windows makes from the zip's folder.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "VSM Map Manager"
!define PUBLISHER "VSM Map Manager project"
!define EXE "VSMMapManager.exe"
!define UNINSTALLER "Uninstall.exe"
; The entry of "Apps & features", for this user.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VSMMapManager"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An update goes where the installed version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Whether this installer made the install folder (else the uninstaller leaves the folder).
Var madeFolder

Section "${PRODUCT}" SecProgram
    SectionIn RO
    StrCpy $madeFolder 0
    ${IfNot} ${FileExists} "$INSTDIR\*.*"
        StrCpy $madeFolder 1
    ${EndIf}
    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "MadeFolder"
    ${If} $0 == 1
        StrCpy $madeFolder 1
    ${EndIf}
    SetOutPath "$INSTDIR"
    ; The program, the shipped language files and the read-me; never config.ini, which is the
    ; player's, nor a language file the player added.
    !include /CHARSET=UTF8 "${LISTS}/installed-files.nsh"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "MadeFolder" $madeFolder
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Desktop shortcut" SecDesktop
    CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "The program, its language files and its read-me."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "A shortcut on the desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    ; Exactly the files the installer put there: never a map, never config.ini unless the
    ; player asks for it, never a language file the player added.
    !include /CHARSET=UTF8 "${LISTS}/removed-files.nsh"
    Delete "$INSTDIR\${UNINSTALLER}"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"
    ${If} ${FileExists} "$INSTDIR\config.ini"
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Also delete your settings (config.ini)?" /SD IDNO IDNO keep
        Delete "$INSTDIR\config.ini"
        keep:
    ${EndIf}
    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "MadeFolder"
    ${If} $0 == 1
        RMDir "$INSTDIR" ; only when empty
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
