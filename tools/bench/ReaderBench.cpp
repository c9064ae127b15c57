// bench-reader [SAMPLES_DIR]: open-and-walk cost of the AAF reader. Each case runs in a child
// process so that its peak resident memory is its own. Synthetic files of 1,000, 10,000 and 100,000
// source clips show how the cost grows; then every .aaf file of the samples folder is read in turn.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "aafsdk/stored/StoredGraph.h"
#include "tools/bench/AafSampleFiles.h"

namespace {

namespace fs = std::filesystem;

struct Walk {
    std::size_t objects = 0;
    std::size_t properties = 0;
    std::size_t valueBytes = 0;
};

// Touches every object and property value the reader produced.
Walk WalkGraph(const aafsdk::StoredGraph& graph)
{
    Walk w;
    for (const aafsdk::StoredObject& o : graph.objects) {
        ++w.objects;
        for (const aafsdk::StoredProperty& p : o.properties) {
            ++w.properties;
            for (std::uint8_t b : p.value)
                w.valueBytes += b != 0 ? 1 : 0;
            w.valueBytes += p.elements.size() + p.weak.size();
        }
    }
    return w;
}

// Peak resident memory of this process image in KiB (VmHWM starts afresh at exec), or -1.
long PeakKib()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    std::fclose(status);
    return kib;
}

// One open-and-walk, in a process of its own (started with --one); prints the first part of a line.
int MeasureHere(const std::string& label, const fs::path& file)
{
    {
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<aafsdk::StoredGraph> graph;
        const aafsdk::AafResult rc = aafsdk::ReadStoredGraph(file, &graph);
        if (!aafsdk::Succeeded(rc)) {
            std::printf("%-42s read failed: 0x%08x\n", label.c_str(), static_cast<unsigned>(rc));
            return 1;
        }
        const Walk w = WalkGraph(*graph);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-42s %10zu B %8zu objects %9zu props %9.2f ms %7.0f ns/object %7.1f MiB peak\n",
                    label.c_str(), static_cast<std::size_t>(fs::file_size(file)), w.objects, w.properties, ms,
                    w.objects ? ms * 1e6 / static_cast<double>(w.objects) : 0.0,
                    static_cast<double>(PeakKib()) / 1024.0);
        return 0;
    }
}

// Runs MeasureHere in a fresh process, so that its peak memory is its own.
bool Measure(const std::string& label, const fs::path& file)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return false;
    }
    if (child == 0) {
        execl("/proc/self/exe", "bench-reader", "--one", label.c_str(), file.c_str(), static_cast<char*>(nullptr));
        std::perror("exec");
        _exit(127);
    }
    int status = 0;
    if (waitpid(child, &status, 0) < 0) {
        std::perror("waitpid");
        return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--one")
        return MeasureHere(argv[2], argv[3]);
    fs::path samples = argc > 1 ? fs::path(argv[1]) : fs::path(AAF2XMEML_DEFAULT_SHARED_DIR) / "aaf-samples";
    const fs::path work = fs::temp_directory_path() / ("bench-reader-" + std::to_string(getpid()));
    fs::create_directories(work);
    int failures = 0;

    std::printf("synthetic files (one composition, N source clips):\n");
    for (std::size_t clips : {1000u, 10000u, 100000u}) {
        const fs::path file = work / ("synthetic-" + std::to_string(clips) + ".aaf");
        aafsdk::fixture::SaveBytes(file, aafsdk::fixture::WriteAaf(aafsdk::fixture::BuildSyntheticGraph(clips)).bytes);
        if (!Measure(std::to_string(clips) + " clips", file))
            ++failures;
        fs::remove(file);
    }
    fs::remove_all(work);

    std::error_code ec;
    if (!fs::is_directory(samples, ec)) {
        std::printf("no samples folder at %s\n", samples.string().c_str());
        return failures ? 1 : 0;
    }
    const std::vector<fs::path> files = bench::AafSampleFiles(samples);
    std::printf("samples (%zu files):\n", files.size());
    const auto start = std::chrono::steady_clock::now();
    for (const fs::path& f : files)
        if (!Measure(f.filename().string(), f))
            ++failures;
    std::printf("all samples: %.1f ms including process start-up\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    return failures ? 1 : 0;
}
