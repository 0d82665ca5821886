; SPDX-License-Identifier: MIT
; Vindel's installer for Windows, made by makensis. packaging/windows/CMakeLists.txt
; passes VERSION (four numbers), ARCH (x86 or x64: which Windows the program
; is built for), STAGE (the folder holding Vindel.exe and LICENSE.txt), ICON and
; OUTFILE.
;
; For the user who runs it, with no administrator rights: the program goes to
; %LOCALAPPDATA%\Programs\Vindel, the Start-menu entry starts it in
; %LOCALAPPDATA%\Vindel, where it keeps its settings file Vindel.ini (as the
; Linux menu entry starts it in ~/.local/share/vindel), and the uninstaller is
; listed among the user's installed programs. The uninstaller removes what was
; installed and leaves Vindel.ini, with the folder that holds it.
;
; A folder chosen for the program that isn't Vindel's own (named Vindel) gets
; a Vindel folder inside it, so that Vindel's files never mix with the
; user's; and no file of the user's is ever written over: the setup stops
; instead.

Unicode true
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vindel"
; Not roaming: the settings file holds the switch's password in plain text.
!define DATA_FOLDER "$LOCALAPPDATA\Vindel"

Name "Vindel"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vindel"
; Installing again goes where the last installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey "ProductName" "Vindel"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Vindel Setup"
VIAddVersionKey "CompanyName" "The Vindel developers"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 The Vindel developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Vindel"
!define MUI_FINISHPAGE_RUN_FUNCTION StartVindel

!define MUI_PAGE_CUSTOMFUNCTION_LEAVE OwnFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Vindel will be removed from the folder below. Its settings file Vindel.ini, which holds the switch password in plain text, is kept, in ${DATA_FOLDER}; delete it yourself if the password should go too."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The installer itself is a 32-bit program; a 64-bit Vindel.exe would not
; start on 32-bit Windows.
Function .onInit
!if "${ARCH}" == "x64"
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "This is Vindel for 64-bit Windows. On this computer, install Vindel for 32-bit Windows (x86)." /SD IDOK
    Abort
  ${EndIf}
!endif
FunctionEnd

; Vindel's own folder is one named Vindel: any other chosen folder gets one
; inside it. Run when the folder page is left and again before installing, for
; a folder given with /D.
Function OwnFolder
  StrCpy $0 "$INSTDIR" "" -7
  StrCmp $0 "\Vindel" done
  StrCpy $INSTDIR "$INSTDIR\Vindel"
  done:
FunctionEnd

; Stops the setup, before anything is written, where one of the files to be
; installed is there already but no earlier installation of Vindel put it
; there: it is the user's.
!macro RefuseUsersFile FILE
  IfFileExists "$INSTDIR\${FILE}" 0 +3
    StrCmp $1 "$INSTDIR" +2
      Call RefuseFolder
!macroend

Function RefuseFolder
  MessageBox MB_ICONSTOP "$INSTDIR already holds files that are not Vindel's. Choose another folder for Vindel." /SD IDOK
  Abort
FunctionEnd

Section "Vindel"
  SetShellVarContext current
  Call OwnFolder
  ; Where the last installation went, if any: its files may be replaced.
  ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  !insertmacro RefuseUsersFile "Vindel.exe"
  !insertmacro RefuseUsersFile "LICENSE.txt"
  !insertmacro RefuseUsersFile "Uninstall.exe"
  SetOutPath "$INSTDIR"
  File "${STAGE}/Vindel.exe"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; A shortcut's working folder is the output folder at the time it is made.
  CreateDirectory "${DATA_FOLDER}"
  SetOutPath "${DATA_FOLDER}"
  CreateShortcut "$SMPROGRAMS\Vindel.lnk" "$INSTDIR\Vindel.exe" "" "$INSTDIR\Vindel.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vindel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Vindel developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vindel.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; "Start Vindel" on the last page: in its data folder, as the Start-menu entry does.
Function StartVindel
  SetOutPath "${DATA_FOLDER}"
  Exec '"$INSTDIR\Vindel.exe"'
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  DetailPrint "Vindel.ini, which holds the switch password, is kept in ${DATA_FOLDER}."
  Delete "$SMPROGRAMS\Vindel.lnk"
  Delete "$INSTDIR\Vindel.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Only the files the setup installed go. Folders go only when empty, so a
  ; Vindel.ini in either, or any file of the user's, stays. The installation
  ; folder goes last: once it has, the uninstaller is done.
  RMDir "${DATA_FOLDER}"
  RMDir "$INSTDIR"
SectionEnd
