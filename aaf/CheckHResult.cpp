#include "aaf/CheckHResult.h"

#include <cstdio>

#include "aaf/ResultCodeNames.h"

std::string LastErrorText;

int CheckHResult(const char* where, HRESULT result, int errorCode)
{
    if (result == 0)
        return 0;
    const std::string name = LookupResultName(result);
    if (!name.empty())
        std::printf("\n(%s)**ERROR_HRESULT** : %s\n", where, name.c_str());
    else
        std::printf("\n(%s)**ERROR_HRESULT** \n", where);
    std::fflush(stdout);
    LastErrorText = name + " (" + where + ")";
    throw errorCode;
}

void ReportZeroObject(int errorCode, const char* where)
{
    std::fputs("\n**ERROR_ZERO_OBJECT**\n", stdout);
    std::fflush(stdout);
    LastErrorText = std::string("Null object: ") + " (" + where + ")";
    throw errorCode;
}

void ReportNullObject(const char* where)
{
    std::fputs("\n**ERROR_NULL_OBJECT**\n", stdout);
    std::fflush(stdout);
    LastErrorText = std::string("Null object: ") + " (" + where + ")";
    throw kAafCallFailed;
}
