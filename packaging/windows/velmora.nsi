; Velmora's Windows installer. scripts/package-windows builds it with
;
;   makensis -DVERSION=<x.y.z> -DEXE32=<32-bit velmora.exe> -DEXE64=<64-bit one>
;            -DICON=<velmora.ico> -DLICENSE_TXT=<LICENSE.txt> -DREADME_TXT=<README.txt>
;            -DCOPYRIGHT=<copyright line> -DOUTFILE=<setup.exe> velmora.nsi
;
; It installs for all users (Program Files, needs administrator rights) or
; for the current user (AppData\Local\Programs), chosen on a page or with
; /AllUsers or /CurrentUser; /S installs without windows. 64-bit Windows
; gets the 64-bit program, any other the 32-bit one. The uninstaller is
; listed among the installed programs and removes exactly what was
; installed.

Unicode true
ManifestDPIAware true
SetCompressor /SOLID lzma
; A file that cannot be written fails the install instead of leaving it
; half done.
AllowSkipFiles off

!macro RequireDefine name
  !ifndef ${name}
    !error "Define ${name} on the makensis command line (see the head of velmora.nsi)"
  !endif
!macroend
!insertmacro RequireDefine VERSION
!insertmacro RequireDefine EXE32
!insertmacro RequireDefine EXE64
!insertmacro RequireDefine ICON
!insertmacro RequireDefine LICENSE_TXT
!insertmacro RequireDefine README_TXT
!insertmacro RequireDefine COPYRIGHT
!insertmacro RequireDefine OUTFILE

!define PRODUCT Velmora
; The vendor the Debian package names.
!define PUBLISHER "The Velmora developers"
!define HOME_PAGE "https://velmora.example"
!define PROGRAM velmora.exe
!define UNINSTALLER uninstall.exe
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; Under HKLM for an install for all users, under HKCU for one user.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; FOLDERID_UserProgramFiles, the per-user Programs folder (Windows 7 on).
!define FOLDERID_USER_PROGRAM_FILES {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB}

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

; MultiUser: the install mode, from the page, the command line or an
; earlier install (whose uninstall key it looks for, first under HKLM).
; The folder for each mode is chosen in SetInstallFolder below, since
; MultiUser's own choice knows the word size only at compile time.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_FUNCTION SetInstallFolder
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include Sections.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${LICENSE_TXT}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks Persian on a Persian Windows, English elsewhere.
!insertmacro MUI_LANGUAGE English
; Farsi.nsh has no texts for MultiUser's page; defined before it is loaded,
; these take the place of the English ones it would fall back to.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "انتخاب کاربران"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "انتخاب کنید $(^NameDA) برای کدام کاربران نصب شود."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "انتخاب کنید که $(^NameDA) فقط برای شما نصب شود یا برای همه کاربران این رایانه. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "نصب برای همه کاربران این رایانه"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "نصب فقط برای من"
!insertmacro MUI_LANGUAGE Farsi

LangString ProgramRunning ${LANG_ENGLISH} "$(^Name) is running from $INSTDIR. Close it, then choose Retry."
LangString ProgramRunning ${LANG_FARSI} "$(^Name) از $INSTDIR در حال اجرا است. آن را ببندید و سپس «تلاش دوباره» را انتخاب کنید."

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} LegalCopyright "${COPYRIGHT}"

; A folder given with /D= on the command line; it wins over the defaults.
Var CommandLineFolder

; Called by MultiUser whenever the install mode is set: the folder of an
; earlier install in this mode, or else the default for the mode and the
; word size of Windows.
Function SetInstallFolder
  ${If} $CommandLineFolder != ""
    StrCpy $INSTDIR $CommandLineFolder
    Return
  ${EndIf}
  ${If} $MultiUser.InstallMode == AllUsers
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" InstallLocation
    ${If} ${RunningX64}
      StrCpy $1 "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
      StrCpy $1 "$PROGRAMFILES\${PRODUCT}"
    ${EndIf}
  ${Else}
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" InstallLocation
    GetKnownFolderPath $1 ${FOLDERID_USER_PROGRAM_FILES}
    ${If} $1 == ""
      StrCpy $1 "$LOCALAPPDATA\Programs"
    ${EndIf}
    StrCpy $1 "$1\${PRODUCT}"
  ${EndIf}
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${Else}
    StrCpy $INSTDIR $1
  ${EndIf}
FunctionEnd

; A 32-bit installer sees the 32-bit registry unless told otherwise; a
; 64-bit program belongs in the 64-bit one.
!macro UseNativeRegistry
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
!macroend

; Deletes the installed program, asking to close it while it runs (a
; running program cannot be replaced or deleted). Gives up, failing the
; install or uninstall, when the user cancels or nobody can be asked (/S).
!macro RemoveProgram
  ${Do}
    ClearErrors
    Delete "$INSTDIR\${PROGRAM}"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY +2
    Abort "$(ProgramRunning)"
  ${Loop}
!macroend

Section "-Prepare"
  SetOutPath "$INSTDIR"
  !insertmacro RemoveProgram
SectionEnd

; One program for each word size, in sections of their own so that the
; space the installer asks for is that of the one installed; .onInit
; unselects the other.
Section "-64-bit program" Program64
  File "/oname=${PROGRAM}" "${EXE64}"
SectionEnd

Section "-32-bit program" Program32
  File "/oname=${PROGRAM}" "${EXE32}"
SectionEnd

Section "-Files and registration"
  File "/oname=LICENSE.txt" "${LICENSE_TXT}"
  File "/oname=README.txt" "${README_TXT}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM}"

  ; The entry of the installed programs list, under HKLM or HKCU as
  ; MultiUser set the shell context. The uninstall commands name the mode,
  ; so the uninstaller looks for its key where this wrote it.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" URLInfoAbout "${HOME_PAGE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\${PROGRAM},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString \
    '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString \
    '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
  ; In KiB, as the installed programs list expects.
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Function .onInit
  StrCpy $CommandLineFolder $INSTDIR
  !insertmacro UseNativeRegistry
  !insertmacro MULTIUSER_INIT
  ${If} ${RunningX64}
    !insertmacro UnselectSection ${Program32}
  ${Else}
    !insertmacro UnselectSection ${Program64}
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro UseNativeRegistry
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Removes only what the installer put there: the folder goes only once it
; is empty, so nothing the user keeps in it is lost.
Section "Uninstall"
  !insertmacro RemoveProgram
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
