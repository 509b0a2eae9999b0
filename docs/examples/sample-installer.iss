; An Inno Setup script that opens the Windows XP firewall to the programs it
; installs: after its files and its install-folder value are in place, it
; runs FwExclude.exe MNX hidden, waits for it, and raises an exception when
; the exit code is not 0, which is meant to end Setup with a fatal error
; (Setup's own exit code 4) and the message naming FwExclude.exe's code.
;
; NOT COMPILED HERE: the machine that builds and tests this project has no
; Inno Setup compiler. It follows Inno Setup's documentation of Exec
; (SW_HIDE, ewWaitUntilTerminated, the result code), ExtractTemporaryFile
; and AfterInstall; compile and try it with your own Inno Setup first.

[Setup]
AppName=TAVIRON Sample
AppVersion=1.0
DefaultDirName={pf}\TAVIRON Sample
; FwExclude.exe writes under HKEY_LOCAL_MACHINE.
PrivilegesRequired=admin
OutputBaseFilename=sample-installer

[Files]
Source: "payload\*"; DestDir: "{app}"; Flags: recursesubdirs
; Carried in the installer, never installed: extracted to {tmp} to run.
Source: "FwExclude.exe"; Flags: dontcopy

[Registry]
; Where FwExclude.exe looks up the folder of component MNX. Setup writes
; [Registry] after [Files], so OpenFirewall finds the programs in place.
Root: HKLM; Subkey: "Software\TAVIRON\OrvoInst"; ValueType: string; \
  ValueName: "TAVIRONDIR"; ValueData: "{app}"; AfterInstall: OpenFirewall

[Code]
procedure OpenFirewall;
var
  ResultCode: Integer;
begin
  ExtractTemporaryFile('FwExclude.exe');
  if not Exec(ExpandConstant('{tmp}\FwExclude.exe'), 'MNX', '', SW_HIDE,
              ewWaitUntilTerminated, ResultCode) then
    RaiseException('FwExclude.exe could not be started: ' + SysErrorMessage(ResultCode));
  if ResultCode <> 0 then
    RaiseException('FwExclude.exe ended with exit code ' + IntToStr(ResultCode) +
                   ': the firewall is not open to every program.');
end;
