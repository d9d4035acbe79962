#include "SampleScript.h"
#include "script/ProcedureList.h"
#include "script/ScriptFormatter.h"

#include <QString>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

void formatterPass(benchmark::State &state)
{
    const QString text = sampleScript();
    for (auto _ : state)
        benchmark::DoNotOptimize(scriptformatter::pass(text, text.size() / 2));
    state.SetBytesProcessed(state.iterations() * text.size());
}

void procedureListRefresh(benchmark::State &state)
{
    const QString text = sampleScript();
    for (auto _ : state)
        benchmark::DoNotOptimize(ProcedureList::scan(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}

} // namespace

BENCHMARK(formatterPass)->Unit(benchmark::kMillisecond);
BENCHMARK(procedureListRefresh)->Unit(benchmark::kMillisecond);
