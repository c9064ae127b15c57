#pragma once

#include <string>

#include "fcpxml/RareText.h"

// The "logginginfo" element. take is held but never written.
struct LoggingInfo {
    RareText description;
    RareText lognote;
    RareText scene;
    RareText shottake;
    RareText take;
};

// description, scene, shottake, lognote (empty elements when empty), then "good" "FALSE".
void WriteLoggingInfo(const LoggingInfo& info);
