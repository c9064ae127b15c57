#pragma once

// Puts every per-run record of the configuration back to its start-up state: the command-line
// parameters and preferences path, the import preferences (project format code included), the
// output media settings with their format names, the relinked and gathered media paths, and the
// translation log. A run calls it before it stores its parameters and reads its preferences.
void ResetConfigurationState();
