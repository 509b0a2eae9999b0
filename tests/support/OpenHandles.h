// Counts the handles this process holds, to prove that nothing stays open.
#pragma once

// Every open handle of the process (keys, files, events...), as the system
// lists them; -1 when the list cannot be read.
int CountOpenHandles();
