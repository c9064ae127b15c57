#include "InProcessMain.h"

#include <gtest/gtest.h>

#include "config/NamedParameters.h"
#include "run/Converter.h"

namespace inprocess {

int RunMain(std::vector<std::string> args, std::string* err)
{
    NamedParameters.clear();
    args.insert(args.begin(), "aaf2xmeml");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int code = RunConverterMain(static_cast<int>(args.size()), argv.data());
    (void)testing::internal::GetCapturedStdout();
    std::string printed = testing::internal::GetCapturedStderr();
    if (err != nullptr)
        *err = std::move(printed);
    return code;
}

}  // namespace inprocess
