; A product installer that opens the Windows XP firewall to the programs it
; installs: it copies its files, records its install folder where
; FwExclude.exe looks for it, runs FwExclude.exe unattended with its
; component code and fails when FwExclude.exe reports any error.
;
;   makensis -DFWEXCLUDE=path\FwExclude.exe -DPAYLOAD=folder sample-installer.nsi
;
; PAYLOAD is the folder whose files the product installs. Built and run
; silently (/S) under Wine by tests/installer.

Unicode true
Name "TAVIRON Sample"
RequestExecutionLevel admin   ; FwExclude.exe writes under HKEY_LOCAL_MACHINE
InstallDir "$PROGRAMFILES\TAVIRON Sample"

!ifndef OUTFILE
  !define OUTFILE "sample-setup.exe"
!endif
OutFile "${OUTFILE}"

; The product's component code, and the registry value (under HKLM) in
; which FwExclude.exe looks up that component's install folder:
;   MNX  Software\TAVIRON\OrvoInst  TAVIRONDIR
;   WBQ  Software\TAVIRON\WBQ       InstallPath
;   DKQ  Software\TAVIRON\DKQ       InstallPath
; (tests/installer also builds it as a DKQ installer that records its
; folder under a wrong value name.)
!ifndef COMPONENT
  !define COMPONENT "MNX"
  !define INSTALL_KEY "Software\TAVIRON\OrvoInst"
  !define INSTALL_VALUE "TAVIRONDIR"
!endif

Section "Install"
  SetOutPath "$INSTDIR"
  File /r "${PAYLOAD}\*.*"
  WriteRegStr HKLM "${INSTALL_KEY}" "${INSTALL_VALUE}" "$INSTDIR"

  ; FwExclude.exe runs from the installer's temporary folder, which is
  ; removed at the end: it is not installed, and not registered itself.
  InitPluginsDir
  File "/oname=$PLUGINSDIR\FwExclude.exe" "${FWEXCLUDE}"
  ClearErrors
  ExecWait '"$PLUGINSDIR\FwExclude.exe" ${COMPONENT}' $0
  IfErrors 0 +2
    StrCpy $0 -1            ; it could not even be started
  StrCmp $0 0 registered
    SetErrorLevel $0        ; the installer's exit code is FwExclude.exe's
    Abort "FwExclude.exe ended with exit code $0: the firewall is not open to every program."
  registered:
SectionEnd
