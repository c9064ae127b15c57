#pragma once

// Puts every per-run record of the import back to its start-up state: the file's header and
// dictionary, the master clips, the event markers, the builder's three stacks (the
// item stack too, which the job's reset leaves), the traversal lists and the project frame rate.
void ResetImportState();
