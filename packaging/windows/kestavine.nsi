; The game's installer for Windows, made with NSIS from the folder that the zip
; holds. It installs for the current user (no administrator needed) or for all
; users, adds a Start-menu entry with the game's icon and an uninstaller, and
; the uninstaller removes exactly what was installed. Installed over an earlier
; version, it offers the mode and folder that version was installed with, and
; has that version's uninstaller take away what it installed first.
; The build defines:
;   VERSION, PUBLISHER, ICON (the game's), STAGE (the laid-out folder), FILES
;   (its file lists and size, written by bundle.cmake) and OUTFILE.
; A 64-bit installer, for a 64-bit game: it runs where the game runs.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
; The installer starts with the player's own rights, so that installing just
; for the player never asks for an administrator. Installing for everyone does
; its part in a copy of the installer that Windows starts with them; the game
; itself is only ever started from the copy without them.
RequestExecutionLevel user
Name "kestavine"
OutFile "${OUTFILE}"
BrandingText "kestavine ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\kestavine"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include "${FILES}"

; AllUsers or CurrentUser.
Var Mode
; 1 when this process holds administrator rights.
Var Elevated
Var ModePage.AllUsers

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunGame
Page custom ModePageShow ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; NSIS's own words for the page that asks for whom to install.
!define MULTIUSER_INSTALLMODEPAGE
; The game speaks Japanese; a system in another language gets English, as
; NSIS falls back to the first language for a language it has no words for.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
LangString NeedsAdministrator ${LANG_ENGLISH} "Installing for anyone using this computer needs administrator rights: \
run this as an administrator, or install just for yourself with /CurrentUser."
LangString NeedsAdministrator ${LANG_JAPANESE} "このコンピューターを使用する全員にインストールするには管理者の権限が要ります。\
管理者として実行するか、/CurrentUser で自分にのみインストールしてください。"
LangString NotInstalled ${LANG_ENGLISH} "kestavine was not installed for anyone using this computer."
LangString NotInstalled ${LANG_JAPANESE} "kestavine はこのコンピューターを使用する全員にはインストールされませんでした。"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "kestavine"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "kestavine ${VERSION} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}, MIT licence"

!macro KESTAVINE_SET_MODE MODE
    StrCpy $Mode ${MODE}
    ; The Start menu's folder and SHCTX (the uninstall entry's root) follow.
    ${If} $Mode == AllUsers
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
!macroend

!macro KESTAVINE_INIT UN
    UserInfo::GetAccountType
    Pop $0
    StrCpy $Elevated 0
    StrCmp $0 Admin 0 +2
    StrCpy $Elevated 1
    ; A copy installed earlier keeps its mode (the player's own first); else
    ; for everyone when the installer already has the rights for it.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        !insertmacro KESTAVINE_SET_MODE CurrentUser
    ${ElseIf} $1 != ""
    ${OrIf} $Elevated == 1
        !insertmacro KESTAVINE_SET_MODE AllUsers
    ${Else}
        !insertmacro KESTAVINE_SET_MODE CurrentUser
    ${EndIf}
    ${${UN}GetParameters} $0
    ClearErrors
    ${${UN}GetOptions} $0 "/CurrentUser" $1
    ${IfNot} ${Errors}
        !insertmacro KESTAVINE_SET_MODE CurrentUser
    ${EndIf}
    ClearErrors
    ${${UN}GetOptions} $0 "/AllUsers" $1
    ${IfNot} ${Errors}
        !insertmacro KESTAVINE_SET_MODE AllUsers
    ${EndIf}
!macroend

; $INSTDIR for the mode: where a copy in that mode lies, else the mode's usual folder.
Function ModeFolder
    ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $INSTDIR == ""
    ${AndIf} $Mode == AllUsers
        StrCpy $INSTDIR "$PROGRAMFILES64\kestavine"
    ${ElseIf} $INSTDIR == ""
        GetKnownFolderPath $INSTDIR {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; FOLDERID_UserProgramFiles
        StrCmp $INSTDIR "" 0 +2
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs"
        StrCpy $INSTDIR "$INSTDIR\kestavine"
    ${EndIf}
FunctionEnd

Function .onInit
    ; /D= names the folder; else the mode picks it.
    StrCpy $2 $INSTDIR
    !insertmacro KESTAVINE_INIT ""
    Call ModeFolder
    StrCmp $2 "" +2
    StrCpy $INSTDIR $2
    ; Unattended, nobody is there to give the rights.
    ${If} ${Silent}
    ${AndIf} $Mode == AllUsers
    ${AndIf} $Elevated != 1
        MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
        SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
        Quit
    ${EndIf}
FunctionEnd

Function ModePageShow
    !insertmacro MUI_HEADER_TEXT "$(MULTIUSER_TEXT_INSTALLMODE_TITLE)" "$(MULTIUSER_TEXT_INSTALLMODE_SUBTITLE)"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 2u 100% 42u "$(MULTIUSER_INNERTEXT_INSTALLMODE_TOP)"
    Pop $0
    ${NSD_CreateRadioButton} 15u 50u -15u 10u "$(MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS)"
    Pop $ModePage.AllUsers
    ${NSD_CreateRadioButton} 15u 70u -15u 10u "$(MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER)"
    Pop $0
    ${If} $Mode == AllUsers
        ${NSD_Check} $ModePage.AllUsers
    ${Else}
        ${NSD_Check} $0
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ModePageLeave
    ${NSD_GetState} $ModePage.AllUsers $0
    StrCpy $1 CurrentUser
    StrCmp $0 ${BST_CHECKED} 0 +2
    StrCpy $1 AllUsers
    ; Another mode, another folder: its own copy's, or its usual one.
    ${If} $1 != $Mode
        !insertmacro KESTAVINE_SET_MODE $1
        Call ModeFolder
    ${EndIf}
FunctionEnd

; Started with administrator rights (the player ran the installer so), the
; game would have them too: then the finish page offers no start.
Function FinishPageShow
    ${If} $Elevated == 1
        ${NSD_Uncheck} $mui.FinishPage.Run
        ShowWindow $mui.FinishPage.Run ${SW_HIDE}
    ${EndIf}
FunctionEnd

Function RunGame
    ${If} $Elevated != 1
        Exec '"$INSTDIR\kestavine.exe"'
    ${EndIf}
FunctionEnd

Function un.onInit
    !insertmacro KESTAVINE_INIT un.
FunctionEnd

Section "kestavine"
    ${If} $Mode == AllUsers
    ${AndIf} $Elevated != 1
        ; A copy of this installer with the rights does it, unattended, here
        ; in the player's sight; Windows asks the player for the rights.
        ExecShellWait "runas" "$EXEPATH" "/S /AllUsers /D=$INSTDIR"
        ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
        ${If} $0 != $INSTDIR
        ${OrIf} $1 != "${VERSION}"
            Abort "$(NotInstalled)"
        ${EndIf}
        Return
    ${EndIf}
    ; An earlier version's files that this one no longer has (a Qt plugin of
    ; another name) would stay and might be loaded. Only the earlier
    ; uninstaller knows them all; it leaves the player's own files. _?= runs
    ; it in place, so that ExecWait waits for it. The game beside it tells
    ; that it is this game's uninstaller and not another program's.
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ${AndIf} ${FileExists} "$INSTDIR\kestavine.exe"
        ; An uninstaller of before asked for the highest rights there are,
        ; which Windows refuses a program without them; the player's own
        ; copy is the player's to remove.
        System::Call 'kernel32::SetEnvironmentVariable(t "__COMPAT_LAYER", t "RunAsInvoker")'
        ExecWait '"$INSTDIR\uninstall.exe" /S /$Mode _?=$INSTDIR'
        System::Call 'kernel32::SetEnvironmentVariable(t "__COMPAT_LAYER", p 0)'
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
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$Mode'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${KESTAVINE_SIZE_KB}
SectionEnd

Section "Uninstall"
    ${If} $Mode == AllUsers
    ${AndIf} $Elevated != 1
        ; As on installing: this very copy (in the temporary folder), again
        ; with the rights, unattended.
        IfSilent 0 +3
        MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
        Abort
        ExecShellWait "runas" "$EXEPATH" "/S /AllUsers _?=$INSTDIR"
        Return
    ${EndIf}
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
