#pragma once

#include <string>

// The "logginginfo" element. take is held but never written.
struct LoggingInfo {
    std::string description;
    std::string lognote;
    std::string scene;
    std::string shottake;
    std::string take;
};

// description, scene, shottake, lognote (empty elements when empty), then "good" "FALSE".
void WriteLoggingInfo(const LoggingInfo& info);
