@echo off
rem Opens the Windows XP firewall to the programs of one component, as an
rem administrator would from a command prompt or a logon script, with
rem FwExclude.exe beside this file. Ends with FwExclude.exe's exit code.
rem   register-firewall.bat MNX
rem   register-firewall.bat MNX "D:\TAVIRON Apps\Main"
rem "start /wait" waits for the program, a Windows program without a console,
rem and leaves its exit code in ERRORLEVEL; the empty "" is start's window title.
start "" /wait "%~dp0FwExclude.exe" %1 %2
set CODE=%ERRORLEVEL%
if not "%CODE%"=="0" (
  echo FwExclude.exe ended with exit code %CODE%: see the table in README.md.
  exit /b %CODE%
)
echo The firewall is open to every program of component %1.
