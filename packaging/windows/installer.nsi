; The per-user installer of the Windows build, made by scripts/windows/package,
; which defines VERSION, STAGE (the program folder to install), UNINSTALL_FILES
; (Delete and RMDir lines for every file and folder of STAGE) and OUTFILE.
Unicode true
; Wine64 runs no 32-bit installers, and the programs are 64-bit anyway.
Target amd64-unicode
!include MUI2.nsh
!include StrFunc.nsh
!include WinMessages.nsh
${Using:StrFunc} StrStr
${Using:StrFunc} UnStrRep

!define NAME "Генератор фотоальбома"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\photoalbum"

; The pages put the name after «Установка», «компоненты», «файлов»: it reads
; right in the genitive, and the two pages that want another case get their own
; texts.
Name "Генератора фотоальбома"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\photoalbum"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" InstallLocation
RequestExecutionLevel user
SetCompressor /SOLID lzma
!define MUI_ICON "${STAGE}/photoalbum.ico"
!define MUI_UNICON "${STAGE}/photoalbum.ico"

!insertmacro MUI_PAGE_COMPONENTS
!define MUI_DIRECTORYPAGE_TEXT_TOP "«${NAME}» будет установлен в указанную папку. Чтобы выбрать другую, нажмите кнопку $\"Обзор$\". $_CLICK"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_UNCONFIRMPAGE_TEXT_TOP "«${NAME}» будет удалён из этой папки. $_CLICK"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section "${NAME}" ProgramSection
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\photoalbum.exe" "" "$INSTDIR\photoalbum.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\photoalbum.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
SectionEnd

Section "photoalbum-make в PATH" PathSection
    ReadRegStr $0 HKCU Environment Path
    ${StrStr} $1 ";$0;" ";$INSTDIR;"
    ${If} $1 == ""
        ${If} $0 != ""
            StrCpy $0 "$0;"
        ${EndIf}
        StrCpy $0 "$0$INSTDIR"
        ; NSIS strings end at 1023 characters: a longer Path would be cut short.
        StrLen $1 $0
        ${If} $1 >= 1023
            MessageBox MB_ICONEXCLAMATION "Переменная PATH слишком длинная: добавьте в неё $INSTDIR вручную." /SD IDOK
        ${Else}
            WriteRegExpandStr HKCU Environment Path $0
            ; Tells the uninstaller that the entry is ours to remove.
            WriteRegDWORD HKCU "${UNINSTALL_KEY}" PathEntry 1
            SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
        ${EndIf}
    ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
!insertmacro MUI_DESCRIPTION_TEXT ${ProgramSection} "Мастер фотоальбома, команда photoalbum-make и ярлык в меню «Пуск»."
!insertmacro MUI_DESCRIPTION_TEXT ${PathSection} "Команду photoalbum-make можно будет вызывать в командной строке из любой папки."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" PathEntry
    ReadRegStr $1 HKCU Environment Path
    StrLen $2 ";$1;"
    ${If} $0 == 1
    ${AndIf} $2 < 1023
        ${UnStrRep} $1 ";$1;" ";$INSTDIR;" ";"
        StrCpy $1 $1 -1 1
        ${If} $1 == ""
            DeleteRegValue HKCU Environment Path
        ${Else}
            WriteRegExpandStr HKCU Environment Path $1
        ${EndIf}
        SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    !include "${UNINSTALL_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    ; Not /r: whatever the user put here stays.
    RMDir "$INSTDIR"
SectionEnd
