#pragma once

// The kind code every FCP item tag carries; 0 is no known kind.
enum ItemKind : int {
    ItemKindNone = 0,
    ItemKindClipItem = 1,
    ItemKindGeneratorItem = 2,
    ItemKindTransitionItem = 3,
    ItemKindFiller = 4,
    ItemKindSequence = 5,
    ItemKindClip = 6,
    ItemKindFile = 7,
};
