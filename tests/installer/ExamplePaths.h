// The programs and the examples these tests run, as Windows paths.
#pragma once

#include "tests/app/BuiltPrograms.h"

inline std::string SampleInstaller()
{
    return WindowsPathOf(SAMPLE_INSTALLER);
}

inline std::string SampleInstallerWrongValue()
{
    return WindowsPathOf(SAMPLE_INSTALLER_WRONG_VALUE);
}

inline std::string BatchExample()
{
    return WindowsPathOf(BATCH_EXAMPLE);
}
