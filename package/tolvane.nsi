; The Tolvane installer (makensis; scripts/package.sh makes it). It installs
; for the current user alone and asks for no administrator rights: the
; program, README.txt, LICENSE and the examples in
; %LOCALAPPDATA%\Programs\Tolvane (or the folder chosen), a Start-menu
; shortcut, .app files opening in Tolvane, and an entry in the list of
; installed programs. Its uninstaller takes all of that away again.
;
; Defined on the command line (-D):
;   VERSION   the program's version
;   TARGET    the installer's own kind: x86-unicode runs on every Windows
;             and installs the 64-bit program on 64-bit Windows, the 32-bit
;             one elsewhere; amd64-unicode runs on 64-bit Windows only
;   EXE64     the 64-bit tolvane.exe
;   EXE32     the 32-bit tolvane.exe (x86-unicode only)
;   STAGE     a folder holding README.txt, LICENSE and examples\*.app
;   EXAMPLES  a file of Delete lines, one for each example installed
;   OUTFILE   the installer to write

Target ${TARGET}
!include "LogicLib.nsh"
!include "x64.nsh"

!define PROGID "Tolvane.Script"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvane"
!define EMULATION_KEY "Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION"
; What tolvane.exe writes there for its browser control when the user has
; no value of their own.
!define EMULATION_MODE 11001

Name "Tolvane ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Tolvane"
SetCompressor /SOLID lzma
Icon "..\app\res\tolvane.ico"
UninstallIcon "..\app\res\tolvane.ico"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Tolvane"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tolvane ${VERSION} setup"
VIAddVersionKey "CompanyName" "Tolvane Workshop"
VIAddVersionKey "LegalCopyright" "Copyright 2026 Tolvane Workshop"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Explorer shows the changed association at once.
!macro ASSOCIATIONS_CHANGED
  System::Call "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"
!macroend

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
!if "${TARGET}" == "amd64-unicode"
  File "/oname=tolvane.exe" "${EXE64}"
!else
  ${If} ${RunningX64}
    File "/oname=tolvane.exe" "${EXE64}"
  ${Else}
    File "/oname=tolvane.exe" "${EXE32}"
  ${EndIf}
!endif
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE"
  SetOutPath "$INSTDIR\examples"
  File "${STAGE}\examples\*.app"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Tolvane.lnk" "$INSTDIR\tolvane.exe"

  WriteRegStr HKCU "Software\Classes\.app" "" "${PROGID}"
  WriteRegStr HKCU "Software\Classes\${PROGID}" "" "Tolvane script"
  WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" '"$INSTDIR\tolvane.exe",0'
  WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\tolvane.exe" "%1"'
  !insertmacro ASSOCIATIONS_CHANGED

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tolvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tolvane Workshop"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\tolvane.exe",0'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer put there goes: the user's own files in the
; folder, and the folder with them, stay.
Section "Uninstall"
  SetShellVarContext current
  Delete "$INSTDIR\tolvane.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE"
  !include "${EXAMPLES}"
  RMDir "$INSTDIR\examples"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Tolvane.lnk"

  ; .app files stay with whatever program the user gave them since.
  ReadRegStr $0 HKCU "Software\Classes\.app" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue HKCU "Software\Classes\.app" ""
    DeleteRegKey /ifempty HKCU "Software\Classes\.app"
  ${EndIf}
  DeleteRegKey HKCU "Software\Classes\${PROGID}"
  !insertmacro ASSOCIATIONS_CHANGED

  ReadRegDWORD $0 HKCU "${EMULATION_KEY}" "tolvane.exe"
  ${If} $0 == ${EMULATION_MODE}
    DeleteRegValue HKCU "${EMULATION_KEY}" "tolvane.exe"
  ${EndIf}

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
