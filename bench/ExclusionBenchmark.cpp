// Side by side, in one run, on trees of growing size: FwExclude.exe run
// unattended with a folder parameter, its two limits (a bare search walk of
// the same tree and a bare loop of the same registry writes), the folder
// exclusion inside this process, and the batch file an administrator would
// otherwise write (one reg.exe process per write).
//
// Usage: exclusion_bench.exe FWEXCLUDE_EXE BATCH_FILE [--rounds N]
//        [--batch-rounds N] [--batch-max FILES] [SIZES...]
// Defaults: 7 rounds (more for small trees), the batch file 2 rounds up to
// 10,000 files, sizes 1,000, 10,000 and 100,000. Batch times above
// --batch-max are extrapolated from the largest size it ran at.
#include "app/ExclusionApp.h"
#include "bench/BenchClock.h"
#include "bench/BenchTree.h"
#include "bench/ChildProcess.h"
#include "bench/Limits.h"
#include "firewall/ExcludeFolder.h"
#include "firewall/FirewallLists.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

CExclusionApp theApp;

namespace {

const char kTreeRoot[] = "C:\\fwx_bench";
const char kEmptyFolder[] = "C:\\fwx_bench_empty";
const char kBatchCopy[] = "C:\\fwx_admin.bat";  // a path without blanks for cmd

struct Options {
    std::string program;
    std::string batch;
    int rounds = 7;
    int batchRounds = 2;
    int batchMax = 10000;
    std::vector<int> sizes;
};

struct Result {
    int files = 0;
    int executables = 0;
    int folders = 0;
    int depth = 0;
    int rounds = 0;
    double walk = 0;
    double writes = 0;
    double inProcess = 0;
    double program = 0;
    double peakMiB = 0;
    double batch = 0;
    bool batchMeasured = false;
};

Options ParseOptions(int argc, char** argv)
{
    if (argc < 3) throw std::runtime_error("usage: exclusion_bench FWEXCLUDE_EXE BATCH_FILE [options] [sizes]");
    Options options;
    options.program = argv[1];
    options.batch = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc) options.rounds = std::atoi(argv[++i]);
        else if (arg == "--batch-rounds" && i + 1 < argc) options.batchRounds = std::atoi(argv[++i]);
        else if (arg == "--batch-max" && i + 1 < argc) options.batchMax = std::atoi(argv[++i]);
        else options.sizes.push_back(std::atoi(arg.c_str()));
    }
    if (options.sizes.empty()) options.sizes = {1000, 10000, 100000};
    return options;
}

// Both lists hold one value per executable, or the run did not do its job.
void CheckLists(const char* who, const BenchTree& tree)
{
    const int expected = static_cast<int>(tree.executables.size());
    const int standard = ValuesInList(STANDARD_PROFILE_LIST);
    const int domain = ValuesInList(DOMAIN_PROFILE_LIST);
    if (standard != expected || domain != expected)
        throw std::runtime_error(std::string(who) + " wrote " + std::to_string(standard) + " and " +
                                 std::to_string(domain) + " values, not " + std::to_string(expected));
}

ChildRun RunProgram(const Options& options, const std::string& folder, bool samplePeak)
{
    ClearLists();
    const ChildRun run = RunChild("\"" + options.program + "\" MNX " + folder, samplePeak);
    if (run.exitCode != 0)
        throw std::runtime_error("FwExclude.exe ended with " + std::to_string(run.exitCode));
    return run;
}

// Best time of the program over the rounds; its peak from one more run,
// untimed, that samples it.
ChildRun BestProgramRun(const Options& options, const std::string& folder, int rounds)
{
    ChildRun best;
    best.seconds = 1e30;
    for (int round = 0; round < rounds; ++round) {
        const ChildRun run = RunProgram(options, folder, false);
        if (run.seconds < best.seconds) best.seconds = run.seconds;
    }
    best.peakWorkingSet = RunProgram(options, folder, true).peakWorkingSet;
    return best;
}

Result Measure(const Options& options, int fileCount)
{
    RemoveBenchTree(kTreeRoot);
    const double buildStart = Seconds();
    const BenchTree tree = BuildBenchTree(kTreeRoot, fileCount);
    Result result;
    result.files = tree.files;
    result.executables = static_cast<int>(tree.executables.size());
    result.folders = tree.folders;
    result.depth = tree.depth;
    std::printf("\n%d files, %d executables, %d folders, %d levels below the root (built in %.1f s)\n",
                tree.files, result.executables, tree.folders, tree.depth, Seconds() - buildStart);

    // Each round times all four back to back, so that a burst of other load
    // on the machine is likely to spare at least one round of each. Small
    // trees, timed in milliseconds, get more rounds (up to 30).
    const int rounds = std::max(options.rounds, std::min(30, 100000 / fileCount));
    result.rounds = rounds;
    result.walk = result.writes = result.inProcess = result.program = 1e30;
    for (int round = 0; round < rounds; ++round) {
        result.walk = std::min(result.walk, BestOf(1, [] {}, [&] { BareWalk(kTreeRoot); }));
        result.writes = std::min(result.writes, BestOf(1, ClearLists, [&] { BareWrites(tree); }));
        CheckLists("the bare writes", tree);
        result.inProcess = std::min(result.inProcess, BestOf(1, ClearLists, [&] { ExcludeFolder(kTreeRoot); }));
        CheckLists("ExcludeFolder", tree);
        result.program = std::min(result.program, RunProgram(options, kTreeRoot, false).seconds);
        CheckLists("FwExclude.exe", tree);
    }
    result.peakMiB = RunProgram(options, kTreeRoot, true).peakWorkingSet / 1048576.0;

    if (fileCount <= options.batchMax) {
        result.batch = BestOf(options.batchRounds, ClearLists, [&] {
            const ChildRun run = RunChild(std::string("cmd.exe /c ") + kBatchCopy + " " + kTreeRoot);
            if (run.exitCode != 0) throw std::runtime_error("the batch file failed");
        });
        CheckLists("the batch file", tree);
        result.batchMeasured = true;
    }
    std::printf("  best of %d: bare walk %.3f s, bare writes %.3f s, ExcludeFolder in process %.3f s,\n"
                "  FwExclude.exe %.3f s (peak working set %.1f MiB)",
                result.rounds, result.walk, result.writes, result.inProcess, result.program,
                result.peakMiB);
    if (result.batchMeasured) std::printf(", batch file %.1f s", result.batch);
    std::printf("\n");
    ClearLists();
    RemoveBenchTree(kTreeRoot);
    return result;
}

// A straight line through the two largest sizes, read at `files`.
double Extrapolate(const Result& a, const Result& b, double Result::*field, double files)
{
    const double slope = (b.*field - a.*field) / (b.files - a.files);
    return b.*field + slope * (files - b.files);
}

void PrintSummary(const std::vector<Result>& results, double startUp, double startUpPeakMiB)
{
    // The batch file's cost per executable, from the largest measured size.
    double batchPerExecutable = 0;
    for (const Result& r : results)
        if (r.batchMeasured) batchPerExecutable = r.batch / r.executables;

    std::printf("\nFwExclude.exe on an empty folder (process start-up and end): %.3f s, peak %.1f MiB\n",
                startUp, startUpPeakMiB);
    std::printf("\n%9s %8s %8s %8s %9s %7s %9s %8s %8s %8s %10s %10s\n", "files", "walk s",
                "writes s", "limits s", "in-proc s", "in/lim", "program s", "prog/lim", "work/lim",
                "peak MiB", "batch s", "batch/prog");
    for (const Result& r : results) {
        const double limits = r.walk + r.writes;
        const double batch = r.batchMeasured ? r.batch : batchPerExecutable * r.executables;
        char batchText[32];
        std::snprintf(batchText, sizeof batchText, r.batchMeasured ? "%.1f" : "~%.0f*", batch);
        std::printf("%9d %8.3f %8.3f %8.3f %9.3f %7.2f %9.3f %8.2f %8.2f %8.1f %10s %10.0f\n",
                    r.files, r.walk, r.writes, limits, r.inProcess, r.inProcess / limits, r.program,
                    r.program / limits, (r.program - startUp) / limits, r.peakMiB, batchText,
                    batch / r.program);
    }
    std::printf("limits: bare walk + bare writes; in/lim: ExcludeFolder in this process against\n"
                "them; prog/lim: the whole FwExclude.exe process against them; work/lim: the\n"
                "same less the start-up above; * extrapolated from the largest size the batch\n"
                "file ran at (%.3f s per executable).\n",
                batchPerExecutable);

    if (results.size() >= 2) {
        const Result& a = results[results.size() - 2];
        const Result& b = results.back();
        std::printf("\nGrowth from %d to %d files (x%.0f): program time x%.1f, peak working set x%.1f "
                    "(above start-up: x%.1f)\n",
                    a.files, b.files, static_cast<double>(b.files) / a.files, b.program / a.program,
                    b.peakMiB / a.peakMiB, (b.peakMiB - startUpPeakMiB) / (a.peakMiB - startUpPeakMiB));
        std::printf("Linear extrapolation to 1,000,000 files: program %.0f s, peak working set %.0f MiB\n",
                    Extrapolate(a, b, &Result::program, 1e6), Extrapolate(a, b, &Result::peakMiB, 1e6));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const Options options = ParseOptions(argc, argv);
        if (!CopyFileA(options.batch.c_str(), kBatchCopy, FALSE))
            throw std::runtime_error("cannot copy " + options.batch);
        RemoveBenchTree(kEmptyFolder);
        CreateDirectoryA(kEmptyFolder, nullptr);
        const ChildRun startUp = BestProgramRun(options, kEmptyFolder, std::max(options.rounds, 15));
        RemoveDirectoryA(kEmptyFolder);

        std::printf("best of %d or more rounds (the batch file: best of %d)\n", options.rounds,
                    options.batchRounds);
        std::vector<Result> results;
        for (int size : options.sizes) {
            results.push_back(Measure(options, size));
            std::fflush(stdout);
        }
        PrintSummary(results, startUp.seconds, startUp.peakWorkingSet / 1048576.0);
        DeleteFileA(kBatchCopy);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "exclusion_bench: %s\n", error.what());
        return 1;
    }
}
