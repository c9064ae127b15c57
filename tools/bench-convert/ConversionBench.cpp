// bench-convert [SAMPLES_DIR [CLIPS...]]: cost of whole conversions (run mode 2) as a user runs them. Each
// conversion is the program itself in a child process, so wall time includes start-up and the peak
// resident memory is that run's own. Two kinds of synthetic file of 1,000, 10,000 and 100,000 clips
// show how the cost grows with the edit: a real-looking timeline, and one track of clips whose masters
// lead nowhere (every clip a slug). Then a typical sample converts several times beside a QtCore
// hello-world, for the cost of the conversion against that of starting a Qt process at all, and every
// .aaf file of the samples folder converts once. SAMPLES_DIR "-" skips the samples.
//
// bench-convert --write timeline|slugs CLIPS FILE writes one synthetic file, for a profiler.
// BENCH_PROGRAM=PATH measures another build of the program.
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "aafsdk/fixture/SyntheticTimeline.h"
#include "tools/bench/AafSampleFiles.h"

namespace {

namespace fs = std::filesystem;

struct RunResult {
    bool started = false;
    int exitCode = -1;
    double ms = 0.0;
    long peakKib = -1;
};

// The program to measure: this build's, or another build's named by BENCH_PROGRAM (to set two builds
// side by side on the same machine).
const char* Program()
{
    const char* other = std::getenv("BENCH_PROGRAM");
    return other != nullptr && *other != '\0' ? other : AAF2XMEML_PROGRAM;
}

// Runs "aaf2xmeml 2 AAF XML '' MEDIA LOG" (or, with no AAF, the QtCore hello-world) with its output
// streams sent to /dev/null.
RunResult Convert(const fs::path& aaf, const fs::path& work)
{
    RunResult r;
    const std::string xml = (work / "out.xml").string();
    const std::string media = (work / "media.ini").string();
    const std::string log = (work / "log.ini").string();
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return r;
    }
    if (child == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        if (aaf.empty())
            execl(AAF2XMEML_QT_HELLO, "bench-qt-hello", static_cast<char*>(nullptr));
        else
            execl(Program(), "aaf2xmeml", "2", aaf.c_str(), xml.c_str(), "", media.c_str(), log.c_str(),
                  static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return r;
    }
    r.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    r.started = WIFEXITED(status) && WEXITSTATUS(status) != 127;
    r.exitCode = WIFEXITED(status) ? static_cast<int>(static_cast<signed char>(WEXITSTATUS(status))) : -1000;
    r.peakKib = usage.ru_maxrss;
    return r;
}

using GraphMaker = aafsdk::StoredGraph (*)(std::size_t);

// Writes the synthetic file in a child process: the parent stays small, since a forked child's peak
// memory starts from its parent's.
bool MakeSynthetic(GraphMaker make, std::size_t clips, const fs::path& file)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        aafsdk::fixture::SaveBytes(file, aafsdk::fixture::WriteAaf(make(clips)).bytes);
        std::fflush(nullptr);
        _exit(0);
    }
    int status = 0;
    return waitpid(child, &status, 0) >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::uintmax_t SizeOf(const fs::path& p)
{
    std::error_code ec;
    const std::uintmax_t n = fs::file_size(p, ec);
    return ec ? 0 : n;
}

// One line per conversion; a run that did not exit 1 counts as a failure.
bool Report(const std::string& label, const fs::path& aaf, const fs::path& work, std::size_t clips)
{
    const RunResult r = Convert(aaf, work);
    const std::uintmax_t xmlBytes = SizeOf(work / "out.xml");
    std::printf("%-44s %10ju B in %11ju B out %9.1f ms", label.c_str(), SizeOf(aaf), xmlBytes, r.ms);
    if (clips > 0)
        std::printf(" %7.1f us/clip", r.ms * 1000.0 / static_cast<double>(clips));
    std::printf(" %7.1f MiB peak exit %d\n", static_cast<double>(r.peakKib) / 1024.0, r.exitCode);
    std::error_code ec;
    for (const char* name : {"out.xml", "media.ini", "log.ini"})
        fs::remove(work / name, ec);
    return r.started && r.exitCode == 1;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// The typical sample and the QtCore hello-world, interleaved so that both see the same load; the
// medians of runs runs each.
bool CompareWithStartUp(const fs::path& sample, const fs::path& work, int runs)
{
    std::vector<double> conversion, hello;
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        const RunResult h = Convert({}, work);
        const RunResult c = Convert(sample, work);
        ok = ok && h.started && h.exitCode == 0 && c.started && c.exitCode == 1;
        hello.push_back(h.ms);
        conversion.push_back(c.ms);
    }
    const double h = Median(hello), c = Median(conversion);
    std::printf("%s: median of %d runs %.2f ms; QtCore hello-world %.2f ms; ratio %.2f\n",
                sample.filename().string().c_str(), runs, c, h, h > 0 ? c / h : 0.0);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::string(argv[1]) == "--write") {
        const std::string kind = argv[2];
        if (kind != "timeline" && kind != "slugs")
            return 2;
        const aafsdk::StoredGraph graph = kind == "timeline" ? aafsdk::fixture::BuildTimelineGraph(std::stoul(argv[3]))
                                                             : aafsdk::fixture::BuildSyntheticGraph(std::stoul(argv[3]));
        aafsdk::fixture::SaveBytes(argv[4], aafsdk::fixture::WriteAaf(graph).bytes);
        return 0;
    }
    const fs::path samples = argc > 1 ? fs::path(argv[1]) : fs::path(AAF2XMEML_DEFAULT_SHARED_DIR) / "aaf-samples";
    const fs::path work = fs::temp_directory_path() / ("bench-convert-" + std::to_string(getpid()));
    fs::create_directories(work);
    int failures = 0;

    std::vector<std::size_t> sizes{1000u, 10000u, 100000u};
    if (argc > 2) {
        sizes.clear();
        for (int i = 2; i < argc; ++i)
            sizes.push_back(std::stoul(argv[i]));
    }
    const struct {
        const char* title;
        const char* label;
        GraphMaker make;
    } kinds[] = {
        {"real-looking timelines (4 tracks, masters with files, dissolves, speed changes, gain, markers)",
         "timeline", &aafsdk::fixture::BuildTimelineGraph},
        {"slug path (one track of N clips over 100 masters that lead to no file)", "slugs",
         &aafsdk::fixture::BuildSyntheticGraph},
    };
    for (const auto& kind : kinds) {
        std::printf("%s:\n", kind.title);
        for (std::size_t clips : sizes) {
            const fs::path file = work / ("synthetic-" + std::to_string(clips) + ".aaf");
            if (!MakeSynthetic(kind.make, clips, file) ||
                !Report(std::string(kind.label) + " " + std::to_string(clips) + " clips", file, work, clips))
                ++failures;
            fs::remove(file);
        }
    }

    std::error_code ec;
    if (samples == "-") {
        fs::remove_all(work, ec);
        return failures ? 1 : 0;
    }
    if (!fs::is_directory(samples, ec)) {
        std::printf("no samples folder at %s\n", samples.string().c_str());
        fs::remove_all(work, ec);
        return failures ? 1 : 0;
    }
    const fs::path typical = samples / "MC_TC_24.aaf";
    if (fs::is_regular_file(typical, ec) && !CompareWithStartUp(typical, work, 21))
        ++failures;
    const std::vector<fs::path> files = bench::AafSampleFiles(samples);
    std::printf("samples (%zu files):\n", files.size());
    const auto start = std::chrono::steady_clock::now();
    for (const fs::path& f : files)
        if (!Report(f.filename().string(), f, work, 0))
            ++failures;
    std::printf("all samples: %.1f ms including process start-up; %d run(s) did not exit 1\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(), failures);
    fs::remove_all(work, ec);
    return failures ? 1 : 0;
}
