; The per-user installer of Tavelin; scripts/package.sh builds it with
;   makensis -DVERSION=x.y.z -DSTAGE=<folder with the files> -DICON=<.ico> -DOUTFILE=<setup.exe> Tavelin.nsi
; and with -DSIGN=<sign.sh> signs the uninstaller before it is packed in.
; Switches: /S installs (or uninstalls) silently, /RUN starts Tavelin after a silent install,
; /D=<folder> (last, unquoted) sets the install folder.

Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!ifdef SIGN
    !uninstfinalize 'bash "${SIGN}" "%1"' = 0
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavelin"
!define PUBLISHER "The Tavelin authors"

Name "Tavelin"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tavelin"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tavelin ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Tavelin"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Tavelin ${VERSION} setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "Copyright (c) ${PUBLISHER}"

!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tavelin.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartNow)"
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(RemoveNotice)"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the fallback for a system whose language is none of these.
!insertmacro MUI_LANGUAGE English
!insertmacro MUI_LANGUAGE German
!insertmacro MUI_LANGUAGE French
!insertmacro MUI_LANGUAGE Spanish
!insertmacro MUI_LANGUAGE Italian
!insertmacro MUI_LANGUAGE PortugueseBR
!insertmacro MUI_LANGUAGE Dutch
!insertmacro MUI_LANGUAGE Polish
!insertmacro MUI_LANGUAGE Russian
!insertmacro MUI_LANGUAGE Japanese
!insertmacro MUI_LANGUAGE SimpChinese
!insertmacro MUI_RESERVEFILE_LANGDLL
!include /CHARSET=UTF8 "Languages.nsh"

; The language dialog opens on the system's language and offers every one, whatever the system's
; code page; a silent install takes the system's language without asking.
Function .onInit
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

; A running Tavelin would keep the old program running and its files open, so it is asked to end
; first, as "Close" in its menu would; the call returns once it has ended.
!macro EndRunningTavelin
    IfFileExists "$INSTDIR\Tavelin.exe" 0 +2
        ExecWait '"$INSTDIR\Tavelin.exe" /quit'
!macroend

Section "Tavelin" SecProgram
    SectionIn RO
    !insertmacro EndRunningTavelin
    SetOutPath "$INSTDIR"
    File "${STAGE}/Tavelin.exe"
    File "${STAGE}/Help*.chm"
    File "${STAGE}/LICENSE.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Tavelin.lnk" "$INSTDIR\Tavelin.exe"
SectionEnd

Section "$(StartAtSignIn)" SecStartup
    CreateShortcut "$SMSTARTUP\Tavelin.lnk" "$INSTDIR\Tavelin.exe"
SectionEnd

Section "-Register"
    ; Installed again without the option, the earlier sign-in shortcut goes.
    ${IfNot} ${SectionIsSelected} ${SecStartup}
        Delete "$SMSTARTUP\Tavelin.lnk"
    ${EndIf}
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tavelin"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tavelin.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The finish page offers the start in an interactive install; a silent one starts Tavelin only on /RUN.
Function .onInstSuccess
    ${If} ${Silent}
        ${GetParameters} $0
        ClearErrors
        ${GetOptions} $0 "/RUN" $1
        ${IfNot} ${Errors}
            Exec '"$INSTDIR\Tavelin.exe"'
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !insertmacro EndRunningTavelin
    Delete "$INSTDIR\Tavelin.exe"
    Delete "$INSTDIR\Help*.chm"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Tavelin.lnk"
    Delete "$SMSTARTUP\Tavelin.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DetailPrint "$(SettingsStay)"
SectionEnd
