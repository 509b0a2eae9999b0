// Reads and presets the exit status that the code under test records.
#pragma once

int CurrentExitCode();
void PresetExitCode(int code);
