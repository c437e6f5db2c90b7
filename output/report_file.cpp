// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "output/report_file.h"

#include "app/run_step.h"
#include "flow/angles.h"
#include "output/number_text.h"

namespace solva {

namespace {
constexpr const char* Title = " Elipsoid etrafındaki potansiyel akımın analitik çözümü";
constexpr std::string_view Separator = "   ";
} // namespace

void writeReportHeader(TextFile& report, const RunParameters& p, Real NJ) {
    report.print(encodeTitle(Title, report.style()));
    report.endLine();
    report.print(" ");
    report.endLine();
    report.print(" Lamda =");
    report.print(roundHalfEven(p.Lamda.value(), 2));
    report.endLine();
    report.print(" Alfa  =");
    report.print(roundHalfEven(p.AlfaD.value(), 1));
    report.endLine();
    report.print(" Beta  =");
    report.print(roundHalfEven(p.BetaD.value(), 1));
    report.endLine();
    report.print("  I    FI        X         Y      Cu");
    report.endLine();

    RunStep step("writing the column angles (J - 1) 180 / NT of the report header");
    for (long J = 1; J <= NJ; ++J) {
        step.at(0, J);
        if (J > MaxColumn) {
            // The grid holds no more columns, so neither does its header.
            failSubscript(J, MaxColumn);
        }
        report.print(columnAngleDegrees(J, p.NT));
    }
    report.print(" ");
    report.endLine();
}

void writeReportBodyStart(TextFile& report) {
    report.endLine();
}

void writeReportRow(TextFile& report, const FlowState& s, long I, Real NJ, Real PI) {
    report.printFormatted(I, "0#");
    report.print(Separator);
    report.printFormatted(pointAngleDegrees(s.FI(I), PI).value(), "0#0.#0");
    report.print(Separator);
    report.printFormatted(s.X(I).toDouble(), "0.###0");
    report.print(Separator);
    report.printFormatted(s.Y(I).toDouble(), "0.###0");
    report.print(Separator);
    for (long J = 1; J <= NJ; ++J) {
        report.printFormatted(s.CU(I, J).toDouble(), "0.###0");
        report.print(Separator);
    }
    report.print(" ");
    report.endLine();
}

} // namespace solva
