; Horalto's Windows installer (scripts/windows passes VERSION, STAGE, OUT and ICON): the program
; folder under Program Files, a Start-menu entry with the program's icon, and an uninstaller that
; Windows lists among the installed programs. The user's own files (%APPDATA%\Horalto) stay.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "Horalto ${VERSION}"
OutFile "${OUT}"
InstallDir "$PROGRAMFILES64\Horalto"
InstallDirRegKey HKLM "Software\Horalto" "InstallDir"
RequestExecutionLevel admin
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Horalto"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Horalto"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "Horalto ${VERSION} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Horalto"

Section "Horalto"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Horalto.lnk" "$INSTDIR\Horalto.exe" "" "$INSTDIR\Horalto.exe" 0
  WriteRegStr HKLM "Software\Horalto" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Horalto"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Horalto.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Horalto"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Horalto.lnk"
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Horalto"
SectionEnd
