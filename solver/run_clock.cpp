#include "solver/run_clock.hpp"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace quelm {
namespace {

float processCpuSeconds() {
    // On this platform clock() measures the CPU time (user + system) of the
    // whole process since it started.
    return static_cast<float>(std::clock()) / static_cast<float>(CLOCKS_PER_SEC);
}

}  // namespace

std::optional<std::time_t> sourceDateEpoch(const char* text) {
    if (text == nullptr) return std::nullopt;
    long long seconds = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, ec] = std::from_chars(text, end, seconds);
    if (ec != std::errc() || stop != end || seconds < 0) return std::nullopt;
    return static_cast<std::time_t>(seconds);
}

void CPUTIM(double& T, int MODE, CpuClock& clock) {
    if (MODE <= 1) {
        clock.lapMark = 0.0f;
        return;
    }
    const float now = processCpuSeconds();
    if (MODE == 2) {
        T = now - clock.lapMark;
        clock.lapMark = now;
    } else {
        T = now;
    }
}

std::string runDateText(const std::tm& local) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d/%2d/%2d", local.tm_mday % 100, (local.tm_mon + 1) % 100,
                  (local.tm_year + 1900) % 100);
    return text;
}

std::string runClockText(const std::tm& local) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour % 100, local.tm_min % 100, local.tm_sec % 100);
    return text;
}

void DATIMH(std::string& DATE, std::string& TIME, std::time_t moment) {
    const std::tm* local = std::localtime(&moment);
    if (local == nullptr) {
        DATE = TIME = std::string(8, ' ');
        return;
    }
    DATE = runDateText(*local);
    TIME = runClockText(*local);
}

void DATIME(std::string& DATE, std::string& TIME, std::time_t moment) { DATIMH(DATE, TIME, moment); }

}  // namespace quelm
