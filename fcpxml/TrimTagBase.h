#pragma once

// A transition item over one edge of an item: its alignment code (0 none) and its length
// (-1 none).
struct TransitionEdge {
    int alignment = 0;
    int length = -1;
};

// The timing of an item in frames; -1 is not set.
struct TrimTagBase {
    // <duration>.
    void WriteDuration() const;
    // <in>, then <out>.
    void WriteInOut() const;
    // <start>, then <end>; an edge under a transition is written as -1.
    void WriteStartEnd() const;

    int duration = -1;
    int start = -1;
    int end = -1;
    int in = -1;
    int out = -1;
    // The item's length on its track where it differs from out - in: a speed change plays its
    // source range over the time-warp group's length. -1 is out - in. Never written.
    int recordLength = -1;
    TransitionEdge startTransition;
    TransitionEdge endTransition;
};

// The five times of an item.
struct TrimValues {
    int duration = 0;
    int start = 0;
    int end = 0;
    int in = 0;
    int out = 0;
};
