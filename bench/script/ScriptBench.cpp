#include "script/ProcedureList.h"
#include "script/ScriptFormatter.h"

#include <QString>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// An unformatted script of 50,000 characters: procedures, indented assignments with
// operators, strings, comments and object properties.
QString sampleScript()
{
    const QString block[] = {
        u"Public Sub Procedure_%1()"_s,
        u"    dim total, texte"_s,
        u"    total=total+%1*2-(3/4)"_s,
        u"    If total<>%1 Then msgbox \"Valeur = \"&total, vbinformation, \"Titre\""_s,
        u"    texte1.caption=\"a+b=c\" ' commentaire a=b+c"_s,
        u"    bouton%1.mousepointer = 11"_s,
        u"    endif"_s,
        u"End Sub"_s,
        u"function calcul_%1(x)"_s,
        u"  calcul_%1 = x>=%1"_s,
        u"End Function"_s,
    };
    QString text;
    for (int n = 0; text.size() < 50000; ++n) {
        for (const QString &line : block)
            text += (line.contains(u"%1"_s) ? line.arg(n) : line) + u"\r\n"_s;
    }
    text.truncate(50000);
    return text;
}

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
