; The OrvaPS setup program. makensis -DVERSION=... -DSOURCE=<program folder>
; -DOUTFILE=<setup.exe> orvaps.nsi
; A 64-bit setup program for 64-bit programs (and for Wine without its 32-bit part).
Target amd64-unicode
!include "MUI2.nsh"

Name "OrvaPS ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\OrvaPS"
InstallDirRegKey HKLM "Software\OrvaPS" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\OrvaPS"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "German"

Section "OrvaPS"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\OrvaPS"
  CreateShortcut "$SMPROGRAMS\OrvaPS\OrvaPS.lnk" "$INSTDIR\orvaps.exe"
  CreateShortcut "$SMPROGRAMS\OrvaPS\Uninstall OrvaPS.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\OrvaPS" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "OrvaPS"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "OrvaPS"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The service history and the settings live in the user's own folders and
; stay when the program goes.
Section "Uninstall"
  SetRegView 64
  RMDir /r "$SMPROGRAMS\OrvaPS"
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\OrvaPS"
SectionEnd
