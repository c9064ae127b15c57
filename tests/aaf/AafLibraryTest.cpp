#include "aaf/AafLibrary.h"

#include <clocale>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(AafLibraryTest, ReturnsTheLocaleInForceAndSwitchesOnlyToTheLibraryLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const std::string saved = LoadAafLibrary("AAFCOAPI.dll");
    EXPECT_EQ(saved, before);
    // A machine without the library's locale keeps its own; that is no error.
    const std::string during = std::setlocale(LC_ALL, nullptr);
    EXPECT_TRUE(during == "pt_PT.UTF-8" || during == before) << during;
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(std::string(std::setlocale(LC_ALL, nullptr)), before);
}

}  // namespace
