#include "mapfile/MapProblems.h"

const char* SeverityWord(ProblemSeverity severity) {
    return severity == ProblemSeverity::Error ? "error" : "warning";
}

ProblemCounts CountProblems(const std::vector<MapProblem>& problems) {
    ProblemCounts counts;
    for (const MapProblem& problem : problems) ++(problem.IsError() ? counts.errors : counts.warnings);
    return counts;
}

static std::string Counted(std::int32_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

std::string CountsLine(const ProblemCounts& counts) {
    return Counted(counts.errors, "error") + ", " + Counted(counts.warnings, "warning");
}
