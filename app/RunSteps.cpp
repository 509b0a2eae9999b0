#include "app/RunSteps.h"

#include "firewall/ExcludeFolder.h"

int ExcludeUnlessEmpty(const CString& folder)
{
    return folder.IsEmpty() ? 0 : ExcludeFolder(folder);
}

int ExcludeFolders(const CStringArray& folders)
{
    int count = 0;
    for (int index = 0; index < folders.GetSize(); ++index) count += ExcludeUnlessEmpty(folders[index]);
    return count;
}
