#include "output/report_file.h"

#include "output/number_text.h"
#include "output/plot_data_file.h"

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

    Step step("writing the column angles (J - 1) 180 / NT of the report header");
    for (long J = 1; J <= NJ; ++J) {
        step.at(0, J);
        if (J > MaxColumn) {
            // The grid holds no more columns, so neither does its header.
            failSubscript(J, MaxColumn);
        }
        report.print((Real(J - 1) * 180) / p.NT);
    }
    report.print(" ");
    report.endLine();
}

void writeReportBody(TextFile& report, TextFile& plotData, const FlowState& s, Real NXX, Real NJ,
                     Real PI) {
    report.endLine();
    Step step("writing the report row");
    for (long I = 1; I <= NXX; ++I) {
        step.at(I);
        report.printFormatted(I, "0#");
        report.print(Separator);
        report.printFormatted(((s.FI(I).value() * 180) / PI).value(), "0#0.#0");
        report.print(Separator);
        report.printFormatted(s.X(I).number(), "0.###0");
        report.print(Separator);
        report.printFormatted(s.Y(I).number(), "0.###0");
        report.print(Separator);
        for (long J = 1; J <= NJ; ++J) {
            report.printFormatted(s.CU(I, J).number(), "0.###0");
            report.print(Separator);
        }
        report.print(" ");
        report.endLine();
        writePlotDataLine(plotData, I, s);
    }
}

} // namespace solva
