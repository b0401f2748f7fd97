; The setup program of Varnis: installs the x86_64 programs for the current
; user without administrator rights, with a Start-menu shortcut and an entry
; in the user's list of installed programs, and writes the uninstaller that
; removes all of it again. Built by lieferung/CMakeLists.txt:
;   makensis -INPUTCHARSET UTF8 -DLIEFERUNG=lieferung.nsh -DAUSGABE=Setup.exe varnis.nsi
; lieferung.nsh (generated) defines VERSION, HERAUSGEBER, COPYRIGHT, SYMBOL
; and the macros DATEIEN_INSTALLIEREN and DATEIEN_ENTFERNEN. /S runs the
; setup program and the uninstaller without a window.
!include "${LIEFERUNG}"

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; Per user: no elevation prompt, shortcuts in the user's own Start menu.
RequestExecutionLevel user
ManifestDPIAware true

!define SCHLUESSEL "Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnis"
!define DEINSTALLIEREN "Deinstallieren.exe"

Name "Varnis ${VERSION}"
OutFile "${AUSGABE}"
; The user's own programs folder, where Varnis.ini beside the program stays
; writable; a second installation goes where the first one went.
InstallDir "$LOCALAPPDATA\Programs\Varnis"
InstallDirRegKey HKCU "${SCHLUESSEL}" "InstallLocation"
BrandingText "Varnis ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "Varnis"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation von Varnis ${VERSION}"
VIAddVersionKey /LANG=1031 "CompanyName" "${HERAUSGEBER}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "${COPYRIGHT}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "${SYMBOL}"
!define MUI_UNICON "${SYMBOL}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Dieser Assistent installiert Varnis ${VERSION}, die Sternkarte mit dem Bildschirmschoner Kovra, für Ihr Benutzerkonto. Administratorrechte sind dafür nicht nötig.$\r$\n$\r$\nIhre Einstellungen aus einer früheren Installation bleiben erhalten.$\r$\n$\r$\nKlicken Sie auf Weiter, um fortzufahren."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Varnis starten"
!define MUI_FINISHPAGE_RUN_FUNCTION VarnisStarten
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LIESMICH.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "LIESMICH.txt anzeigen"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  ClearErrors
  !insertmacro DATEIEN_INSTALLIEREN
  WriteUninstaller "$INSTDIR\${DEINSTALLIEREN}"
  ; A file that could not be written was skipped (after the user's choice,
  ; or by itself when silent): stop with an error instead of registering an
  ; installation that lacks it.
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "Varnis konnte nicht vollständig nach $\"$INSTDIR$\" installiert werden." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}

  ; Varnis looks for its files in the folder it starts from: the shortcut's
  ; working folder is the output folder, $INSTDIR.
  CreateShortcut "$SMPROGRAMS\Varnis.lnk" "$INSTDIR\Varnis32.exe" "" "$INSTDIR\Varnis32.exe" 0

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKCU "${SCHLUESSEL}" "DisplayName" "Varnis"
  WriteRegStr HKCU "${SCHLUESSEL}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${SCHLUESSEL}" "Publisher" "${HERAUSGEBER}"
  WriteRegStr HKCU "${SCHLUESSEL}" "DisplayIcon" "$INSTDIR\Varnis32.exe,0"
  WriteRegStr HKCU "${SCHLUESSEL}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${SCHLUESSEL}" "UninstallString" "$\"$INSTDIR\${DEINSTALLIEREN}$\""
  WriteRegStr HKCU "${SCHLUESSEL}" "QuietUninstallString" "$\"$INSTDIR\${DEINSTALLIEREN}$\" /S"
  WriteRegDWORD HKCU "${SCHLUESSEL}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${SCHLUESSEL}" "NoModify" 1
  WriteRegDWORD HKCU "${SCHLUESSEL}" "NoRepair" 1
SectionEnd

; The finish page's "Varnis starten": from its own folder.
Function VarnisStarten
  SetOutPath "$INSTDIR"
  Exec "$\"$INSTDIR\Varnis32.exe$\""
FunctionEnd

; Removes what the setup program wrote, the two files Varnis writes into
; its folder (its settings and the screen saver's hand-off marker) and what
; Varnis wrote for the user into its folder of the application data (the
; saver's settings and its copy, the settings when the program's folder was
; not writable, the desktop picture). Files the user put there keep the
; folders; pictures the user saved elsewhere stay. The user's choice of
; screen saver goes when it names a saver removed here. A saver an older
; version installed into the Windows directory is left alone: the setup
; program did not put it there.
Section "Uninstall"
  SetShellVarContext current
  ReadRegStr $0 HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
  ${If} $0 == "$INSTDIR\Kovra32.scr"
  ${OrIf} $0 == "$APPDATA\Varnis\Kovra32.scr"
    DeleteRegValue HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
    WriteRegStr HKCU "Control Panel\Desktop" "ScreenSaveActive" "0"
  ${EndIf}
  !insertmacro DATEIEN_ENTFERNEN
  Delete "$INSTDIR\Varnis.ini"
  Delete "$INSTDIR\Kovra.acc"
  Delete "$INSTDIR\${DEINSTALLIEREN}"
  RMDir "$INSTDIR"
  Delete "$APPDATA\Varnis\Kovra.ini"
  Delete "$APPDATA\Varnis\Kovra.si$$"
  Delete "$APPDATA\Varnis\Kovra32.scr"
  Delete "$APPDATA\Varnis\Varnis.ini"
  Delete "$APPDATA\Varnis\Varnis.bmp"
  RMDir "$APPDATA\Varnis"
  Delete "$SMPROGRAMS\Varnis.lnk"
  DeleteRegKey HKCU "${SCHLUESSEL}"
SectionEnd
