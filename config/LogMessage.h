#pragma once

#include <string>

// Warnings of the import and the document builders; they are discarded.
void LogMessage(const std::string& level, const std::string& message);
