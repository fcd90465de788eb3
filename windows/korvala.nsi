; Korvala's setup program: one file for 32- and 64-bit Windows, installing for the current user
; alone, so that a pupil without administrator rights can install it.
; makensis -DVERSION=1.0.0 -DOUTFILE=... -DX86=dir -DX64=dir -DDOCS=dir -DICON=korvala.ico
;   X86 and X64 hold each architecture's korvala.exe and korvala-calc.exe, DOCS the LICENSE.txt
;   and README.txt that are installed beside them.

Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvala"
!define PUBLISHER "korvala.example"
; The window's class, registered by korvala.exe: while it exists the program files are in use.
!define WINDOW_CLASS "KorvalaWindow"

Name "Korvala"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Korvala"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Korvala ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\korvala.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${DOCS}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for every Windows that speaks neither.
!insertmacro MUI_LANGUAGE "Bulgarian"
!insertmacro MUI_LANGUAGE "English"

LangString KorvalaRunning ${LANG_BULGARIAN} "Korvala работи: затворете прозореца ѝ и спрете korvala-calc, за да продължите."
LangString KorvalaRunning ${LANG_ENGLISH} "Korvala is running: close its window and stop korvala-calc to go on."
LangString KorvalaStopped ${LANG_BULGARIAN} "Korvala работи: нищо не е променено."
LangString KorvalaStopped ${LANG_ENGLISH} "Korvala is running: nothing has been changed."

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Korvala"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Korvala ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "OriginalFilename" "korvala-${VERSION}-setup.exe"

; Jumps to the label when the program file is in use: Windows refuses to open a running
; program for writing.
!macro JumpIfInUse file label
    ${If} ${FileExists} "${file}"
        ClearErrors
        FileOpen $0 "${file}" a
        ${If} ${Errors}
            Goto ${label}
        ${EndIf}
        FileClose $0
    ${EndIf}
!macroend

; Stops, before anything is changed, while Korvala runs (its window open, or korvala-calc in a
; script) from the folder: its program files could not be replaced or removed, and the
; installation would be left half done. A silent run ends with status 2.
!macro StopWhileKorvalaRuns folder
    !define stop_label stop_${__COUNTER__}
    ${stop_label}_look:
    FindWindow $0 "${WINDOW_CLASS}"
    StrCmp $0 0 0 ${stop_label}_running
    !insertmacro JumpIfInUse "${folder}\korvala.exe" ${stop_label}_running
    !insertmacro JumpIfInUse "${folder}\korvala-calc.exe" ${stop_label}_running
    Goto ${stop_label}_free
    ${stop_label}_running:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(KorvalaRunning)" /SD IDCANCEL \
        IDRETRY ${stop_label}_look
    DetailPrint "$(KorvalaStopped)"
    Abort "$(KorvalaStopped)"
    ${stop_label}_free:
    !undef stop_label
!macroend

; Adds the size of one installed file, in bytes, to $R0.
!macro AddFileSize file
    FileOpen $0 "${file}" r
    FileSeek $0 0 END $1
    FileClose $0
    IntOp $R0 $R0 + $1
!macroend

Section
    ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    !insertmacro StopWhileKorvalaRuns "$INSTDIR"
    ${If} $2 != ""
        !insertmacro StopWhileKorvalaRuns "$2"
    ${EndIf}

    ; Another installation, of this version or another, is removed by its own uninstaller, which
    ; knows its files; run in place (_?=) so that it is finished before the new files come.
    ${If} $2 != ""
    ${AndIf} ${FileExists} "$2\uninstall.exe"
        ExecWait '"$2\uninstall.exe" /S _?=$2'
        Delete "$2\uninstall.exe"
        RMDir "$2"
    ${EndIf}

    SetOutPath "$INSTDIR"
    ${If} ${IsNativeAMD64}
        File "/oname=korvala.exe" "${X64}/korvala.exe"
        File "/oname=korvala-calc.exe" "${X64}/korvala-calc.exe"
    ${Else}
        File "/oname=korvala.exe" "${X86}/korvala.exe"
        File "/oname=korvala-calc.exe" "${X86}/korvala-calc.exe"
    ${EndIf}
    File "${DOCS}/LICENSE.txt"
    File "${DOCS}/README.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\Korvala.lnk" "$INSTDIR\korvala.exe"

    StrCpy $R0 0
    !insertmacro AddFileSize "$INSTDIR\korvala.exe"
    !insertmacro AddFileSize "$INSTDIR\korvala-calc.exe"
    !insertmacro AddFileSize "$INSTDIR\LICENSE.txt"
    !insertmacro AddFileSize "$INSTDIR\README.txt"
    !insertmacro AddFileSize "$INSTDIR\uninstall.exe"
    IntOp $R0 $R0 + 1023
    IntOp $R0 $R0 / 1024

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Korvala"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvala.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $R0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
SectionEnd

; Only what the setup program put there goes: whatever else the user keeps in the folder stays,
; and so does the folder with it.
Section "Uninstall"
    !insertmacro StopWhileKorvalaRuns "$INSTDIR"

    Delete "$SMPROGRAMS\Korvala.lnk"
    Delete "$INSTDIR\korvala.exe"
    Delete "$INSTDIR\korvala-calc.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
