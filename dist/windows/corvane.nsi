; The Windows setup program: Corvane.scr and Corvane.dll into the 64-bit system folder, where the
; Screen Saver settings list savers, an optional switch to Corvane as the current screen saver, and
; an uninstaller in Add/Remove Programs. Built by tools/windows-dist.sh (make windows-dist), which
; defines BUILD (the folder holding the two files), OUTFILE and ICON.
;
; Silent use: "Corvane-1.0-setup.exe /S" installs and makes Corvane the current screen saver;
; "/S /KEEPSAVER" installs without touching the current saver. The uninstaller takes /S, and
; /REMOVESETTINGS to delete the settings file as well (it is left in place otherwise).

Unicode true
; A 64-bit setup program: the saver is a 64-bit program, and Wine without its 32-bit half (as on
; the build machine) runs 64-bit programs only. The system folder is still named with file-system
; redirection off below, so that a 32-bit build of this script installs into the same folder.
Target amd64-unicode
SetCompressor /SOLID lzma
; File times are left out of the package, so two builds of the same files give the same bytes.
SetDateSave off
ManifestDPIAware true
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "Corvane"
!define DISPLAY_NAME "Corvane (Screen Saver)"
!define DISPLAY_VERSION "1.00"
!define PUBLISHER "The Corvane developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane"
!define DESKTOP_KEY "Control Panel\Desktop"

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
; The uninstaller's own folder; the saver itself goes into the system folder.
InstallDir "$PROGRAMFILES64\Corvane"
BrandingText "${DISPLAY_NAME} ${DISPLAY_VERSION}"
VIProductVersion 1.0.0.0
VIAddVersionKey /LANG=0 ProductName "${DISPLAY_NAME}"
VIAddVersionKey /LANG=0 ProductVersion "${DISPLAY_VERSION}"
VIAddVersionKey /LANG=0 FileVersion "${DISPLAY_VERSION}"
VIAddVersionKey /LANG=0 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=0 FileDescription "${DISPLAY_NAME} setup"
VIAddVersionKey /LANG=0 LegalCopyright "2026 the Corvane developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the default; the user's own language is taken when it is one of these.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString SaverSection ${LANG_ENGLISH} "Corvane (screen saver)"
LangString SaverSection ${LANG_JAPANESE} "Corvane (スクリーンセーバー)"
LangString CurrentSection ${LANG_ENGLISH} "Use Corvane as the current screen saver"
LangString CurrentSection ${LANG_JAPANESE} "Corvane を現在のスクリーンセーバーにする"
LangString NeedsX64 ${LANG_ENGLISH} "Corvane needs 64-bit Windows."
LangString NeedsX64 ${LANG_JAPANESE} "Corvane には 64 ビット版 Windows が必要です。"

Section "!$(SaverSection)" Saver
  SectionIn RO
  ; The 64-bit system folder, not the 32-bit one a 32-bit setup program would be sent to.
  ${DisableX64FSRedirection}
  SetOutPath "$SYSDIR"
  File "${BUILD}/Corvane.scr"
  File "${BUILD}/Corvane.dll"
  ${EnableX64FSRedirection}

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${DISPLAY_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$SYSDIR\Corvane.scr,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$SYSDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${Saver} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(CurrentSection)" CurrentSaver
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SYSDIR\Corvane.scr"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
SectionEnd

; After the sections, whose numbers it uses.
Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "$(NeedsX64)" /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/KEEPSAVER" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${CurrentSaver} 0
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Uninstall"
  ${DisableX64FSRedirection}
  Delete "$SYSDIR\Corvane.scr"
  Delete "$SYSDIR\Corvane.dll"
  ; The settings stay for a later install unless the user asks them gone. They are beside the
  ; program when the system folder was writable for it, else in the user's application data.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    Delete "$SYSDIR\Corvane.ini"
    Delete "$APPDATA\Corvane\Corvane.ini"
    RMDir "$APPDATA\Corvane"
  ${EndIf}
  ${EnableX64FSRedirection}

  ; Another saver chosen since the install stays chosen.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == "$SYSDIR\Corvane.scr"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
