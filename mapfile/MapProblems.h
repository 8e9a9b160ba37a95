#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CUniverse.h"

// One fault of a map found before the compiler or the game meets it.
enum class ProblemSeverity { Error, Warning };

// Short stable codes, for scripts reading the command line's output.
namespace problem_code {
inline constexpr const char* MissingDestination = "warp-destination-missing";
inline constexpr const char* DuplicateName = "duplicate-system-name";
inline constexpr const char* SharedCell = "shared-galaxy-cell";
inline constexpr const char* CellOutsideGalaxy = "cell-outside-galaxy";
inline constexpr const char* SectorOutsideField = "sector-outside-field";
inline constexpr const char* UnknownStellarType = "unknown-stellar-type";
inline constexpr const char* LineBreak = "line-break-in-value";
inline constexpr const char* SystemTooLarge = "system-too-large";
inline constexpr const char* ObjectTooLarge = "object-too-large";
inline constexpr const char* InvalidDestinationSector = "warp-destination-sector-invalid";
inline constexpr const char* OneWayWarp = "one-way-warp";
inline constexpr const char* Unreachable = "unreachable-systems";
inline constexpr const char* EmptySystem = "empty-system";
inline constexpr const char* SharedSector = "shared-sector";
inline constexpr const char* KindNotAllowed = "kind-not-allowed";
}  // namespace problem_code

struct MapProblem {
    ProblemSeverity severity = ProblemSeverity::Error;
    std::string code;
    std::int32_t systemId = NoID;
    std::string systemName;
    std::int32_t objectId = NoID;  // NoID when the problem is the system's
    std::string message;

    bool IsError() const { return severity == ProblemSeverity::Error; }
    bool operator==(const MapProblem&) const = default;
};

// "error" or "warning".
const char* SeverityWord(ProblemSeverity severity);

struct ProblemCounts {
    std::int32_t errors = 0;
    std::int32_t warnings = 0;
};
ProblemCounts CountProblems(const std::vector<MapProblem>& problems);

// "N errors, M warnings" (singular for one).
std::string CountsLine(const ProblemCounts& counts);
