@echo off
rem What an administrator would write without FwExclude.exe: every .exe below
rem the folder given as the first parameter, into both firewall lists, with
rem one reg.exe process for each write.
setlocal
set LISTS=HKLM\SYSTEM\CurrentControlSet\Services\SharedAccess\Parameters\FirewallPolicy
for /r "%~1" %%f in (*.exe) do (
  reg add "%LISTS%\StandardProfile\AuthorizedApplications\List" /v "%%f" /t REG_SZ /d "%%f:*:Enabled:TAVIRON_%%~nxf" /f >nul
  reg add "%LISTS%\DomainProfile\AuthorizedApplications\List" /v "%%f" /t REG_SZ /d "%%f:*:Enabled:TAVIRON_%%~nxf" /f >nul
)
