#pragma once

// Installs the effect translation into the import: the operation-group and transition entries of
// the segment traversal, the layer-parameter resolution of the track layout, and the reader of
// parameters reached through object references. The program calls it once before any conversion;
// calling it again changes nothing.
void InstallEffectTranslation();
