; Tallowin's Windows setup, made by makensis (Debian's nsis package) in the
; Windows build; see cmake/Setup.cmake for the defines it is given.
;
; Per user by default, without elevation: the program goes to
; %LOCALAPPDATA%\Programs\Tallowin, its Start menu shortcut to the user's
; menu and its Add/Remove Programs entry under HKCU. With /AllUsers, run by
; an administrator: %ProgramFiles%\Tallowin, the common Start menu and HKLM.
; /S installs without a window, /D=FOLDER chooses the folder.
;
; An older version already installed is replaced in place, in its folder and
; under its entry; a newer one is kept and the setup ends with 1638, the code
; Windows Installer gives for "another version is installed".
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestDPIAwareness "PerMonitorV2,PerMonitor"
ManifestSupportedOS all

!include "${FACTS}"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"
!include "WinMessages.nsh"

!define PROGRAM_FILE "${NAME}.exe"
!define UNINSTALLER "Uninstall.exe"
!define ENTRY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
; What Windows Installer returns when another version of the product is
; installed; deployment tools know it.
!define EXIT_OTHER_VERSION 1638
; What Windows returns when an operation needs an administrator.
!define EXIT_NEEDS_ADMIN 740
; A user's running program, which holds its file open.
!define EXIT_PROGRAM_RUNNING 32

Name "${NAME}"
Caption "${NAME} ${VERSION} Setup"
UninstallCaption "${NAME} Uninstall"
OutFile "${OUTFILE}"
; Left empty so that .onInit can tell a folder given with /D from none.
InstallDir ""
BrandingText "${NAME} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION_TEXT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The progress page stays, with what was done, until Next.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_UNFINISHPAGE_NOAUTOCLOSE
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The finish page offers to start the program from its folder.
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_FILE}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var Installed  ; the version already installed in this mode, or ""
Var Mode       ; "" or " /AllUsers", as the uninstaller is told it

; /AllUsers: the machine-wide places, for an administrator only. Sets Mode
; and the shell folders' context (SHCTX is HKLM with "all", HKCU without).
!macro ChooseMode un
Function ${un}ChooseMode
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    ${If} ${Errors}
        SetShellVarContext current
        StrCpy $Mode ""
        Return
    ${EndIf}
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "Installing or removing ${NAME} for all users needs an \
            administrator. Run this program as administrator, or without /AllUsers for \
            yourself alone." /SD IDOK
        SetErrorLevel ${EXIT_NEEDS_ADMIN}
        Quit
    ${EndIf}
    SetShellVarContext all
    StrCpy $Mode " /AllUsers"
FunctionEnd
!macroend
!insertmacro ChooseMode ""
!insertmacro ChooseMode "un."

; Asks a running program of this user to close, as its OK button would, and
; waits five seconds at most for its window to go. Its main window is a
; dialog whose caption is the program's name. The request is made again on
; each look: one that comes while the program is still busy opening its
; window (or waits on a message box) may time out unanswered.
!macro CloseProgram un
Function ${un}CloseProgram
    StrCpy $1 0
    ${DoWhile} $1 < 25
        FindWindow $0 "#32770" "${NAME}"
        ${If} $0 = 0
            Return
        ${EndIf}
        ${If} $1 = 0
            DetailPrint "Closing ${NAME}"
        ${EndIf}
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=100
        Sleep 100
        IntOp $1 $1 + 1
    ${Loop}
FunctionEnd
!macroend
!insertmacro CloseProgram ""
!insertmacro CloseProgram "un."

; Removes the program file first: while it runs (another user's, or one that
; did not close) Windows keeps it, and the setup stops with nothing changed.
!macro RemoveProgramFile un
    Call ${un}CloseProgram
    Delete "$INSTDIR\${PROGRAM_FILE}"
    ${If} ${FileExists} "$INSTDIR\${PROGRAM_FILE}"
        MessageBox MB_OK|MB_ICONSTOP "${NAME} is running and could not be closed, so it cannot \
            be replaced or removed. Close every ${NAME} window, then run this again." /SD IDOK
        SetErrorLevel ${EXIT_PROGRAM_RUNNING}
        Abort
    ${EndIf}
!macroend

Function .onInit
    Call ChooseMode
    ReadRegStr $Installed SHCTX "${ENTRY}" "DisplayVersion"
    ${If} $Installed != ""
        ${VersionCompare} $Installed "${VERSION}" $0
        ${If} $0 = 1  ; the installed one is newer
            MessageBox MB_OK|MB_ICONSTOP "${NAME} $Installed is installed, which is newer than \
                this setup's ${VERSION}. To go back to ${VERSION}, remove ${NAME} $Installed \
                first." /SD IDOK
            SetErrorLevel ${EXIT_OTHER_VERSION}
            Quit
        ${EndIf}
        ; In place: the folder the entry names, whatever /D says.
        ReadRegStr $0 SHCTX "${ENTRY}" "InstallLocation"
        ${If} $0 != ""
            StrCpy $INSTDIR $0
        ${EndIf}
    ${EndIf}
    ${If} $INSTDIR == ""
        ${If} $Mode == ""
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${NAME}"
        ${Else}
            StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
        ${EndIf}
    ${EndIf}
FunctionEnd

Function SkipFolderOnUpgrade
    ${If} $Installed != ""
        Abort
    ${EndIf}
FunctionEnd

Section "${NAME}"
    SetOutPath "$INSTDIR"
    !insertmacro RemoveProgramFile ""
    File "/oname=${PROGRAM_FILE}" "${PROGRAM}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; Started in its own folder, with its own icon.
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${PROGRAM_FILE}" "" \
        "$INSTDIR\${PROGRAM_FILE}" 0 SW_SHOWNORMAL "" "${DESCRIPTION}"

    WriteRegStr SHCTX "${ENTRY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${ENTRY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${ENTRY}" "Publisher" "${COMPANY}"
    WriteRegStr SHCTX "${ENTRY}" "URLInfoAbout" "${HOMEPAGE}"
    WriteRegStr SHCTX "${ENTRY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE},0"
    WriteRegStr SHCTX "${ENTRY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${ENTRY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"$Mode'
    WriteRegStr SHCTX "${ENTRY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}"$Mode /S'
    WriteRegDWORD SHCTX "${ENTRY}" "NoModify" 1
    WriteRegDWORD SHCTX "${ENTRY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${ENTRY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    Call un.ChooseMode
FunctionEnd

Section "Uninstall"
    !insertmacro RemoveProgramFile "un."
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only when empty: whatever the user put there stays, and so does a
    ; Programs folder that other programs use.
    RMDir "$INSTDIR"
    ${If} $Mode == ""
        RMDir "$LOCALAPPDATA\Programs"
    ${EndIf}
    Delete "$SMPROGRAMS\${NAME}.lnk"
    DeleteRegKey SHCTX "${ENTRY}"
SectionEnd
