// Names of the listing and plot files, derived from the input file name.
#pragma once

#include <ostream>
#include <string>

namespace quelm {

// The input path without the extension of its last component ("/" and "\"
// both separate components): "../data/case1" stays as it is, "case.b.inp"
// gives "case.b", "C:\runs\case1.inp" gives "C:\runs\case1".
std::string outputBaseName(const std::string& inputPath);

// OUT1 := base + ".out" (listing), OUT2 := base + ".vpt" (plot file); writes
// the run message to the console.
void ASFILE(const std::string& IN, std::string& OUT1, std::string& OUT2, std::ostream& console);

}  // namespace quelm
