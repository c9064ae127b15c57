#pragma once

// The "subclipinfo" element of a clip item made from a subclip; length is held, not written.
struct SubclipInfo {
    int startoffset = 0;
    int endoffset = 0;
    int length = 0;
};

void WriteSubclipInfo(const SubclipInfo& info);
