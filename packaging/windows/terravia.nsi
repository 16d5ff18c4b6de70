; The Windows installer: both programs under Program Files, Start menu
; entries, an uninstaller in Add or remove programs, and the firewall opened
; for the teacher's program.  tools/windows/installer.sh passes VERSION, DIST
; (the folder deploy.sh made) and OUTFILE.  Silent: setup.exe /S, and the
; uninstaller with /S too.
Unicode true
; A 64-bit installer for 64-bit programs: it needs no 32-bit layer (WoW64).
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Terravia"
!define FIREWALL_RULE "Terravia – nauczyciel"

Name "Terravia ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Terravia"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "Terravia ${VERSION}"

!define MUI_ICON "${DIST}\..\..\icons\terravia.ico"
!define MUI_UNICON "${DIST}\..\..\icons\terravia.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

Function .onInit
  SetRegView 64
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Terravia wymaga 64-bitowego systemu Windows." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

Section "Terravia"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${DIST}\*.*"
  ; Its presence tells the programs that this folder is shared by every user
  ; of the computer: what a pupil writes goes to his own %APPDATA%\Terravia.
  WriteUninstaller "$INSTDIR\Odinstaluj.exe"

  CreateShortcut "$SMPROGRAMS\Terravia.lnk" "$INSTDIR\terravia.exe" "" "$INSTDIR\terravia.exe" 0
  CreateShortcut "$SMPROGRAMS\Terravia – nauczyciel.lnk" "$INSTDIR\terravia-nauczyciel.exe" "" \
                 "$INSTDIR\terravia-nauczyciel.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Terravia"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Terravia authors"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\terravia.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Odinstaluj.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Odinstaluj.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; The teacher's program answers the pupils' search on UDP 3000 and takes
  ; their connections on TCP 3001 and 3002.
  nsExec::ExecToLog 'netsh advfirewall firewall delete rule name="${FIREWALL_RULE}"'
  Pop $0
  nsExec::ExecToLog 'netsh advfirewall firewall add rule name="${FIREWALL_RULE}" dir=in action=allow program="$INSTDIR\terravia-nauczyciel.exe" protocol=UDP localport=3000'
  Pop $0
  nsExec::ExecToLog 'netsh advfirewall firewall add rule name="${FIREWALL_RULE}" dir=in action=allow program="$INSTDIR\terravia-nauczyciel.exe" protocol=TCP localport=3001-3002'
  Pop $0
SectionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  nsExec::ExecToLog 'netsh advfirewall firewall delete rule name="${FIREWALL_RULE}"'
  Pop $0
  Delete "$SMPROGRAMS\Terravia.lnk"
  Delete "$SMPROGRAMS\Terravia – nauczyciel.lnk"
  ; Only the install folder: the pupils' results and settings stay in their
  ; own %APPDATA%\Terravia.
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
