// The registry stand-in: keys and values from the file the environment names, in the three states
// a reader tells apart (no key, no value, a value).
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "support/TestSupport.h"

namespace {

constexpr const char* kKey = "SOFTWARE\\Tarvo FX, Inc.\\Tarvo Ostrani";

class Registry : public ::testing::Test {
protected:
    void TearDown() override { unsetenv(kRegistryFileVariable); }

    void UseFile(const std::string& text)
    {
        testsupport::WriteFile(dir_ / "registry.ini", text);
        setenv(kRegistryFileVariable, (dir_ / "registry.ini").c_str(), 1);
    }

    // What a reader of one string value into 256 zeroed bytes sees: nothing when the key does not
    // open, else the buffer's text.
    static std::string Read(const char* key, const char* value, bool* opened, LSTATUS* readStatus = nullptr)
    {
        HKEY handle = nullptr;
        *opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WOW64_32KEY, &handle) == ERROR_SUCCESS;
        if (!*opened) {
            EXPECT_EQ(handle, nullptr);
            return {};
        }
        char buffer[256] = {};
        DWORD size = sizeof buffer;
        const LSTATUS status = RegGetValueA(handle, nullptr, value, RRF_RT_REG_SZ, nullptr, buffer, &size);
        if (readStatus)
            *readStatus = status;
        EXPECT_EQ(RegCloseKey(handle), ERROR_SUCCESS);
        buffer[255] = '\0';
        return buffer;
    }

    testsupport::TempDir dir_;
};

TEST_F(Registry, KeysAndValuesComeFromTheNamedFile)
{
    const std::string longValue(256, 'x');
    UseFile("; the plug-ins' data\r\n"
            "[SOFTWARE\\Other]\n"
            "Tarvo_XML_Data=wrong\n"
            "\n"
            "[software\\tarvo fx, inc.\\TARVO OSTRANI]\r\n"
            "Tarvo_XML_Data=C:\\Data\\Plug, Ins\\\r\n"
            "Empty=\n"
            "Fits=" + std::string(255, 'y') + "\n"
            "TooLong=" + longValue + "\n"
            "[SOFTWARE\\Key Without Values]\n");
    const struct {
        const char* name;
        const char* key;
        const char* value;
        bool opened;
        LSTATUS status;
        std::string text;
    } cases[] = {
        {"key paths match in any case; CR LF ends a line", kKey, "Tarvo_XML_Data", true, ERROR_SUCCESS,
         "C:\\Data\\Plug, Ins\\"},
        {"value names match in any case", kKey, "tarvo_xml_data", true, ERROR_SUCCESS, "C:\\Data\\Plug, Ins\\"},
        {"an empty value", kKey, "Empty", true, ERROR_SUCCESS, ""},
        {"255 bytes and the NUL fit", kKey, "Fits", true, ERROR_SUCCESS, std::string(255, 'y')},
        {"256 bytes do not: the buffer stays empty", kKey, "TooLong", true, ERROR_MORE_DATA, ""},
        {"no such value", kKey, "Missing", true, ERROR_FILE_NOT_FOUND, ""},
        {"a key without values opens", "SOFTWARE\\Key Without Values", "Tarvo_XML_Data", true, ERROR_FILE_NOT_FOUND,
         ""},
        {"no such key", "SOFTWARE\\Tarvo FX, Inc.", "Tarvo_XML_Data", false, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool opened = false;
        LSTATUS status = -1;
        EXPECT_EQ(Read(c.key, c.value, &opened, &status), c.text);
        EXPECT_EQ(opened, c.opened);
        if (c.opened) {
            EXPECT_EQ(status, c.status);
        }
    }
}

TEST_F(Registry, WithoutTheFileNoKeyOpens)
{
    bool opened = true;
    unsetenv(kRegistryFileVariable);
    Read(kKey, "Tarvo_XML_Data", &opened);
    EXPECT_FALSE(opened);
    setenv(kRegistryFileVariable, (dir_ / "missing.ini").c_str(), 1);
    Read(kKey, "Tarvo_XML_Data", &opened);
    EXPECT_FALSE(opened);
    setenv(kRegistryFileVariable, dir_.path().c_str(), 1);  // a folder
    Read(kKey, "Tarvo_XML_Data", &opened);
    EXPECT_FALSE(opened);
}

TEST_F(Registry, ViewsAndBadArguments)
{
    UseFile("[SOFTWARE\\Tarvo FX, Inc.\\Tarvo Ostrani]\nTarvo_XML_Data=root\n");
    for (const REGSAM access : {KEY_READ, KEY_READ | KEY_WOW64_32KEY, KEY_READ | KEY_WOW64_64KEY}) {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, access, &key), ERROR_SUCCESS);
        DWORD size = 0;
        EXPECT_EQ(RegGetValueA(key, nullptr, "Tarvo_XML_Data", RRF_RT_REG_SZ, nullptr, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(size, 5u);  // the bytes the value takes, NUL included
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    }
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_INVALID_HANDLE);
}

}  // namespace
