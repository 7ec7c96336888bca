; The game's installer for Windows, made with NSIS from the folder that the zip
; holds. It installs for the current user (no administrator needed) or for all
; users, adds a Start-menu entry with the game's icon and an uninstaller, and
; the uninstaller removes exactly what was installed. Installed over an earlier
; version, it has that version's uninstaller take away what it installed first.
; The build defines:
;   VERSION, PUBLISHER, ICON (the game's), STAGE (the laid-out folder), FILES
;   (its file lists and size, written by bundle.cmake) and OUTFILE.
; A 64-bit installer, for a 64-bit game: it runs where the game runs.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
Name "kestavine"
OutFile "${OUTFILE}"
BrandingText "kestavine ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\kestavine"
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "kestavine"
!include MultiUser.nsh
!include MUI2.nsh
!include "${FILES}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kestavine.exe"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The game speaks Japanese; a system in another language gets English, as
; NSIS falls back to the first language for a language it has no words for.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "kestavine"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "kestavine ${VERSION} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}, MIT licence"

Function .onInit
    ; The install mode picks the folder unless /D= named one.
    StrCpy $0 $INSTDIR
    !insertmacro MULTIUSER_INIT
    StrCmp $0 "" +2
    StrCpy $INSTDIR $0
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "kestavine"
    ; An earlier version's files that this one no longer has (a Qt plugin of
    ; another name) would stay and might be loaded. Only the earlier
    ; uninstaller knows them all; it leaves the player's own files. _?= runs
    ; it in place, so that ExecWait waits for it. The game beside it tells
    ; that it is this game's uninstaller and not another program's.
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ${AndIf} ${FileExists} "$INSTDIR\kestavine.exe"
        ExecWait '"$INSTDIR\uninstall.exe" /S /$MultiUser.InstallMode _?=$INSTDIR'
    ${EndIf}
    !insertmacro KESTAVINE_INSTALL_FILES
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; SetShellVarContext (set by the install mode) picks the user's or everyone's menu.
    CreateShortcut "$SMPROGRAMS\kestavine.lnk" "$INSTDIR\kestavine.exe" "" "$INSTDIR\kestavine.exe" 0
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "kestavine"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kestavine.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${KESTAVINE_SIZE_KB}
SectionEnd

Section "Uninstall"
    ; There is one Start-menu entry and one uninstall entry (for the user or
    ; for all); when another copy was installed since, they are that copy's.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
    ${OrIf} $0 == ""
        Delete "$SMPROGRAMS\kestavine.lnk"
        DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ${EndIf}
    !insertmacro KESTAVINE_UNINSTALL_FILES
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
