#include "plot/grxycu.h"

#include "app/run_error.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace solva {
namespace {

// Both areas write into one journal, so the order across them shows.
class JournalSurface : public DrawingSurface {
public:
    JournalSurface(char name, std::vector<std::string>& journal) : name_(name), journal_(journal) {}

    void SetScale(double x1, double y1, double x2, double y2) override { add("S", x1, y1, x2, y2); }
    void Clear() override { journal_.push_back(std::string(1, name_) + " C"); }
    void DrawLine(float x1, float y1, float x2, float y2) override { add("L", x1, y1, x2, y2); }

private:
    void add(const char* op, double a, double b, double c, double d) {
        std::ostringstream entry;
        entry << name_ << ' ' << op << ' ' << a << ' ' << b << ' ' << c << ' ' << d;
        journal_.push_back(entry.str());
    }
    char name_;
    std::vector<std::string>& journal_;
};

class GrxycuTest : public ::testing::Test {
protected:
    void SetUp() override {
        const double X[] = {-0.5, 0, 0.5, 9};
        const double Y[] = {0, 0.25, 0, 9};
        const double CU[] = {0.5, 2, -1, 100}; // the fourth point lies beyond N
        for (long I = 1; I <= 4; ++I) {
            s->X(I) = X[I - 1];
            s->Y(I) = Y[I - 1];
            s->CU1(I) = CU[I - 1];
        }
    }
    void draw(double N) { GRXYCU(elipsoid, pressure, N, s->X, s->Y, s->CU1); }

    std::unique_ptr<FlowState> s = std::make_unique<FlowState>();
    std::vector<std::string> journal;
    JournalSurface elipsoid{'E', journal};
    JournalSurface pressure{'P', journal};
};

TEST_F(GrxycuTest, DrawsBothWindowsTheirAxesThenThreeSegmentsAPoint) {
    draw(3);
    const std::vector<std::string> expected{
        "E S -0.6 0.3 0.6 -0.3", "E C",
        "E L -0.6 0 0.6 0",      "E L 0 0.3 0 -0.3",
        "P S -0.6 2.2 0.6 -0.1", "P C",
        "P L -0.6 0 0.6 0",      "P L 0 2.2 0 -0.1",
        "E L -0.5 0 0 0.25",     "E L -0.5 -0 0 -0.25",
        "P L -0.5 0.5 0 2",      "E L 0 0.25 0.5 0",
        "E L 0 -0.25 0.5 -0",    "P L 0 2 0.5 -1",
    };
    EXPECT_EQ(journal, expected);
}

TEST_F(GrxycuTest, AFractionalCountUsesItsWholePart) {
    draw(2.9);
    EXPECT_EQ(journal.size(), 8u + 3u);
    EXPECT_EQ(journal[4], "P S -0.6 2.2 0.6 -0.1");
}

TEST_F(GrxycuTest, AValueBeyondSinglePrecisionIsAnOverflow) {
    s->CU1(3) = 1E39;
    try {
        draw(3);
        FAIL() << "drew a value beyond single precision";
    } catch (const RunError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
    }
    // The axis of a window 1.1E39 high fails first; what was drawn stays drawn.
    EXPECT_EQ(journal.back(), "P L -0.6 0 0.6 0");
}

} // namespace
} // namespace solva
