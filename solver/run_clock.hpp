// CPU clock and date stamp of a run.
#pragma once

#include <ctime>
#include <optional>
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

// The moment a SOURCE_DATE_EPOCH text names (a number of seconds since
// 1970), or nothing when the text is not such a number.
std::optional<std::time_t> sourceDateEpoch(const char* text);

// Date " d/mm/yy" with blank-padded day and month (e.g. " 6/12/26") and
// time "hh:mm:ss" of `moment` in local time.  A run stamps the present, or
// the moment of SOURCE_DATE_EPOCH so that two runs compare byte for byte.
void DATIMH(std::string& DATE, std::string& TIME, std::time_t moment);
void DATIME(std::string& DATE, std::string& TIME, std::time_t moment);

// The 8-character date and time texts of a broken-down local time.
std::string runDateText(const std::tm& local);
std::string runClockText(const std::tm& local);

}  // namespace quelm
