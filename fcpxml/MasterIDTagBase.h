#pragma once

#include <string>

#include "fcpxml/RareText.h"

// The master-clip references of an item.
struct MasterIDTagBase {
    explicit MasterIDTagBase(bool isMasterClip = false) : ismasterclip(isMasterClip) {}

    std::string SetMasterClipId(const std::string& masterId) { return masterclipid = masterId; }
    std::string SetSubclipMasterId(const std::string& masterId) { return subclipmasterid = masterId; }

    // <ismasterclip> always; <masterclipid> and <subclipmasterid> when set.
    void WriteMasterIds() const;

    bool ismasterclip;
    std::string masterclipid;
    RareText subclipmasterid;  // set on subclips alone
};
