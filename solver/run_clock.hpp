// CPU clock and date stamp of a run.
#pragma once

#include <ctime>
#include <string>

namespace quelm {

// Lap mark of the CPU clock, in seconds, held in single precision.
struct CpuClock {
    float lapMark = 0.0f;
};

// CPU time of the process (user + system):
//   MODE <= 1: resets the lap mark; T is not set.
//   MODE == 2: T := time since the lap mark, which moves to now.
//   MODE >= 3: T := time since the process started.
void CPUTIM(double& T, int MODE, CpuClock& clock);

// Date " d/mm/yy" with blank-padded day and month (e.g. " 6/12/26") and
// time "hh:mm:ss" of the run.  When SOURCE_DATE_EPOCH is set to a number of
// seconds, that moment (in local time) is used instead of the present, so
// that two runs can be compared byte for byte.
void DATIMH(std::string& DATE, std::string& TIME);
void DATIME(std::string& DATE, std::string& TIME);

// The 8-character date and time texts of a broken-down local time.
std::string runDateText(const std::tm& local);
std::string runClockText(const std::tm& local);

}  // namespace quelm
