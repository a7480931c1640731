// How long the localised-text lookups take, with the worst texts a damaged language file can hold:
//
//   BM_ThemeWordInLongLine   getText of one line of 40,000 "furball" words under the soccer theme
//   BM_FormatText            formatText of an ordinary "Level %d"
//   BM_HostileFormatText     formatText of "%.999999999f", which must be refused, not formatted

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "Core/Language.h"

namespace {

int gTheme = 0;

// English texts in a folder of their own: 0 the long line, 1 an ordinary format, 2 a hostile one, 68 the
// soccer theme's word.
bool loadEnglish()
{
    static bool loaded = false;
    if (loaded)
        return true;
    char folder[] = "/tmp/kelzo_bench_text_XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0)
        return false;
    std::string line;
    for (int i = 0; i < 40000; ++i)
        line += "furball ";
    std::string file = line + "x\nLevel %d\n%.999999999f\n";
    for (int id = 3; id < 80; ++id)
        file += id == 68 ? "soccer ball\n" : "\n";
    FILE* f = fopen("english.txt", "wb");
    if (!f)
        return false;
    fwrite(file.data(), 1, file.size(), f);
    fclose(f);
    setLanguageCounters(nullptr, &gTheme);
    setLanguage(kEnglish);
    remove("english.txt");
    remove("lang.dat");
    rmdir(folder);
    loaded = true;
    return true;
}

void BM_ThemeWordInLongLine(benchmark::State& state)
{
    if (!loadEnglish())
        state.SkipWithError("cannot write the language file");
    gTheme = 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(getText(0).length());
}
BENCHMARK(BM_ThemeWordInLongLine)->Unit(benchmark::kMicrosecond);

void BM_FormatText(benchmark::State& state)
{
    if (!loadEnglish())
        state.SkipWithError("cannot write the language file");
    for (auto _ : state)
        benchmark::DoNotOptimize(formatText(1, 17).length());
}
BENCHMARK(BM_FormatText);

void BM_HostileFormatText(benchmark::State& state)
{
    if (!loadEnglish())
        state.SkipWithError("cannot write the language file");
    for (auto _ : state)
        benchmark::DoNotOptimize(formatText(2, 2.5).length());
}
BENCHMARK(BM_HostileFormatText);

}  // namespace

BENCHMARK_MAIN();
