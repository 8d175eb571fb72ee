; Vextral's setup program (Unicode NSIS 3).
;
; The program keeps its files (Dirs.vxl, Last.m3u, WinStart.txt) in its own folder, so it is
; installed per user, without elevation, into a folder the user can write:
; $LOCALAPPDATA\Programs\Vextral unless the user picks another one. Everything that belongs to
; the installation is registered under HKCU. The uninstaller removes only what the installer
; put there; the user's files and the settings key HKCU\Software\Vextral stay.
;
; scripts/package.sh passes VX_EXE (the program to pack), VX_OUTFILE and, when the program has
; an icon, VX_ICON. Run by hand (makensis installer\vextral.nsi) it takes build\win\vextral.exe.

; The program is x64 only, and so is its setup.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "Vextral"
!define VERSION "1.1"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vextral"
!define MENU_DIR "$SMPROGRAMS\Vextral"

!ifndef VX_EXE
  !define VX_EXE "..\build\win\vextral.exe"
!endif
!ifndef VX_OUTFILE
  !define VX_OUTFILE "vextral-setup.exe"
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"

Name "${PRODUCT}"
OutFile "${VX_OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vextral"
; An upgrade goes to the folder of the installation it replaces.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "1.1.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "1.1.0.0"
VIAddVersionKey /LANG=0 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PRODUCT}"

!ifdef VX_ICON
  !define MUI_ICON "${VX_ICON}"
  !define MUI_UNICON "${VX_ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\vextral.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when the system's matches neither.
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString MsgRunning ${LANG_RUSSIAN} "Vextral запущен. Закройте его (правый щелчок по левой кнопке панели, «Закрыть») и нажмите «Повтор»."
LangString MsgRunning ${LANG_ENGLISH} "Vextral is running. Close it (right click on the left button of its bar, $\"Закрыть$\") and press Retry."
LangString UninstallLink ${LANG_RUSSIAN} "Удалить Vextral"
LangString UninstallLink ${LANG_ENGLISH} "Uninstall Vextral"

; Waits until no Vextral is running: its bar (window class TForm1) is a child of the taskbar,
; or a top-level window where the shell has no taskbar. The program's exe cannot be replaced
; or removed while it runs. Silent runs do not wait: they end with exit code 2.
!macro WaitUntilClosed
  ${Do}
    FindWindow $0 "TForm1"
    ${If} $0 = 0
      FindWindow $1 "Shell_TrayWnd"
      ${If} $1 <> 0
        FindWindow $0 "TForm1" "" $1
      ${EndIf}
    ${EndIf}
    ${IfThen} $0 = 0 ${|} ${Break} ${|}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(MsgRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
    retry:
  ${Loop}
!macroend

; Both names of the uninstall shortcut, whichever language made it.
!macro DeleteShortcuts
  Delete "${MENU_DIR}\Vextral.lnk"
  Delete "${MENU_DIR}\Удалить Vextral.lnk"
  Delete "${MENU_DIR}\Uninstall Vextral.lnk"
!macroend

Function .onInit
  !insertmacro WaitUntilClosed
FunctionEnd

Function un.onInit
  !insertmacro WaitUntilClosed
FunctionEnd

; Writes the program and the uninstaller only; files the program made in the folder (Dirs.vxl,
; Last.m3u, WinStart.txt) and the settings key are left as they are, also on an upgrade.
Section "Vextral"
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=vextral.exe" "${VX_EXE}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  !insertmacro DeleteShortcuts
  CreateDirectory "${MENU_DIR}"
  CreateShortCut "${MENU_DIR}\Vextral.lnk" "$INSTDIR\vextral.exe" "" "$INSTDIR\vextral.exe" 0
  CreateShortCut "${MENU_DIR}\$(UninstallLink).lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vextral.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; The size of what was installed, in KB.
  FileOpen $0 "$INSTDIR\vextral.exe" r
  FileSeek $0 0 END $1
  FileClose $0
  IntOp $1 $1 / 1024
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

; Removes what the installer wrote. The folder goes only when it is empty, so the user's
; Dirs.vxl, Last.m3u and WinStart.txt keep it; HKCU\Software\Vextral is never touched. The
; shortcuts and the Uninstall key are removed only when they belong to this copy: after a
; second installation elsewhere they point at that one.
Section "Uninstall"
  Delete "$INSTDIR\vextral.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    !insertmacro DeleteShortcuts
    RMDir "${MENU_DIR}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
