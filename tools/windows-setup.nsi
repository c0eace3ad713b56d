; The setup program of the Windows program, made by tools/windows-package:
;   makensis -DVERSION=2.0 -DSTAGE=<folder> -DTARGET=amd64-unicode -DOUTFILE=<setup.exe> this file
; The program keeps its event files beside itself, so it is installed per user into a folder the
; user can write, without administrator rights. An upgrade replaces the program files and keeps
; the park's workspace (pool, settings, remainder, skin pictures) as it is.
Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"

!define PRODUCT "岚舟签号通"
!define PUBLISHER "岚舟科技"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\qianhaotong"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${STAGE}\..\qianhaotong.ico"
!define MUI_UNICON "${STAGE}\..\qianhaotong.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\qianhaotong.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Section "${PRODUCT}"
    SetOutPath "$INSTDIR"
    ; The program, Qt and the C++ runtime: always the new ones.
    SetOverwrite on
    File /r /x "skin" /x "mydb" "${STAGE}\*"
    ; The demo workspace only where the park has none yet.
    SetOverwrite off
    File /r "${STAGE}\skin"
    File /r "${STAGE}\mydb"
    SetOverwrite on

    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; The program works in its own folder: the shortcut starts it there.
    SetOutPath "$INSTDIR"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\qianhaotong.exe" "" \
        "$INSTDIR\qianhaotong.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qianhaotong.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    !include "${STAGE}\..\uninstall-files.nsh"
    Delete "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; The shortcut the program puts on the desktop at every start.
    Delete "$DESKTOP\${PRODUCT}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; The event data stays unless the user says otherwise; a silent removal keeps it.
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "是否同时删除本机的活动数据（号码池、设置、剩余号码和皮肤图片）？$\n选择“否”则保留在$\n$INSTDIR" \
        /SD IDNO IDNO keep
    RMDir /r "$INSTDIR\mydb"
    RMDir /r "$INSTDIR\skin"
    keep:
    RMDir "$INSTDIR"
SectionEnd
