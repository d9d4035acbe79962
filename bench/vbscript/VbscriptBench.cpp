#include "vbscript/Conversion.h"
#include "vbscript/Lexer.h"
#include "vbscript/Parser.h"
#include "vbscript/ScriptEngine.h"

#include <benchmark/benchmark.h>

namespace {

void ForLoopWithIntegerArithmetic(benchmark::State &state)
{
    for (auto _ : state) {
        vbs::ScriptEngine engine;
        engine.addCode(u"x = 0\nFor i = 1 To 1000000\n  x = x + i Mod 7\n  If x > 1000 Then x = x - 1000\nNext");
        benchmark::DoNotOptimize(engine.eval(u"x"));
    }
}
BENCHMARK(ForLoopWithIntegerArithmetic)->Unit(benchmark::kMillisecond);

void StringAppends(benchmark::State &state)
{
    for (auto _ : state) {
        vbs::ScriptEngine engine;
        engine.addCode(u"s = \"\"\nFor i = 1 To 10000\n  s = s & \"x\"\nNext");
        benchmark::DoNotOptimize(engine.eval(u"Len(s)"));
    }
}
BENCHMARK(StringAppends)->Unit(benchmark::kMillisecond);

void HostPropertySets(benchmark::State &state)
{
    vbs::ScriptEngine engine;
    auto object = std::make_shared<vbs::DispatchObject>(u"Bouton");
    int32_t stored = 0;
    object->addProperty(
        u"Left", [&stored](std::span<vbs::Variant>) { return vbs::Variant::longValue(stored); },
        [&stored](std::span<vbs::Variant>, const vbs::Variant &v) { stored = vbs::conv::toLong(v); });
    engine.addObject(u"Bouton1", object);
    for (auto _ : state)
        engine.addCode(u"For i = 1 To 100000\n  Bouton1.Left = i\nNext");
    benchmark::DoNotOptimize(stored);
}
BENCHMARK(HostPropertySets)->Unit(benchmark::kMillisecond);

std::u16string largeScript()
{
    std::u16string source;
    for (int i = 0; source.size() < 50000; ++i) {
        const std::u16string n = vbs::conv::fromAscii(std::to_string(i));
        source += u"Function Compute" + n + u"(a, b)\r\n"
                  u"    Dim total, k ' running sum\r\n"
                  u"    total = 0\r\n"
                  u"    For k = 1 To a Step 2\r\n"
                  u"        If k Mod 3 = 0 Then total = total + k * b Else total = total - \"x\" & k\r\n"
                  u"    Next\r\n"
                  u"    Select Case total\r\n"
                  u"        Case 1, 2 : Compute" + n + u" = Left(\"abc\", 2)\r\n"
                  u"        Case Else : Compute" + n + u" = Array(1, 2.5, #1/2/2003#)(0)\r\n"
                  u"    End Select\r\n"
                  u"End Function\r\n";
    }
    return source;
}

void ParseFiftyThousandCharacters(benchmark::State &state)
{
    const std::u16string source = largeScript();
    for (auto _ : state) {
        auto program = vbs::Parser(vbs::Lexer(source).tokenize()).parseProgram();
        benchmark::DoNotOptimize(program);
    }
    state.counters["chars"] = double(source.size());
}
BENCHMARK(ParseFiftyThousandCharacters)->Unit(benchmark::kMillisecond);

// Execute of a generated 1,000-line script with procedures, loops and conditions.
void ExecuteThousandLines(benchmark::State &state)
{
    std::u16string source;
    for (int i = 0; i < 100; ++i) {
        const std::u16string n = vbs::conv::fromAscii(std::to_string(i));
        source += u"Function F" + n + u"(a)\n"
                  u"    Dim k, t\n"
                  u"    For k = 1 To 3\n"
                  u"        If k Mod 2 = 0 Then t = t + a Else t = t - 1\n"
                  u"    Next\n"
                  u"    F" + n + u" = t & \"x\"\n"
                  u"End Function\n"
                  u"r = F" + n + u"(" + n + u")\n"
                  u"s = Left(r, 2) & Mid(\"abc\", 2)\n"
                  u"total = total + Len(s)\n";
    }
    vbs::ScriptEngine engine;
    engine.addFunction(u"source", [&source](std::span<vbs::Variant>) { return vbs::Variant::string(source); });
    for (auto _ : state)
        engine.addCode(u"Execute source()");
    state.counters["lines"] = 1000;
}
BENCHMARK(ExecuteThousandLines)->Unit(benchmark::kMillisecond);

// RegExp.Replace with Global over one megabyte of text.
void RegExpReplaceMegabyte(benchmark::State &state)
{
    std::u16string text;
    while (text.size() < (1u << 20))
        text += u"Order 12345 shipped to john.doe@example.com on 2024-05-17; ";
    vbs::ScriptEngine engine;
    engine.addFunction(u"text", [&text](std::span<vbs::Variant>) { return vbs::Variant::string(text); });
    engine.addCode(u"Set re = New RegExp\nre.Global = True\nre.Pattern = \"(\\d+)-(\\d+)\"\nt = text()");
    for (auto _ : state)
        engine.addCode(u"r = re.Replace(t, \"$2/$1\")");
    state.counters["chars"] = double(text.size());
}
BENCHMARK(RegExpReplaceMegabyte)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
