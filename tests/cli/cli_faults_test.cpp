// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The program under what a shell can do to it: lost standard output, outputs
// named like the result files, write limits, options where values belong,
// unreadable or endless runs, two batches into one folder, signals. Each
// case names the folder state it must leave behind.

#include "cli_runs.h"
#include "support/in_scratch_directory.h"

namespace solva::test {
namespace {

// One run as a runs-file line, and a script line that writes `count` of them to `file`.
constexpr const char* Line = R"sh(printf '0.2\t18\t1\t0\t0\n')sh";
std::string runsFile(const std::string& file, int count, const std::string& line = Line) {
    return "for i in $(seq " + std::to_string(count) + "); do " + line + "; done > " + file + "; ";
}

struct Fault {
    const char* name;
    std::string script;
    int status;
    std::string err;        // a part of what standard error says
    std::string after = ""; // a bash test that must hold afterwards
    std::string out = "";   // a part of standard output
};

TEST(CliFaults, NoOutputIsLostCutOffOrMixedUnnoticed) {
    const std::string bigRun = R"sh(printf '0.2\t400\t18\t10\t5\n')sh";
    const std::string field =
        R"sh(printf '1,0,0\n' > p; "$CLI" field --lambda 0.2 --alpha 0 --beta 0 --points p)sh";
    const std::string fieldOf = R"sh("$CLI" field --lambda 0.2 --alpha 0 --beta 0 )sh";
    const std::vector<Fault> faults{
        {"summary into a full device", R"sh("$CLI" 0.2 18 1 0 0 --summary > /dev/full)sh", 1,
         "cannot write to standard output: No space left"},
        {"summary into a closed output", R"sh("$CLI" 0.2 18 1 0 0 --summary --table t.csv >&-)sh",
         1, "cannot write to standard output: Bad file descriptor", "test ! -e t.csv"},
        {"inertia into a full device", R"sh("$CLI" inertia --lambda 0.2 > /dev/full)sh", 1,
         "inertia: cannot write to standard output: No space left"},
        {"field into a full device", field + " > /dev/full", 1,
         "field: cannot write to standard output: No space left"},
        {"field into a closed output", field + " >&-", 1,
         "field: cannot write to standard output: Bad file descriptor"},
        // field: reading the points, --inside-nan, --help; user text quoted in messages
        {"points from a folder", fieldOf + "--points /tmp", 2,
         "Cannot read the points file \"/tmp\": Is a directory"},
        {"points from a folder as input", fieldOf + "- < /tmp", 2, "\"-\": Is a directory"},
        {"points from a closed input", fieldOf + "- <&-", 2, "Cannot read the points file \"-\""},
        {"points from a file that fails midway", fieldOf + "--points /proc/self/mem", 2,
         "Input/output error"},
        {"points on an endless line",
         "(printf '1,0,0\\n'; head -c 3000000 /dev/zero) | " + fieldOf + "-", 2,
         "field: line 2 is longer than 1048576 bytes"},
        {"points separated by blanks", "printf '1 0 0\\n' | " + fieldOf + "-", 2,
         "line 1 is not three numbers x,y,z separated by commas (found ' '): \"1 0 0\"\n"},
        {"points separated by semicolons", "printf 'x;y;z\\n1;0;0\\n' | " + fieldOf + "-", 2,
         "line 2 is not three numbers x,y,z separated by commas (found ';')"},
        {"points separated by tabs", "printf '1\\t0\\t0\\n' | " + fieldOf + "-", 2,
         "(found '\\t'): \"1\\t0\\t0\"\n"},
        {"points after a byte-order mark", "printf '\\xEF\\xBB\\xBF1,0,0\\n' | " + fieldOf + "-", 0,
         "", "", "\r\n1,0,0,"},
        {"a first point out of range", "printf '1e400,0,0\\n' | " + fieldOf + "-", 2,
         "line 1: \"1e400\" is out of range"},
        {"points file of a heading alone", "printf 'x,y,z\\n' | " + fieldOf + "-", 2,
         "field: standard input holds no point"},
        {"inside-nan and a point too far",
         "printf '0,0,0\\n1e70,0,0\\n' | " + fieldOf + "--inside-nan -", 1,
         "line 2: the point (1e+70, 0, 0) lies too far"},
        {"inside-nan and a point not finite", "printf 'inf,0,0\\n' | " + fieldOf + "--inside-nan -",
         1, "line 1: the point (inf, 0, 0) is not finite"},
        {"field help into a full device", R"sh("$CLI" field --help > /dev/full)sh", 1,
         "field: cannot write to standard output: No space left"},
        {"inertia help into a full device", R"sh("$CLI" inertia --help > /dev/full)sh", 1,
         "inertia: cannot write to standard output: No space left"},
        {"inside-nan given a value", fieldOf + "--inside-nan=yes -", 2,
         "--inside-nan takes no value"},
        {"a row of control characters", "printf '1,\\x01\\x1b[2J,0\\t\\r\\n' | " + fieldOf + "-", 2,
         "x,y,z: \"1,\\x01\\x1B[2J,0\\t\"\n"},
        {"a long row",
         "{ printf 1,; head -c 5000 /dev/zero | tr '\\0' a; echo; } | " + fieldOf + "-", 2,
         ": \"1," + std::string(78, 'a') + "...\"\n"},
        {"a runs file text of control characters",
         R"sh(printf '0.2\t\x1b]0;x\x07\t1\t0\t0\n' | "$CLI" --runs - --strict)sh", 2,
         "line 1: nxx: \"\\x1B]0;x\\x07\" is not a number."},
        {"a sweep value of control characters", R"sh("$CLI" --lambda $'0:1\x01:0.1')sh", 2,
         "--lambda 0:1\\x01:0.1: \"1\\x01\" is not a number."},
        {"an option of control characters", R"sh("$CLI" 0.2 18 1 0 0 $'--\x1b[2J')sh", 2,
         "There is no option --\\x1B[2J."},
        {"runs from a closed input", R"sh("$CLI" --runs - --table t.csv <&-)sh", 2,
         "Cannot read the runs file \"-\"", "test ! -e t.csv"},
        {"summary into a closed pipe",
         runsFile("runs", 3000) + "trap '' PIPE; \"$CLI\" --runs runs --no-files --summary | "
                                  "head -1 > /dev/null; exit ${PIPESTATUS[0]}",
         1, "Broken pipe"},
        {"grid named as the report", R"sh("$CLI" 0.2 18 1 0 0 --grid solva11.txt)sh", 2,
         "would replace the run's solva11.txt", "test ! -e solva11.txt"},
        {"batch grid named as the plot data",
         runsFile("runs", 1) + R"sh("$CLI" --runs runs --grid solva12.txt)sh", 2,
         "would replace the run's solva12.txt", "test ! -e 0001"},
        {"a run that stops, with a grid from before",
         R"sh(echo old > g.csv; "$CLI" "" 18 1 0 0 --grid g.csv)sh", 1, "error 11",
         "test ! -e g.csv"},
        {"grid over a file size limit", // the result files fit, the grid does not
         R"sh(trap '' XFSZ; ulimit -f 400; "$CLI" 0.2 400 18 10 5 --grid grid.csv)sh", 1,
         "grid.csv\": File too large",
         R"sh(test "$(ls -A)" = "$(printf 'solva11.txt\nsolva12.txt')")sh"},
        {"table over a file size limit",
         runsFile("runs", 20, bigRun) +
             R"sh(trap '' XFSZ; ulimit -f 2000; "$CLI" --runs runs --no-files --table t.csv)sh",
         1, "the batch stops here", R"sh(test "$(ls -A)" = runs)sh"},
        {"folder option before another", R"sh("$CLI" --dir --summary 0.2 18 1 0 0)sh", 2,
         "--dir=./--summary", "test ! -e ./--summary && test ! -e solva11.txt"},
        {"grid option before another", R"sh("$CLI" 0.2 18 1 0 0 --grid --summary)sh", 2,
         "--grid=./--summary", "test ! -e ./--summary"},
        {"a folder as standard input", R"sh("$CLI" --runs - < /tmp)sh", 2, "Is a directory"},
        {"a runs file without runs", R"sh(printf '# none\n' | "$CLI" --runs -)sh", 0,
         "standard input holds no run"},
        {"an endless line", R"sh(head -c 3000000 /dev/zero | "$CLI" --runs -)sh", 2,
         "standard input, line 1: longer than 1048576 bytes"},
        {"a byte-order mark",
         R"sh(printf '\xEF\xBB\xBF# c\n0.3\t18\t1\t0\t0\n' | "$CLI" --runs - --summary --no-files)sh",
         0, "", "", R"sh("line":2,"texts":{"lambda":"0.3")sh"},
        {"a batch into a folder in use",
         R"sh(mkdir d; exec 9> d/.ellipsoid-flow-cli.lock; flock 9; )sh" + std::string(Line) +
             R"sh( | "$CLI" --runs - --dir d)sh",
         2, "/d\".\nWait for it to end", "test ! -e d/0001"},
        {"a batch into an earlier batch's folder",
         runsFile("two", 2) + runsFile("one", 1) +
             R"sh("$CLI" --runs two --dir d && "$CLI" --runs one --dir d)sh",
         2, "holds the run folders of an earlier batch (2)", "test -e d/0002"},
        {"a batch replacing an earlier one",
         runsFile("two", 2) + runsFile("one", 1) +
             R"sh("$CLI" --runs two --dir d --grid g.csv && touch d/notes d/12 &&
                "$CLI" --runs one --dir d --overwrite)sh",
         0, "",
         "test ! -e d/0002 && test ! -e d/0001/g.csv && test -e d/0001/solva11.txt && "
         "test -e d/notes && test -e d/12"},
        {"an error names its line",
         R"sh(printf '# c\n0.2\t18\t1\t0\t0\n\n0.2\t18\t0\t0\t0\n' | "$CLI" --runs - --no-files)sh",
         1, "run 2 (line 4): error "},
        {"a flag given a value", R"sh("$CLI" 0.2 18 1 0 0 --summary=0)sh", 2,
         "--summary takes no value", "test ! -e solva11.txt"},
        {"an interrupted batch",
         runsFile("runs", 3000, bigRun) +
             R"sh("$CLI" --runs runs --no-files --grid g.csv --dir d & p=$!
                until [ -e d/0003/g.csv ]; do sleep 0.01; done; kill -TERM $p; wait $p)sh",
         143, "stopped by SIGTERM after run ",
         R"sh(last=$(ls d | tail -1); test -s d/$last/g.csv && test ! -e d/3000 &&
            test -z "$(find d -name '.*.part')")sh"},
        {"a batch stopped by Ctrl-C",
         runsFile("runs", 3000, bigRun) +
             R"sh("$CLI" --runs runs --no-files --table t.csv & p=$!
                until [ -e t.csv ] || [ -n "$(find . -name '.t.csv.*')" ]; do sleep 0.01; done
                sleep 0.05; kill -INT $p; wait $p)sh",
         130, "stopped by SIGINT after run ",
         R"sh(test -s t.csv && test -z "$(find . -name '.*.part')" &&
            test "$(tail -c 2 t.csv | od -An -c | tr -d ' ')" = '\r\n')sh"},
        // Staged files take the place of the file they replace, not of its name.
        {"a replaced table keeps its mode and owner",
         R"sh(umask 022; echo old > t.csv; chmod 640 t.csv; chown 1234:1234 t.csv 2> /dev/null
            "$CLI" 0.2 18 1 0 0 --no-files --table t.csv)sh",
         0, "",
         R"sh(test "$(stat -c %a t.csv)" = 640 && ! grep -q old t.csv &&
            { [ "$(id -u)" != 0 ] || test "$(stat -c %u:%g t.csv)" = 1234:1234; })sh"},
        {"a table named through a link",
         R"sh(mkdir real; echo old > real/t.csv; ln -s real/t.csv t.csv
            "$CLI" 0.2 18 1 0 0 --no-files --table t.csv)sh",
         0, "",
         R"sh(test -L t.csv && ! grep -q old real/t.csv && grep -q , real/t.csv &&
            test -z "$(find . -name '.*.part')")sh"},
        // inertia and the thickness ratio: a number or an error naming it, never null; fractions
        {"a ship in a fluid of density 1E308",
         R"sh("$CLI" inertia --lambda 0.2 --rho 1e308 --length 1e100)sh", 1,
         "added-mass entry M11 is about 1.24E+605, beyond the largest double (1.8E+308), for "
         "density 1e+308, semi-axes a = 5e+99"},
        {"a reference point at 1E308",
         R"sh("$CLI" inertia --lambda 0.2 --about 1e308,1e308,1e308)sh", 1,
         "added-mass entry M44 is about 3.75E+614"},
        // M55 = k2 ρ V x² + k′J: M22 = k2 V = 0.018729348944434048 at ρ = 1, times 1E20.
        {"a lever arm whose square is beyond a double",
         R"sh("$CLI" inertia --lambda 0.2 --rho 1e-300 --about 1e160,0,0)sh", 0, "", "",
         ",1.87293489444340"},
        {"a Munk moment beyond a double",
         R"sh("$CLI" inertia --lambda 0.2 --rho 1e300 --alpha 10 --speed 1e200)sh", 1,
         "Munk moment y component is about 2.99E+697"},
        {"no Munk moment along the axis",
         R"sh("$CLI" inertia --lambda 0.2 --rho 1e300 --speed 1e200)sh", 0, "", "",
         R"("munk_moment":[0.0,0.0,-0.0])"},
        {"a fraction as the thickness ratio",
         R"sh(printf '1,0,0\n' > p
            cmp <("$CLI" inertia --lambda 1/8 --alpha 5) <("$CLI" inertia --lambda 0.125 --alpha 5) &&
            cmp <("$CLI" field --lambda 1/8 --alpha 5 --beta 0 --points p) \
                <("$CLI" field --lambda 0.125 --alpha 5 --beta 0 --points p))sh",
         0, ""},
        {"a fraction over 0", R"sh("$CLI" inertia --lambda 1/0)sh", 2,
         "--lambda: expected a number or a fraction such as 1/8, not \"1/0\""},
        {"a fraction without its denominator",
         R"sh("$CLI" field --lambda 1/ --alpha 0 --beta 0 -)sh", 2, "--lambda: expected a number"},
        {"no number", R"sh("$CLI" inertia --lambda abc)sh", 2, "not \"abc\""},
    };
    for (const Fault& f : faults) {
        ScratchDirectory scratch;

        const CliResult cli = runScript(scratch.path(), f.script);
        EXPECT_EQ(cli.status, f.status) << f.name << "\n" << cli.err;
        EXPECT_NE(cli.err.find(f.err), std::string::npos) << f.name << "\n" << cli.err;
        EXPECT_NE(cli.out.find(f.out), std::string::npos) << f.name << "\n" << cli.out;
        if (!f.after.empty()) {
            EXPECT_EQ(runScript(scratch.path(), f.after).status, 0) << f.name << ": " << f.after;
        }
    }
}

} // namespace
} // namespace solva::test
