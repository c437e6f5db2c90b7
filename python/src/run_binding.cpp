// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// One run as the window makes it, from five texts, with its files in a given
// folder (or in a temporary one that goes with the run) and its results as
// arrays. The Python side (ellipsoid_flow/_run.py) turns numbers into texts
// and the results into a RunResult.

#include "app/no_plot.h"
#include "app/run.h"
#include "app/run_error.h"
#include "app/run_folder.h"
#include "bindings.h"
#include "constructed.h"
#include "flow/angles.h"
#include "flow_state_binding.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <locale.h>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

namespace py = pybind11;

namespace solva::python {

namespace {

// The files follow the locale the environment names (LC_ALL, LC_NUMERIC,
// LANG), as the window's do; it is read once, as a window reads it when it
// starts. It is made current for this thread alone and only while it is read:
// the process's locale stays as Python set it.
const OutputStyle& userStyle() {
    static const OutputStyle style = [] {
        const locale_t user = newlocale(LC_ALL_MASK, "", locale_t{});
        if (user == locale_t{}) {
            return OutputStyle{}; // the C locale's, as a program whose locale fails has
        }
        const locale_t previous = uselocale(user);
        OutputStyle read = OutputStyle::fromLocale();
        uselocale(previous);
        freelocale(user);
        return read;
    }();
    return style;
}

// A folder of its own for a run whose files nobody asked for, removed with
// everything in it when the run is over.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::error_code e;
        const std::filesystem::path base = std::filesystem::temp_directory_path(e);
        if (e) {
            const char* named = std::getenv("TMPDIR");
            fail("finding the temporary folder (TMPDIR is \"" +
                     std::string(named != nullptr ? named : "") + "\")",
                 e);
        }
        std::string name = (base / "ellipsoid-flow-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr) {
            fail("creating a folder for the run's files in \"" + base.string() + "\"",
                 std::error_code(errno, std::generic_category()));
        }
        path_ = name;
    }
    ~TemporaryFolder() {
        std::error_code e;
        std::filesystem::remove_all(path_, e);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    [[noreturn]] static void fail(const std::string& doing, std::error_code e) {
        throw RunError(ErrorKind::FileAccess, doing + " (" + e.message() + ")");
    }

    std::filesystem::path path_;
};

// The arrays of a newly started window, for a run given no FlowState: one
// set for each thread, emptied before each run, which costs less than making
// a new set.
FlowState& newWindowArrays() {
    thread_local std::unique_ptr<FlowState> arrays;
    if (arrays) {
        arrays->clear();
    } else {
        arrays = std::make_unique<FlowState>();
    }
    return *arrays;
}

const char* stageName(RunStage stage) {
    switch (stage) {
    case RunStage::Started:
        return "started";
    case RunStage::InputsRead:
        return "inputs read";
    case RunStage::ColumnsCounted:
        return "columns counted";
    case RunStage::CoefficientsComputed:
        return "coefficients computed";
    case RunStage::Completed:
        return "completed";
    }
    return "";
}

// What a completed run leaves for the caller, copied out of the FlowState
// while the run still holds it.
struct Results {
    long points = 0;
    long columns = 0;
    std::vector<double> FI, X, Y, angle, Cu, Cp;
};

Results collect(const FlowState& s, const RunParameters& p, const FlowCoefficients& c) {
    Results r;
    r.points = loopCount(p.NXX.value(), MaxPoint);
    r.columns = loopCount(c.NJ.value(), MaxColumn);
    // Exact sizes: a vector grown by doubling would take fresh pages each run.
    for (std::vector<double>* points : {&r.FI, &r.X, &r.Y}) {
        points->reserve(static_cast<std::size_t>(r.points));
    }
    r.angle.reserve(static_cast<std::size_t>(r.columns));
    for (std::vector<double>* grid : {&r.Cu, &r.Cp}) {
        grid->reserve(static_cast<std::size_t>(r.points * r.columns));
    }
    for (long J = 1; J <= r.columns; ++J) {
        r.angle.push_back(columnAngleDegrees(J, p.NT).value());
    }
    for (long I = 1; I <= r.points; ++I) {
        r.FI.push_back(pointAngleDegrees(s.FI(I), c.PI).value());
        r.X.push_back(s.X(I).toDouble());
        r.Y.push_back(s.Y(I).toDouble());
    }
    // Column by column, as the grid is stored: the arrays are Fortran-ordered.
    for (long J = 1; J <= r.columns; ++J) {
        for (long I = 1; I <= r.points; ++I) {
            const double Cu = s.CU(I, J).toDouble();
            r.Cu.push_back(Cu);
            r.Cp.push_back(1 - Cu);
        }
    }
    return r;
}

// The vector's values as an array of the given shape (and strides, in bytes,
// when not C order), without a copy.
py::array_t<double> toArray(std::vector<double>&& values, std::vector<py::ssize_t> shape,
                            std::vector<py::ssize_t> strides = {}) {
    auto* owner = new std::vector<double>(std::move(values));
    py::capsule free(owner, [](void* v) { delete static_cast<std::vector<double>*>(v); });
    return py::array_t<double>(shape, strides, owner->data(), free);
}

[[noreturn]] void raise(const RunError& e, RunStage reached) {
    const py::object type = coreAttribute("RunError");
    py::object error = type("error " + std::to_string(e.number()) + ": " + e.what());
    error.attr("number") = e.number();
    error.attr("description") = std::string(e.description());
    error.attr("where") = e.where();
    error.attr("stage") = stageName(reached);
    PyErr_SetObject(type.ptr(), error.ptr());
    throw py::error_already_set();
}

// The folder a path-like names, as the system's bytes. A NUL, which no file
// name can hold, raises ValueError quoting the path.
std::filesystem::path folderPath(const py::handle& folder) {
    const std::string bytes =
        py::module_::import("os").attr("fsencode")(folder).cast<std::string>();
    if (bytes.find('\0') != std::string::npos) {
        std::string quoted = py::repr(folder).cast<std::string>();
        if (quoted.size() > 80) {
            quoted = quoted.substr(0, 77) + "...";
        }
        throw py::value_error("folder " + quoted +
                              " holds a NUL character, which no file name can");
    }
    return bytes;
}

py::dict runTexts(const std::array<std::string, 5>& texts, const py::object& folderName,
                  std::optional<Constructed<SharedFlowState>> sharedState) {
    const InputTexts inputs{texts[0], texts[1], texts[2], texts[3], texts[4]};
    std::optional<std::filesystem::path> folder;
    if (!folderName.is_none()) {
        folder = folderPath(folderName);
    }
    SharedFlowState* shared = sharedState ? &**sharedState : nullptr;
    RunRecord record;
    Results results;
    std::optional<RunError> error;
    {
        py::gil_scoped_release released;
        std::unique_lock<std::mutex> lock;
        if (shared != nullptr) {
            lock = std::unique_lock(shared->busy);
        }
        FlowState& state = shared != nullptr ? *shared->arrays : newWindowArrays();
        try {
            NoPlot plot;
            if (folder) {
                run(inputs, createRunFolder(*folder), state, plot, userStyle(), record);
            } else {
                TemporaryFolder scratch;
                run(inputs, scratch.path(), state, plot, userStyle(), record);
            }
            results = collect(state, record.parameters, record.coefficients);
        } catch (const RunError& e) {
            error = e;
        }
    }
    if (error) {
        raise(*error, record.reached);
    }
    const RunParameters& p = record.parameters;
    const FlowCoefficients& c = record.coefficients;
    py::dict out;
    out["inputs"] = py::make_tuple(p.Lamda.value(), p.NXX.value(), p.NT.value(), p.AlfaD.value(),
                                   p.BetaD.value());
    for (const auto& [name, value] : {std::pair{"E", c.E},
                                      {"A0", c.A0},
                                      {"B0", c.B0},
                                      {"K1", c.K1},
                                      {"K2", c.K2},
                                      {"K3", c.K3},
                                      {"NJ", c.NJ}}) {
        out[name] = value.value();
    }
    const py::ssize_t points = results.points;
    const py::ssize_t columns = results.columns;
    out["FI"] = toArray(std::move(results.FI), {points});
    out["X"] = toArray(std::move(results.X), {points});
    out["Y"] = toArray(std::move(results.Y), {points});
    out["angle"] = toArray(std::move(results.angle), {columns});
    const std::vector<py::ssize_t> byColumn{sizeof(double), points * py::ssize_t{sizeof(double)}};
    out["Cu"] = toArray(std::move(results.Cu), {points, columns}, byColumn);
    out["Cp"] = toArray(std::move(results.Cp), {points, columns}, byColumn);
    return out;
}

} // namespace

constexpr const char* RunErrorDoc =
    R"(A run stopped as the window's run would, with its run-time error.

Attributes
----------
number : int
    The window's error number, e.g. 11.
description : str
    Its text, e.g. 'Division by zero'.
where : str
    The step the run stopped at, in words.
stage : str
    How far the run got: 'started', 'inputs read', 'columns counted' or
    'coefficients computed'.

Examples
--------
>>> try:
...     ellipsoid_flow.run(0, 10, 4, 0, 0)
... except ellipsoid_flow.RunError as error:
...     print(error.number, error.description)
11 Division by zero)";

void bindRun(py::module_& m) {
    PyObject* runError = PyErr_NewExceptionWithDoc("ellipsoid_flow.RunError", RunErrorDoc,
                                                   PyExc_RuntimeError, nullptr);
    if (runError == nullptr) {
        throw py::error_already_set();
    }
    m.attr("RunError") = py::reinterpret_steal<py::object>(runError);

    m.def("_run", &runTexts, py::arg("texts"), py::arg("folder"), py::arg("state"),
          "One run from the five box texts; see ellipsoid_flow.run.");
}

} // namespace solva::python
