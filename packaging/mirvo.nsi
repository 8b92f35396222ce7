; The Mirvo installer, built by scripts/package.sh with makensis. The script passes:
;   VERSION, VERSION_QUAD  the product version ("4.0", "4.0.0.0")
;   FILES                  the generated include that lists the program folder's files
;   ICON                   the program's icon
;   OUTFILE                the installer to write
;   AMD64                  defined for a 64-bit build
; It installs the program folder, a Start-menu shortcut and an entry in "Programs and
; Features"; its uninstaller removes exactly what it installed. Mirvo may keep the user's
; clips in its own folder, so that folder goes only when nothing else is left in it.

Unicode true
!ifdef AMD64
    Target amd64-unicode
!endif
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirvo"

Name "Mirvo ${VERSION}"
OutFile "${OUTFILE}"
; Program Files and the machine's list of programs need an administrator.
RequestExecutionLevel admin
!ifdef AMD64
    InstallDir "$PROGRAMFILES64\Mirvo"
!else
    InstallDir "$PROGRAMFILES\Mirvo"
!endif
; An update goes where the installed Mirvo is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Mirvo ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "Mirvo"
VIAddVersionKey /LANG=1033 "CompanyName" "Talbrook Software"
VIAddVersionKey /LANG=1033 "FileDescription" "Mirvo ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) Talbrook Software"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_TEXT "Mirvo is installed. Start it from the Start menu: it keeps working in the background and records everything you copy.$\r$\n$\r$\nPress F1 in its window for help."
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!macro MirvoContext
    SetShellVarContext all
    !ifdef AMD64
        SetRegView 64
    !endif
!macroend

Function .onInit
    !insertmacro MirvoContext
FunctionEnd

Function un.onInit
    !insertmacro MirvoContext
FunctionEnd

Section "Mirvo" SecMirvo
    !insertmacro MirvoInstallFiles
    WriteUninstaller "$INSTDIR\uninstall.exe"
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Mirvo.lnk" "$INSTDIR\mirvo.exe" "" "$INSTDIR\mirvo.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Mirvo"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Talbrook Software"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mirvo.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${SecMirvo} $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    ; A running Mirvo holds its program file open, and would rewrite its data files while
    ; they are looked at: it must end first.
    retry:
    ClearErrors
    Delete "$INSTDIR\mirvo.exe"
    IfErrors 0 stopped
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Mirvo is running. Close it (right click its taskbar button, Close), then click Retry." \
            /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Abort "Mirvo is running: nothing was removed."
    stopped:

    !insertmacro MirvoUninstallFiles
    Delete "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\Mirvo.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Only when empty: the clips, libraries and other files the user made here stay.
    RMDir "$INSTDIR"
    IfFileExists "$INSTDIR\*.*" 0 +2
        DetailPrint "Kept your data files in $INSTDIR"
SectionEnd
