#pragma once

// What every benchmark program prints around its figures: the times of each
// benchmark (the median when repeated), ratios between them, how busy the
// machine was, and whether a file was read from memory or from the disk.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

// The console output plus the times of every benchmark: the median when it
// is repeated, the single run otherwise.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0;  // milliseconds
        double cpu = 0;
    };

    // Plain text: the output usually goes to a file.
    MedianReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            if (run.run_type == Run::RT_Iteration && run.repetitions > 1) continue;
            const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            times[run.run_name.function_name + Suffix(run)] = {run.GetAdjustedRealTime() * toMs,
                                                               run.GetAdjustedCPUTime() * toMs};
        }
    }

    bool Has(const std::string& name) const { return times.count(name) > 0; }
    const Times& Of(const std::string& name) const { return times.at(name); }

    std::map<std::string, Times> times;

private:
    static std::string Suffix(const Run& run) {
        return run.run_name.args.empty() ? std::string() : "/" + run.run_name.args;
    }
};

// "task / base: r x in real time, c x in CPU time (target t, met)".
inline void PrintRatio(const MedianReporter& reporter, const std::string& task, const std::string& base,
                       double target) {
    if (!reporter.Has(task) || !reporter.Has(base)) return;
    const auto& t = reporter.Of(task);
    const auto& b = reporter.Of(base);
    if (b.real <= 0 || b.cpu <= 0) return;
    const double real = t.real / b.real, cpu = t.cpu / b.cpu;
    std::cout << task << " / " << base << ": " << real << " x in real time, " << cpu << " x in CPU time";
    if (target > 0) std::cout << " (target " << target << ", " << (cpu <= target ? "met" : "missed") << " in CPU time)";
    std::cout << '\n';
}

// The exponent k of t ~ N^k fitted by least squares on log t against log N.
inline double GrowthExponent(const std::vector<std::pair<double, double>>& sizeAndTime) {
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double n = static_cast<double>(sizeAndTime.size());
    for (const auto& [size, time] : sizeAndTime) {
        const double x = std::log(size), y = std::log(time);
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

// The share (0 to 1) of a file's pages held in the page cache right now, or
// -1 when it cannot be told.
inline double PageCacheShare(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0) return -1;
    struct stat info {};
    double share = -1;
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        const auto size = static_cast<std::size_t>(info.st_size);
        void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
        if (mapped != MAP_FAILED) {
            const long page = ::sysconf(_SC_PAGESIZE);
            const std::size_t pages = (size + static_cast<std::size_t>(page) - 1) / static_cast<std::size_t>(page);
            std::vector<unsigned char> resident(pages);
            if (::mincore(mapped, size, resident.data()) == 0) {
                std::size_t held = 0;
                for (unsigned char r : resident) held += r & 1;
                share = static_cast<double>(held) / static_cast<double>(pages);
            }
            ::munmap(mapped, size);
        }
    }
    ::close(fd);
    return share;
}

inline void PrintPageCacheShare(const std::string& what, const std::filesystem::path& file) {
    const double share = PageCacheShare(file);
    std::cout << what << ": ";
    if (share < 0)
        std::cout << "cannot tell whether the file is in the page cache\n";
    else
        std::cout << static_cast<int>(std::lround(share * 100)) << "% of the file was in the page cache"
                  << (share > 0.99 ? " (read from memory, not from the disk)" : "") << '\n';
}

// The machine's load averages and core count, to judge how far to trust the
// figures on a shared machine.
inline void PrintMachineLoad(const char* when) {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    std::cout << "load average " << when << ": " << one << " " << five << " " << fifteen << " on "
              << ::sysconf(_SC_NPROCESSORS_ONLN) << " cores\n";
}
