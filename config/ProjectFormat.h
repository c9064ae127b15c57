#pragma once

#include <string>

// The AAF project formats that run mode 0 reports, by code.
struct ProjectFormatCode {
    int code;
    const char* name;
};

// The name of a code; an unknown code gives "30i NTSC".
std::string ProjectFormatNameFromCode(int code);

// The code of a name (exact, case-sensitive); an unknown name gives 3.
int ProjectFormatCodeFromName(const std::string& name);

// Stores the code that the project format query found in ImportPrefs.
void SetProjectFormatCode(int code);
