#pragma once

#include <string>
#include <vector>

namespace inprocess {

// The program's main body on args (the arguments after the program name), run in this process with
// the named parameters of any earlier run cleared. What it prints is kept away from the test's
// output; standard error goes to err when it is given. Returns the exit code as main returns it.
int RunMain(std::vector<std::string> args, std::string* err = nullptr);

}  // namespace inprocess
