// make-example OUTPUT.aaf: writes the bundled example file.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/ExampleFile.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-example OUTPUT.aaf\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const std::filesystem::path partial = out.string() + ".partial";
    try {
        const aafsdk::fixture::CfbImage image = aafsdk::fixture::WriteAaf(aafsdk::fixture::BuildExampleGraph());
        // Written beside the target and renamed, so a failed run never leaves a half-written example.
        aafsdk::fixture::SaveBytes(partial, image.bytes);
        std::filesystem::rename(partial, out);
    } catch (const std::exception& e) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        std::fprintf(stderr, "make-example: %s\n", e.what());
        return 1;
    }
    return 0;
}
