#include "solver/run_input.hpp"

#include <utility>

#include "solver/io/namelist_reader.hpp"

namespace quelm {
namespace {

NamelistGroup machineGroup(RunParameters& p) {
    return {"MPARM",
            {{"NUS", &p.NUS},
             {"ENGY", &p.ENGY},
             {"SGMZ", &p.SGMZ},
             {"BETAC", &p.BETAC},
             {"REVFRQ", &p.REVFRQ},
             {"ALPHA", &p.ALPHA},
             {"CHROM", &p.CHROM},
             {"SPRD", &p.SPRD},
             {"SGMTOC", std::span<double>(p.SGMTOC)},
             {"CTOSGM", std::span<double>(p.CTOSGM)},
             {"NUSTOC", std::span<double>(p.NUSTOC)},
             {"CTONUS", std::span<double>(p.CTONUS)},
             {"ALFA", &p.ALFA}}};
}

NamelistGroup currentGroup(RunParameters& p) {
    return {"CPARM",
            {{"CRNT", &p.CRNT},
             {"STPC", &p.STPC},
             {"NCR", &p.NCR},
             {"NMODF", &p.NMODF},
             {"NMODE", &p.NMODE},
             {"KRAD", &p.KRAD},
             {"IPRINT", &p.IPRINT},
             {"LPLE", &p.LPLE},
             {"LZOT", &p.LZOT},
             {"LBIN", &p.LBIN},
             {"MU", &p.MU}}};
}

NamelistGroup impedanceGroup(RunParameters& p) { return {"IPARM", {{"FREQ", &p.FREQ}, {"RS", &p.RS}, {"QV", &p.QV}}}; }

NamelistGroup plotRangeGroup(RunParameters& p) {
    return {"HPARM",
            {{"MMIN", &p.MMIN}, {"MMAX", &p.MMAX}, {"TAUMIN", &p.TAUMIN}, {"TAUMAX", &p.TAUMAX}, {"NSPL", &p.NSPL}}};
}

NamelistGroup spreadGroup(RunParameters& p) {
    return {"SPARM",
            {{"LMTRIX", &p.LMTRIX},
             {"LINTGL", &p.LINTGL},
             {"LMAP", &p.LMAP},
             {"NDISP", &p.NDISP},
             {"NSTPS", &p.NSTPS},
             {"SPRD0", &p.SPRD0},
             {"EX", &p.EX},
             {"EY", &p.EY},
             {"FEPS", &p.FEPS},
             {"ZEPS", &p.ZEPS},
             {"DXMAX", &p.DXMAX},
             {"ESPC", &p.ESPC},
             {"CXMAX", &p.CXMAX}}};
}

NamelistGroup budgetGroup(ImpedanceBudget& b) {
    return {"ZPARM",
            {{"NRES", &b.NRES},
             {"FRES", std::span<double>(b.FRES)},
             {"RSRES", std::span<double>(b.RSRES)},
             {"QRES", std::span<double>(b.QRES)},
             {"RWLEN", &b.RWLEN},
             {"RWRAD", &b.RWRAD},
             {"RWSIG", &b.RWSIG},
             {"RWBETA", &b.RWBETA},
             {"ZTFILE", &b.ZTFILE},
             {"ZTBETA", &b.ZTBETA}}};
}

}  // namespace

void readRunInput(std::istream& in, const std::string& fileName, RunParameters& p) {
    NamelistReader reader(in, fileName, INPUT_UNIT);
    std::string title = reader.readRecord("title");
    title.resize(72, ' ');
    p.TITLE = title;

    reader.readGroup(machineGroup(p));
    reader.readGroup(currentGroup(p));
    defaultPlotModeRange(p);
    reader.readGroup(impedanceGroup(p));
    reader.readGroup(plotRangeGroup(p));
    reader.readGroup(spreadGroup(p));
    ImpedanceBudget budget;
    if (reader.readOptionalGroup(budgetGroup(budget))) p.ZPARM = std::move(budget);

    prepareAfterReading(p);
}

std::vector<NamelistGroup> runInputGroups(RunParameters& p) {
    std::vector<NamelistGroup> groups = {machineGroup(p), currentGroup(p), impedanceGroup(p), plotRangeGroup(p),
                                         spreadGroup(p)};
    if (p.ZPARM) groups.push_back(budgetGroup(*p.ZPARM));
    return groups;
}

}  // namespace quelm
