// The test programs' entry point, and their own application object: the
// code under test records its exit status there, as in the program.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "app/ExclusionApp.h"

CExclusionApp theApp;
