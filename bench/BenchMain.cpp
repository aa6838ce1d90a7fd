// The benchmark program's main: the usual console output, then for every job measured
// beside a reference ("<job>/libnova" and "<job>/orbelune") the reference's CPU time
// over ours, from this same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override {
        ConsoleReporter::ReportRuns(Runs);
        // One time per job: the median of repetitions where there are some.
        for (const Run& run : Runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.iterations == 0 || !(median || run.run_type == Run::RT_Iteration)) continue;
            if (!median && CpuSeconds.count(run.run_name.str())) continue;
            CpuSeconds[run.run_name.str()] =
                run.cpu_accumulated_time / static_cast<double>(run.iterations);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const std::string reference = "/libnova", ours = "/orbelune";
        bool heading = false;
        for (const auto& [name, time] : CpuSeconds) {
            if (name.size() <= reference.size() ||
                name.compare(name.size() - reference.size(), reference.size(), reference) != 0)
                continue;
            const std::string job = name.substr(0, name.size() - reference.size());
            const auto own = CpuSeconds.find(job + ours);
            if (own == CpuSeconds.end() || own->second <= 0) continue;
            if (!heading) std::printf("\nlibnova's CPU time over ours (above 1: we are faster)\n");
            heading = true;
            std::printf("  %-28s %8.2f\n", job.c_str(), time / own->second);
        }
    }

private:
    std::map<std::string, double> CpuSeconds;  // per iteration
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
