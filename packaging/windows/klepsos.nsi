; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: for the whole computer, into Program Files, with two
; Start menu entries and an entry in the list of programs to uninstall it.
; Silent for a school's deployment tools: setup.exe /S [/D=C:\Dossier].
; makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DSOURCE=<staged install> -DSORTIE=<setup.exe> klepsos.nsi

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"

!define NOM "Klepsos"
!define CLE_DESINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\Klepsos"

Name "${NOM}"
OutFile "${SORTIE}"
InstallDir "$PROGRAMFILES64\${NOM}"
InstallDirRegKey HKLM "${CLE_DESINSTALLATION}" "InstallLocation"
BrandingText "${NOM} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${NOM}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de Klepsos"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${SOURCE}\klepsos.ico"
!define MUI_UNICON "${SOURCE}\klepsos.ico"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENCE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Klepsos"
    SetOutPath "$INSTDIR\bin"
    File "${SOURCE}\bin\klepsos.exe"
    File "${SOURCE}\bin\klepsos-voix.exe"
    SetOutPath "$INSTDIR\share\klepsos"
    File "${SOURCE}\share\klepsos\guide-enseignant.md"
    SetOutPath "$INSTDIR\share\klepsos\datas"
    File /r "${SOURCE}\share\klepsos\datas\*"
    SetOutPath "$INSTDIR"
    File "${SOURCE}\LICENCE.txt"
    File "${SOURCE}\klepsos.ico"
    WriteUninstaller "$INSTDIR\desinstaller.exe"

    SetOutPath "$INSTDIR\bin"
    CreateShortcut "$SMPROGRAMS\Klepsos.lnk" "$INSTDIR\bin\klepsos.exe" "" "$INSTDIR\klepsos.ico"
    CreateShortcut "$SMPROGRAMS\Klepsos — espace enseignant.lnk" "$INSTDIR\bin\klepsos.exe" "--enseignant" \
        "$INSTDIR\klepsos.ico"
    CreateShortcut "$SMPROGRAMS\Klepsos — au tableau.lnk" "$INSTDIR\bin\klepsos.exe" "--tableau" \
        "$INSTDIR\klepsos.ico"

    WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayName" "${NOM}"
    WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${CLE_DESINSTALLATION}" "Publisher" "Les développeurs de Klepsos"
    WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayIcon" "$INSTDIR\klepsos.ico"
    WriteRegStr HKLM "${CLE_DESINSTALLATION}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${CLE_DESINSTALLATION}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
    WriteRegStr HKLM "${CLE_DESINSTALLATION}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
    WriteRegDWORD HKLM "${CLE_DESINSTALLATION}" "NoModify" 1
    WriteRegDWORD HKLM "${CLE_DESINSTALLATION}" "NoRepair" 1
    WriteRegDWORD HKLM "${CLE_DESINSTALLATION}" "EstimatedSize" ${TAILLE_KO}
SectionEnd

; Only what the installer put there goes: the children's answers and scores
; live in each user's own folder (AppData), and whatever someone added to the
; installation folder stays, with the folder.
Section "Uninstall"
    Delete "$SMPROGRAMS\Klepsos.lnk"
    Delete "$SMPROGRAMS\Klepsos — espace enseignant.lnk"
    Delete "$SMPROGRAMS\Klepsos — au tableau.lnk"
    Delete "$INSTDIR\bin\klepsos.exe"
    Delete "$INSTDIR\bin\klepsos-voix.exe"
    RMDir "$INSTDIR\bin"
    RMDir /r "$INSTDIR\share\klepsos\datas"
    Delete "$INSTDIR\share\klepsos\guide-enseignant.md"
    RMDir "$INSTDIR\share\klepsos"
    RMDir "$INSTDIR\share"
    Delete "$INSTDIR\LICENCE.txt"
    Delete "$INSTDIR\klepsos.ico"
    Delete "$INSTDIR\desinstaller.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${CLE_DESINSTALLATION}"
SectionEnd
