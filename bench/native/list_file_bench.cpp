// Throughput of the list file codec and of a whole load and save of a large list.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/text_codec.h"
#include "tests/support/latin1_code_page.h"
#include "tests/support/memory_storage.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/vector_folder_list.h"
#include "vault/list_file.h"

namespace {

void BM_ToggleHighBit(benchmark::State& state) {
    std::string bytes(static_cast<std::size_t>(state.range(0)), 'a');
    for (auto _ : state) {
        ToggleHighBitInPlace(bytes);
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ToggleHighBit)->Arg(4096)->Arg(1 << 20)->Arg(16 << 20);

VectorFolderList MakeList(std::size_t count) {
    VectorFolderList list;
    for (std::size_t i = 0; i < count; ++i) {
        list.Append({"C:\\Users\\Someone\\Documents\\Projects\\Folder " + std::to_string(i),
                     i % 3 ? "Visible" : "Hidden", false});
    }
    return list;
}

void BM_LoadAndSaveList(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    Latin1CodePage codePage;
    MemoryStorage storage;
    ScriptedPrompter prompter;
    if (!SaveList(MakeList(count), storage, codePage, prompter)) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        VectorFolderList list;
        if (LoadList(list, storage, codePage, prompter, "Murkwell").Failed() ||
            list.Count() != count || !SaveList(list, storage, codePage, prompter)) {
            state.SkipWithError("load or save failed");
            return;
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_LoadAndSaveList)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
