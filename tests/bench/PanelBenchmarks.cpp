// The panel's host-call cost on generated scores of S staves (eight sets of S/8) and D
// expression definitions. Each benchmark reports, besides its time:
//   host_calls         host functions the plug-in called for one piece of the work;
//   minimum_calls      the least the host interface allows for it (LeastHostCalls);
//   calls_per_minimum  their ratio;
//   definition_loads_per_D (refreshes and opening) definitions loaded, per definition in the
//                      document (D here counts the set names' own definitions too).
// The counters come from one measuring pass before the timed loop, so they do not depend on
// the number of iterations. The baselines send the least record loads for the same work
// straight into the simulated host's load function, with no plug-in code between; their
// time is the floor that the panel's time is compared with.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "simhost/documents/RecordFields.h"
#include "simhost/documents/RecordFormats.h"
#include "simhost/documents/RecordTag.h"
#include "simhost/documents/StaffLists.h"
#include "simhost/documents/StaffNames.h"
#include "simhost/hostfunctions/HostFunctions.h"
#include "simhost/hostfunctions/SimHost.h"
#include "tests/bench/LeastHostCalls.h"
#include "tests/bench/PanelBench.h"

namespace {

constexpr uint32_t kHostVersion = 0x12050000;
constexpr int kTicksPerCycle = 5; // the panel checks the document on one tick in five
constexpr int kSet = 3;           // the set the operations work on

int Staves(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}
int Definitions(const benchmark::State& state) {
    return static_cast<int>(state.range(1));
}

void Report(benchmark::State& state, double calls, double minimum) {
    state.counters["host_calls"] = calls;
    state.counters["minimum_calls"] = minimum;
    state.counters["calls_per_minimum"] = minimum > 0 ? calls / minimum : 0;
}

double DefinitionsInDocument(PanelBench& bench) {
    return static_cast<double>(bench.Document().Records().AddressesOf(SimTag("SODT")).size());
}

// Set 8's list loses its last entry, or gets it back: a change behind the panel that makes
// the next tick refresh every row after reading every list.
void ChangeLastSet(PanelBench& bench, bool shorten, const std::vector<ListEntry>& full) {
    std::vector<ListEntry> list = full;
    if (shorten)
        list.pop_back();
    WriteStaffList(bench.Document().PartRecords(0), 8 - 37, list);
}

void BM_Tick(benchmark::State& state) {
    PanelBench bench(Staves(state), Definitions(state));
    if (!bench.Ready())
        return state.SkipWithError("the panel did not open");
    bench.ClearLog();
    for (int i = 0; i < kTicksPerCycle; ++i)
        bench.Tick();
    Report(state, static_cast<double>(bench.HostCalls()) / kTicksPerCycle,
           LeastHostCalls(bench.Document(), kHostVersion).Tick());
    for (auto _ : state) {
        bench.Tick();
        bench.ClearLog();
    }
}

void BM_Refresh(benchmark::State& state) {
    PanelBench bench(Staves(state), Definitions(state));
    if (!bench.Ready())
        return state.SkipWithError("the panel did not open");
    const std::vector<ListEntry> full = ReadStaffList(bench.Document().PartRecords(0), 8 - 37);
    double minimum = 0;
    bool shorten = true;
    bench.ClearLog();
    for (int i = 0; i < 2 * kTicksPerCycle; ++i, shorten = !shorten) {
        ChangeLastSet(bench, shorten, full);
        minimum += LeastHostCalls(bench.Document(), kHostVersion).Refresh();
        bench.Tick();
    }
    const int refreshes = 2 * kTicksPerCycle;
    Report(state, static_cast<double>(bench.HostCalls()) / refreshes, minimum / refreshes);
    state.counters["definition_loads_per_D"] =
        static_cast<double>(bench.LoadsWithBuffer(SimTag("SODT"))) / refreshes /
        DefinitionsInDocument(bench);
    for (auto _ : state) {
        state.PauseTiming();
        ChangeLastSet(bench, shorten, full);
        shorten = !shorten;
        bench.ClearLog();
        state.ResumeTiming();
        bench.Tick();
    }
}

void BM_Open(benchmark::State& state) {
    PanelBench bench(Staves(state), Definitions(state));
    if (!bench.Ready())
        return state.SkipWithError("the panel did not open");
    bench.Close();
    bench.ClearLog();
    bench.Open();
    Report(state, static_cast<double>(bench.HostCalls()),
           LeastHostCalls(bench.Document(), kHostVersion).Open());
    state.counters["definition_loads_per_D"] =
        static_cast<double>(bench.LoadsWithBuffer(SimTag("SODT"))) / DefinitionsInDocument(bench);
    for (auto _ : state) {
        state.PauseTiming();
        bench.Close(); // writes the panel's placement to a file: not the work measured
        bench.ClearLog();
        state.ResumeTiming();
        bench.Open();
    }
}

// The least record loads of the work, found in the document beforehand and sent straight to
// the host's load function: each key with a buffer large enough for its record.
struct Load {
    uint32_t tag;
    int16_t item, sub;
};

int16_t DirectLoad(const Load& load, std::vector<unsigned char>& buffer) {
    unsigned char key[8] = {};
    std::memcpy(key, &load.item, 2);
    std::memcpy(key + 2, &load.sub, 2);
    uint32_t size = static_cast<uint32_t>(buffer.size());
    const uint32_t version = ExpectedRecordVersion(load.tag, kHostVersion).value_or(kHostVersion);
    return Host_NX_LoadEData(load.tag, key, buffer.data(), &size, version);
}

// Every entry of the nine lists and the failed load after each.
std::vector<Load> ListLoads(PanelBench& bench) {
    std::vector<Load> loads;
    for (int set = 0; set <= 8; ++set) {
        const auto item = static_cast<int16_t>(set == 0 ? 0 : set - 37);
        const size_t entries = ReadStaffList(bench.Document().PartRecords(0), item).size();
        for (size_t sub = 0; sub <= entries; ++sub)
            loads.push_back({SimTag("SOIu"), item, static_cast<int16_t>(sub)});
    }
    return loads;
}

// The lists, then every category and definition, and the edge staves' records with the text
// blocks of those the host cannot name.
std::vector<Load> RowLoads(PanelBench& bench) {
    std::vector<Load> loads = ListLoads(bench);
    const SimDocument& document = bench.Document();
    for (uint32_t tag : {SimTag("SOMC"), SimTag("SODT")})
        for (const RecordAddress& at : document.Records().AddressesOf(tag))
            loads.push_back({tag, at.item, at.sub});
    for (int set = 1; set <= 8; ++set) {
        const std::vector<ListEntry> list =
            ReadStaffList(*document.FindPartRecords(0), static_cast<int16_t>(set - 37));
        if (list.empty())
            continue;
        for (uint16_t staff : {list.front().staff, list.back().staff}) {
            const auto number = static_cast<int16_t>(staff);
            loads.push_back({SimTag("SOIS"), number, 0});
            const Bytes* record = document.Records().Find({SimTag("SOIS"), number, 0});
            const auto block =
                record ? static_cast<int16_t>(ReadLittleEndian16(*record, 30)) : number;
            if (!NumberedStaffName(document, kHostVersion, block, number))
                loads.push_back({SimTag("SOTX"), block, 0});
        }
    }
    return loads;
}

void RunBaseline(benchmark::State& state, const std::function<std::vector<Load>(PanelBench&)>& of) {
    PanelBench bench(Staves(state), Definitions(state));
    const std::vector<Load> loads = of(bench);
    std::vector<unsigned char> buffer(4096);
    state.counters["host_calls"] = static_cast<double>(loads.size());
    for (auto _ : state) {
        for (const Load& load : loads)
            benchmark::DoNotOptimize(DirectLoad(load, buffer));
        bench.ClearLog();
    }
}

void BM_TickBaseline(benchmark::State& state) {
    RunBaseline(state, ListLoads);
}

// The tick and its baseline timed in turn, one of each per iteration, so that both meet the
// same machine: on a shared machine two runs a minute apart can differ by a fifth. Reports
// their times per iteration and time_per_baseline.
void BM_TickAgainstBaseline(benchmark::State& state) {
    PanelBench bench(Staves(state), Definitions(state));
    if (!bench.Ready())
        return state.SkipWithError("the panel did not open");
    const std::vector<Load> loads = ListLoads(bench);
    std::vector<unsigned char> buffer(4096);
    using Clock = std::chrono::steady_clock;
    Clock::duration tick{}, baseline{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        bench.Tick();
        const Clock::time_point ticked = Clock::now();
        for (const Load& load : loads)
            benchmark::DoNotOptimize(DirectLoad(load, buffer));
        baseline += Clock::now() - ticked;
        tick += ticked - start;
        bench.ClearLog();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["tick_us"] =
        std::chrono::duration<double, std::micro>(tick).count() / iterations;
    state.counters["baseline_us"] =
        std::chrono::duration<double, std::micro>(baseline).count() / iterations;
    state.counters["time_per_baseline"] =
        static_cast<double>(tick.count()) / static_cast<double>(baseline.count());
}

// Serves a refresh and the opening alike: both read the same records.
void BM_RefreshBaseline(benchmark::State& state) {
    RunBaseline(state, RowLoads);
}

// One operation pressed on the open panel. `prepare` sets up what the user has done before
// the press (untimed); the press and everything the panel does for it are timed; the edit is
// then taken back (untimed) so that every iteration works on the same score.
struct Operation {
    std::function<void(PanelBench&)> prepare;
    std::string button;
    std::function<double(PanelBench&, const SimDocument::Contents&)> minimum;
};

void RunOperation(benchmark::State& state, const Operation& operation) {
    PanelBench bench(Staves(state), Definitions(state));
    if (!bench.Ready())
        return state.SkipWithError("the panel did not open");
    const size_t history = bench.UndoSteps();
    operation.prepare(bench);
    const SimDocument::Contents before = bench.Document().Snapshot();
    bench.ClearLog();
    bench.Press(operation.button);
    Report(state, static_cast<double>(bench.HostCalls()), operation.minimum(bench, before));
    if (bench.UndoSteps() == history && operation.button != "&Switch To")
        return state.SkipWithError("the operation did not change the score");
    bench.UndoEditsBeyond(history);
    for (auto _ : state) {
        state.PauseTiming();
        operation.prepare(bench);
        bench.ClearLog();
        state.ResumeTiming();
        bench.Press(operation.button);
        state.PauseTiming();
        bench.UndoEditsBeyond(history);
        state.ResumeTiming();
    }
}

// Clicks row 0 and then the set's row, so that the buttons follow the selection and the
// document as they are now.
void ChooseRow(PanelBench& bench, int row) {
    bench.ClickRow(0);
    bench.ClickRow(row);
}

// Slots of the staves of set n in the score's order.
void SelectSet(PanelBench& bench, int set, int part = 1, int parts = 1) {
    const int perSet = bench.Document().FindPartRecords(0)
                           ? static_cast<int>(ReadStaffList(*bench.Document().FindPartRecords(0),
                                                            static_cast<int16_t>(set - 37))
                                                  .size())
                           : 0;
    const int first = (set - 1) * perSet + 1 + (part - 1) * perSet / parts;
    const int last = first + perSet / parts - 1;
    bench.Document().SelectSlots(static_cast<int16_t>(first), static_cast<int16_t>(last));
}

int SelectedSlots(PanelBench& bench) {
    const int perSet = static_cast<int>(
        ReadStaffList(*bench.Document().FindPartRecords(0), static_cast<int16_t>(1 - 37)).size());
    return perSet;
}

void BM_Switch(benchmark::State& state) {
    RunOperation(state, {[](PanelBench& b) { ChooseRow(b, kSet); }, "&Switch To",
                         [](PanelBench& b, const SimDocument::Contents&) {
                             return LeastHostCalls(b.Document(), kHostVersion).Switch();
                         }});
}

void BM_Rename(benchmark::State& state) {
    RunOperation(state, {[](PanelBench& b) {
                             ChooseRow(b, kSet);
                             b.Type("Renamed");
                         },
                         "&Rename",
                         [](PanelBench& b, const SimDocument::Contents& before) {
                             LeastHostCalls::Edit edit;
                             edit.listsRead = {kSet};
                             edit.readsTypedName = true;
                             edit.findsNames = true;
                             edit.rowsShown = {kSet};
                             return LeastHostCalls(b.Document(), kHostVersion).EditOf(edit, before);
                         }});
}

// Set 3 made anew from the staves of set 1, replacing it after the question.
void BM_Create(benchmark::State& state) {
    RunOperation(state, {[](PanelBench& b) {
                             SelectSet(b, 1);
                             ChooseRow(b, kSet);
                             b.Type("Created");
                             b.AnswerYes();
                         },
                         "&Create Set",
                         [](PanelBench& b, const SimDocument::Contents& before) {
                             LeastHostCalls::Edit edit;
                             edit.listsRead = {kSet};
                             edit.slotsSelected = SelectedSlots(b);
                             edit.readsTypedName = true;
                             edit.findsNames = true;
                             edit.rowsShown = {kSet};
                             return LeastHostCalls(b.Document(), kHostVersion).EditOf(edit, before);
                         }});
}

// The staves of set 4, which follow set 3's in the score, added to set 3.
void BM_Add(benchmark::State& state) {
    RunOperation(state, {[](PanelBench& b) {
                             SelectSet(b, kSet + 1);
                             ChooseRow(b, kSet);
                         },
                         "&Add Staves",
                         [](PanelBench& b, const SimDocument::Contents& before) {
                             LeastHostCalls::Edit edit;
                             edit.listsRead = {kSet};
                             edit.slotsSelected = SelectedSlots(b);
                             // The row shows its name anew: it may have changed behind the panel.
                             edit.findsNames = true;
                             edit.rowsShown = {kSet};
                             return LeastHostCalls(b.Document(), kHostVersion).EditOf(edit, before);
                         }});
}

// The first half of set 3's staves removed from it; the host redraws them.
void BM_Remove(benchmark::State& state) {
    RunOperation(state, {[](PanelBench& b) {
                             SelectSet(b, kSet, 1, 2);
                             ChooseRow(b, kSet);
                         },
                         "R&emove Staves",
                         [](PanelBench& b, const SimDocument::Contents& before) {
                             LeastHostCalls::Edit edit;
                             edit.listsRead = {kSet};
                             edit.slotsSelected = SelectedSlots(b) / 2;
                             // The row shows its name anew: it may have changed behind the panel.
                             edit.findsNames = true;
                             edit.rowsShown = {kSet};
                             edit.otherCalls = 1; // the redraw
                             return LeastHostCalls(b.Document(), kHostVersion).EditOf(edit, before);
                         }});
}

// Set 3 moved up: sets 2 and 3 change places with their names.
void BM_Move(benchmark::State& state) {
    RunOperation(state, {[](PanelBench& b) { ChooseRow(b, kSet); }, "^",
                         [](PanelBench& b, const SimDocument::Contents& before) {
                             LeastHostCalls::Edit edit;
                             edit.listsRead = {kSet - 1, kSet};
                             edit.findsNames = true;
                             edit.rowsShown = {kSet - 1, kSet};
                             // the view of all staves, and the selection for the buttons
                             edit.otherCalls = 2;
                             return LeastHostCalls(b.Document(), kHostVersion).EditOf(edit, before);
                         }});
}

// Set 3 deleted with its name, after the question.
void BM_Delete(benchmark::State& state) {
    RunOperation(state, {[](PanelBench& b) {
                             ChooseRow(b, kSet);
                             b.AnswerYes();
                         },
                         "&Delete Set",
                         [](PanelBench& b, const SimDocument::Contents& before) {
                             LeastHostCalls::Edit edit;
                             edit.listsRead = {kSet};
                             edit.findsNames = true;
                             // the view of all staves, and the selection for the buttons
                             edit.otherCalls = 2;
                             return LeastHostCalls(b.Document(), kHostVersion).EditOf(edit, before);
                         }});
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"S", "D"})->ArgsProduct({{50, 100, 200, 400}, {10, 100, 1000}});
    benchmark->Unit(benchmark::kMicrosecond);
}

// The untimed preparation and undo around each press cost far more than a quick press
// itself; left to choose, the library would run hundreds of thousands of them.
void OperationSizes(benchmark::internal::Benchmark* benchmark) {
    Sizes(benchmark);
    benchmark->Iterations(200);
}

} // namespace

BENCHMARK(BM_Tick)->Apply(Sizes);
BENCHMARK(BM_TickBaseline)->Apply(Sizes);
BENCHMARK(BM_TickAgainstBaseline)->Apply(Sizes);
BENCHMARK(BM_Refresh)->Apply(Sizes);
BENCHMARK(BM_Open)->Apply(Sizes);
BENCHMARK(BM_RefreshBaseline)->Apply(Sizes);
BENCHMARK(BM_Switch)->Apply(OperationSizes);
BENCHMARK(BM_Rename)->Apply(OperationSizes);
BENCHMARK(BM_Create)->Apply(OperationSizes);
BENCHMARK(BM_Add)->Apply(OperationSizes);
BENCHMARK(BM_Remove)->Apply(OperationSizes);
BENCHMARK(BM_Move)->Apply(OperationSizes);
BENCHMARK(BM_Delete)->Apply(OperationSizes);
BENCHMARK_MAIN();
