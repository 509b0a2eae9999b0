// Command identifiers that the framework itself sends.
#pragma once

#define ID_HELP 0xE146  // 57670: help for the active window (F1)
