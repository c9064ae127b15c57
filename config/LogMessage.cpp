#include "config/LogMessage.h"

#include <QString>

namespace {

// Warnings are not shown anywhere; this is the one place to route them if they ever should be.
void LogSink(const QString& level, const QString& message)
{
    (void)level;
    (void)message;
}

}  // namespace

void LogMessage(const std::string& level, const std::string& message)
{
    LogSink(QString::fromStdString(level), QString::fromStdString(message));
}
