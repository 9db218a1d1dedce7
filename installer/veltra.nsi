; Veltra's installer and uninstaller. makensis is given:
;   VERSION    the package version (the CMake project version)
;   ARCH       x64 or x86: which build the installer packs
;   BINDIR     the folder of veltra.exe and veltra-cli.exe
;   SKINDIR    the build's rendered skin (VT5\skin)
;   OUTFILE    the installer to write
;   DRIVERDIR  optional: a folder holding the maker's kernel driver files
; Command line: /S (silent), /SERVER=address (the UpdateServer value: a web address or a
; mirror folder, drive path or share), /D=folder (last).
; The uninstaller keeps the downloaded updates unless given /DELETEDOWNLOADS or asked.
Unicode true
!if ${ARCH} == x64
  ; A 64-bit installer for the 64-bit program: 32-bit Windows refuses to start it at all.
  Target amd64-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "NORVA Veltra 5"
!define PROGRAM_KEY "SOFTWARE\Norva\Veltra Series"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltra"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Veltra Reminder"
!define MENU_FOLDER "$SMPROGRAMS\Norva Veltra"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Norva\Veltra"  ; the 64-bit one in a 64-bit installer
ShowInstDetails show
ShowUninstDetails show
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Veltra 5"
VIAddVersionKey "CompanyName" "Norva"
VIAddVersionKey "FileDescription" "Veltra 5 setup (${ARCH})"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Norva"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var UpdateServer

; Everything goes into the view the packed program reads: a 64-bit program reads the 64-bit
; view, an x86 one the 32-bit view (also on 64-bit Windows, where that is Wow6432Node), which
; the installer, itself a 32-bit program, uses unless told otherwise.
!macro UseProgramView
  !if ${ARCH} == x64
    SetRegView 64
  !endif
!macroend

Function .onInit
  !if ${ARCH} == x86
    ; /D= on the command line has already set INSTDIR; keep it.
    ${If} ${RunningX64}
    ${AndIf} $INSTDIR == "$PROGRAMFILES\Norva\Veltra"
      StrCpy $INSTDIR "$PROGRAMFILES64\Norva\Veltra"
    ${EndIf}
  !endif
  ${GetParameters} $0
  Push $0
  Call ServerParameter
  Pop $UpdateServer
FunctionEnd

; The text after "/SERVER=" up to the next blank, without quotes around it. The option
; reader of FileFunc.nsh cannot be used: it ends a value at the next "/" of the address.
Function ServerParameter
  Exch $0
  Push $1
  Push $2
  StrCpy $1 0
  find:
    StrCpy $2 $0 8 $1
    StrCmp $2 "" none
    StrCmp $2 "/SERVER=" found
    IntOp $1 $1 + 1
    Goto find
  found:
    IntOp $1 $1 + 8
    StrCpy $0 $0 "" $1
    StrCpy $1 0
  measure:
    StrCpy $2 $0 1 $1
    StrCmp $2 "" cut
    StrCmp $2 " " cut
    IntOp $1 $1 + 1
    Goto measure
  cut:
    StrCpy $0 $0 $1
    StrCpy $2 $0 1
    StrCmp $2 '"' 0 done
    StrCpy $0 $0 -1 1
    Goto done
  none:
    StrCpy $0 ""
  done:
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

Section "Veltra"
  !insertmacro UseProgramView
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${BINDIR}\veltra.exe"
  File "${BINDIR}\veltra-cli.exe"
  !ifdef DRIVERDIR
    File /nonfatal "${DRIVERDIR}\Porvik_X64.sys"
    File /nonfatal "${DRIVERDIR}\Porvik.sys"
    File /nonfatal "${DRIVERDIR}\norvabios64_100507.sys"
    File /nonfatal "${DRIVERDIR}\norvabios32_100507.sys"
  !endif
  SetOutPath "$INSTDIR\VT5\skin"
  File "${SKINDIR}\*.bmp"
  CreateDirectory "$INSTDIR\VT5\LOG"
  CreateDirectory "$INSTDIR\VT5\DL_INFO"
  CreateDirectory "$INSTDIR\VT5\DL_FILE"

  WriteRegStr HKLM "${PROGRAM_KEY}" "WorkDir" "$INSTDIR\"
  WriteRegStr HKLM "${PROGRAM_KEY}" "AppVersion" "${VERSION}"
  ${If} $UpdateServer != ""
    WriteRegStr HKLM "${PROGRAM_KEY}" "UpdateServer" "$UpdateServer"
  ${EndIf}
  ; The program does not arrange its reminder start itself: it runs at every log-on.
  WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\veltra.exe" /REMINDER'

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Veltra.lnk" "$INSTDIR\veltra.exe"
  CreateShortcut "${MENU_FOLDER}\Uninstall Veltra.lnk" "$INSTDIR\uninstall.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Norva"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\veltra.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Stops a driver service the program created and removes it; a service that is not there
; is not an error.
!macro RemoveDriverService NAME
  nsExec::Exec 'sc stop ${NAME}'
  Pop $0
  nsExec::Exec 'sc delete ${NAME}'
  Pop $0
!macroend

Section "Uninstall"
  !insertmacro UseProgramView
  SetShellVarContext all
  ; A running copy holds its files and the driver handles: end it first.
  nsExec::Exec 'taskkill /F /IM veltra.exe'
  Pop $0
  nsExec::Exec 'taskkill /F /IM veltra-cli.exe'
  Pop $0
  !insertmacro RemoveDriverService Porvik_1_0_4
  !insertmacro RemoveDriverService NORVA_NORVABIOS_010507

  Delete "$INSTDIR\veltra.exe"
  Delete "$INSTDIR\veltra-cli.exe"
  Delete "$INSTDIR\Porvik_X64.sys"
  Delete "$INSTDIR\Porvik.sys"
  Delete "$INSTDIR\norvabios64_100507.sys"
  Delete "$INSTDIR\norvabios32_100507.sys"
  RMDir /r "$INSTDIR\VT5\skin"
  RMDir /r "$INSTDIR\VT5\LOG"
  RMDir /r "$INSTDIR\VT5\DL_INFO"
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/DELETEDOWNLOADS" $1
  ${IfNot} ${Errors}
    RMDir /r "$INSTDIR\VT5\DL_FILE"
  ${Else}
    MessageBox MB_YESNO|MB_ICONQUESTION "Also delete the downloaded update files in $INSTDIR\VT5\DL_FILE?" /SD IDNO IDNO keep_downloads
    RMDir /r "$INSTDIR\VT5\DL_FILE"
    keep_downloads:
  ${EndIf}
  ; Folders that still hold the user's downloads stay.
  RMDir "$INSTDIR\VT5"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$INSTDIR\.."

  Delete "${MENU_FOLDER}\Veltra.lnk"
  Delete "${MENU_FOLDER}\Uninstall Veltra.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKLM "${PROGRAM_KEY}"
  DeleteRegKey /ifempty HKLM "SOFTWARE\Norva"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
