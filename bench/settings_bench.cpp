// Load and save of a complete settings file: every page turn and launch loads it once, every
// change saves it once, so these bound what the user waits for on each of those.
#include "settings/settings.h"
#include "tests/support/full_file.h"
#include "tests/support/iconv_codec.h"

#include <benchmark/benchmark.h>

namespace {

std::string completeFile() {
    static const tarvok::test::IconvCodec codec;
    tarvok::Settings s(tarvok::IniModel{}, codec);
    tarvok::test::fillCompleteSettings(s);
    return s.model().serialize();
}

void BM_LoadComplete(benchmark::State& state) {
    const std::string bytes = completeFile();
    for (auto _ : state) {
        auto model = tarvok::IniModel::parse(bytes);
        benchmark::DoNotOptimize(model);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadComplete);

void BM_SaveComplete(benchmark::State& state) {
    const auto model = tarvok::IniModel::parse(completeFile());
    for (auto _ : state) {
        auto bytes = model.serialize();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_SaveComplete);

// What one page refresh does with the model: forty reads, ten of them decoded captions.
void BM_ReadPageOfSlots(benchmark::State& state) {
    static const tarvok::test::IconvCodec codec;
    const auto model = tarvok::IniModel::parse(completeFile());
    for (auto _ : state) {
        tarvok::Settings s(model, codec);
        for (int n = tarvok::kFirstKeyNumber; n <= tarvok::kLastKeyNumber; ++n) {
            auto r = tarvok::readSlot(s, tarvok::slotKey(5, n));
            benchmark::DoNotOptimize(r);
        }
    }
}
BENCHMARK(BM_ReadPageOfSlots);

// A registration: load, write one record, save.
void BM_LoadWriteRecordSave(benchmark::State& state) {
    static const tarvok::test::IconvCodec codec;
    const std::string bytes = completeFile();
    for (auto _ : state) {
        tarvok::Settings s(tarvok::IniModel::parse(bytes), codec);
        tarvok::writeProgramSlot(s, "3F7", "メモ帳", "C:\\Windows\\notepad.exe");
        auto out = s.model().serialize();
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_LoadWriteRecordSave);

// The migration: a full earlier file copied into a full settings file, loaded, copied and
// saved in one operation.
void BM_MigrateComplete(benchmark::State& state) {
    static const tarvok::test::IconvCodec codec;
    const std::string earlier = completeFile();
    const std::string current = completeFile();
    for (auto _ : state) {
        tarvok::Settings s(tarvok::IniModel::parse(current), codec);
        tarvok::migrateFrom(s, tarvok::IniModel::parse(earlier));
        auto out = s.model().serialize();
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_MigrateComplete)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
