; Murkwell's setup: a per-user install that needs no administrator, with its uninstaller.
; Built by the Windows build:
;   makensis -DDIST=<program folder> -DICON=<murkwell.ico> -DSIDE_PICTURE=<bmp> -DOUTFILE=<setup.exe>
;            -DVERSION=1.03 -DVERSION_BINARY=1.3.0.0 -DARCH=x86|x64 murkwell.nsi
; Silent: "MurkwellSetup-1.03.exe /S [/D=folder]", "Uninstall.exe /S".
; The x64 setup carries the 64-bit program and is itself a 64-bit program, so 32-bit Windows
; refuses to start it. Both install into the same folder under the same uninstall entry: either
; one installed over the other is an update that keeps the list and the settings.

!if "${ARCH}" == "x64"
Target amd64-unicode
!else
Unicode true
!endif
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Murkwell"
!define COMPANY "Kestrelby"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Murkwell"
!define SETTINGS_KEY "Software\${COMPANY}\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Held by a running copy of the program (and by /showall) for as long as it runs.
!define RUNNING_MUTEX "Local\Kestrelby.Murkwell.Running"
!define SYNCHRONIZE 0x00100000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${COMPANY}"

VIProductVersion "${VERSION_BINARY}"
VIFileVersion "${VERSION_BINARY}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${COMPANY}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 ${COMPANY}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION} for you alone: it needs no administrator rights.$\r$\n$\r$\nInstalled over an earlier ${PRODUCT}, it keeps your list of folders and your settings. Close ${PRODUCT} before you go on.$\r$\n$\r$\nClick Next to continue."
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Murkwell.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE RefuseUnwritableFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Var HiddenCount
Var KeepList

; Waits until no copy of the program runs: its files are never replaced or removed under it.
; A silent run cannot ask, so it ends with exit code 2.
!macro DEFINE_WAIT_UNTIL_CLOSED prefix
Function ${prefix}WaitUntilClosed
    check:
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        ${If} ${Silent}
            SetErrorLevel 2
            Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${PRODUCT} is running.$\r$\n$\r$\nClose it (in stealth mode, bring it back with CTRL + SHIFT + ALT + M first), then click Retry." \
            IDRETRY check
        Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_UNTIL_CLOSED ""
!insertmacro DEFINE_WAIT_UNTIL_CLOSED "un."

; The program keeps its list beside itself: a folder it could not write to would lose the list.
; Sets the error flag when the folder cannot be written.
Function CheckWritable
    ClearErrors
    CreateDirectory "$INSTDIR"
    FileOpen $0 "$INSTDIR\murkwell-setup-check.tmp" w
    ${IfNot} ${Errors}
        FileClose $0
        Delete "$INSTDIR\murkwell-setup-check.tmp"
        ClearErrors
    ${EndIf}
FunctionEnd

Function RefuseUnwritableFolder
    Call CheckWritable
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP \
            "${PRODUCT} cannot be installed in this folder:$\r$\n$\r$\n$INSTDIR$\r$\n$\r$\n${PRODUCT} keeps its list of folders beside the program, so it needs a folder you can write to. Choose another folder."
        Abort
    ${EndIf}
FunctionEnd

Section "${PRODUCT}" SectionProgram
    SectionIn RO
    Call CheckWritable
    ${If} ${Errors}
        ; Only a silent install gets here with such a folder: the page refuses it otherwise.
        SetErrorLevel 2
        Abort "${PRODUCT} cannot be installed in $INSTDIR: the folder cannot be written to."
    ${EndIf}
    Call WaitUntilClosed
    ; An update replaces these three and nothing else: data.dat, data.bak and the settings stay.
    SetOutPath "$INSTDIR"
    File "${DIST}\Murkwell.exe"
    File "${DIST}\Help.chm"
    File "${DIST}\banner.html"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Murkwell.exe" "" "$INSTDIR\Murkwell.exe" 0
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Readme-Help.lnk" "$INSTDIR\Help.chm"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Murkwell.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://www.murkwell.example/"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section /o "Desktop shortcut" SectionDesktop
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\Murkwell.exe" "" "$INSTDIR\Murkwell.exe" 0
SectionEnd

; Before anything is removed: no folder may be left hidden without its list. The program
; counts the listed folders that are hidden and, when asked to, shows them all.
Section "-un.Folders still hidden"
    Call un.WaitUntilClosed
    StrCpy $KeepList 0
    ${IfNot} ${FileExists} "$INSTDIR\data.dat"
    ${AndIfNot} ${FileExists} "$INSTDIR\data.bak"
        Return
    ${EndIf}
    ClearErrors
    ExecWait '"$INSTDIR\Murkwell.exe" /hiddencount' $HiddenCount
    ${If} ${Errors}
        StrCpy $HiddenCount 255
    ${EndIf}
    ${If} $HiddenCount = 0
        Return
    ${EndIf}
    ${If} $HiddenCount = 255
        StrCpy $KeepList 1
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "The list of hidden folders could not be read, so it is kept: data.dat and data.bak stay in$\r$\n$\r$\n$INSTDIR$\r$\n$\r$\nInstall ${PRODUCT} into this folder again to show the folders." /SD IDOK
        Return
    ${EndIf}
    MessageBox MB_YESNOCANCEL|MB_ICONQUESTION|MB_DEFBUTTON1 \
        "$HiddenCount folders listed in ${PRODUCT} are still hidden.$\r$\n$\r$\nYes: show them all now, then uninstall (recommended).$\r$\n$\r$\nNo: uninstall, but keep the list (data.dat and data.bak) in the program folder, so that installing ${PRODUCT} there again can show them.$\r$\n$\r$\nCancel: keep ${PRODUCT} installed." \
        /SD IDYES IDYES showAll IDNO keepList
    SetErrorLevel 1
    Quit
    showAll:
    ClearErrors
    ExecWait '"$INSTDIR\Murkwell.exe" /showall' $0
    ${If} ${Errors}
    ${OrIf} $0 <> 0
        StrCpy $KeepList 1
        ${If} $0 = 3
            StrCpy $1 "The password was not given, so no folder was shown."
        ${Else}
            StrCpy $1 "Some folders could not be shown (a folder may be open in another program, or on a drive that is not there)."
        ${EndIf}
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "$1$\r$\n$\r$\nThe list is kept: data.dat and data.bak stay in$\r$\n$\r$\n$INSTDIR$\r$\n$\r$\nInstall ${PRODUCT} into this folder again to show the folders." /SD IDOK
    ${EndIf}
    Return
    keepList:
    StrCpy $KeepList 1
SectionEnd

Section "un.${PRODUCT}" SectionUninstallProgram
    SectionIn RO
    Delete "$INSTDIR\Murkwell.exe"
    Delete "$INSTDIR\Help.chm"
    Delete "$INSTDIR\banner.html"
    ${If} $KeepList = 0
        Delete "$INSTDIR\data.dat"
        Delete "$INSTDIR\data.bak"
    ${EndIf}
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Readme-Help.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"
    Delete "$DESKTOP\${PRODUCT}.lnk"
    ; A start with Windows would name a program that is no longer there.
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Remove my ${PRODUCT} settings" SectionUninstallSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${COMPANY}"
SectionEnd
