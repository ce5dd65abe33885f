#include "engine/generation_run.h"
#include "engine/run_environment.h"
#include "engine/settings_interlocks.h"
#include "output/docx_word_processor.h"
#include "output/worksheet_writer.h"
#include "support/test_application.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <optional>

namespace
{

using namespace quill;

// A folder of its own for the documents of one benchmark, removed afterwards.
struct BenchFolder {
    std::filesystem::path path;

    BenchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quillmere-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path = pattern;
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }

    // Documents are removed outside the timing, so every file gets its plain name.
    void clear(benchmark::State& state)
    {
        state.PauseTiming();
        for (const auto& entry : std::filesystem::directory_iterator(path))
            std::filesystem::remove(entry.path());
        state.ResumeTiming();
    }
};

class DocumentEnvironment : public RunEnvironment
{
public:
    explicit DocumentEnvironment(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::unique_ptr<WordProcessor> newDocument(const DocumentName& name) override
    {
        return std::make_unique<DocxWordProcessor>(DocumentFolder(folder_), name);
    }

private:
    std::filesystem::path folder_;
};

// What a run hands the writer for the drawn set.
WriterArguments writerArguments(Application& app, bool answers)
{
    return {app.settings, app.set, sheetLayoutOf(app.settings), answers, app.notifier, app.stop()};
}

// A whole run with 答案, drawing included, writes both documents to disk.
void pairGeneratedAndWritten(benchmark::State& state, std::optional<ExerciseKind> kind,
                             bool fractions = false)
{
    BenchFolder folder;
    testing::TestApplication t(3);
    if (kind)
        clickKindOption(t.app.settings, *kind, t.notifier);
    if (fractions)
        clickCheck(t.app.settings, t.app.settings.fractions, t.notifier);
    t.app.settings.answerSheet.checked = true;
    DocumentEnvironment env(folder.path);
    std::uint64_t seed = 1;
    for (auto _ : state) {
        t.app.random.seed(seed++);
        if (generateExercises(t.app, env) != RunOutcome::Completed)
            state.SkipWithError("the run did not complete");
        folder.clear(state);
    }
}

// The writer alone: the default set's question and answer documents, to disk.
void defaultPairWritten(benchmark::State& state)
{
    BenchFolder folder;
    testing::TestApplication t(5);
    RunEnvironment drawOnly;
    generateExercises(t.app, drawOnly);
    for (auto _ : state) {
        for (const bool answers : {false, true}) {
            DocxWordProcessor word(DocumentFolder(folder.path), {"竖式计算", "bench", answers});
            if (!writeWorksheet(writerArguments(t.app, answers), word))
                state.SkipWithError("the document was not written");
        }
        folder.clear(state);
    }
}

// A question document of 10000 items of the default kind: 5000 table rows.
void tenThousandItemQuestionDocument(benchmark::State& state)
{
    BenchFolder folder;
    testing::TestApplication t(9);
    t.app.settings.itemCount.text = "10000";
    t.app.settings.rangeEnd.text = "10000";
    RunEnvironment drawOnly;
    if (generateExercises(t.app, drawOnly) != RunOutcome::Completed)
        state.SkipWithError("the set was not drawn");
    for (auto _ : state) {
        DocxWordProcessor word(DocumentFolder(folder.path), {"竖式计算", "bench", false});
        if (!writeWorksheet(writerArguments(t.app, false), word))
            state.SkipWithError("the document was not written");
        folder.clear(state);
    }
    state.counters["items"] = static_cast<double>(t.app.set.size());
}

// The default settings: 24 items of 竖式计算.
void defaultPairGeneratedAndWritten(benchmark::State& state)
{
    pairGeneratedAndWritten(state, std::nullopt);
}

// 单位换算 as chosen: 40 items of all seven families in 2 columns.
void unitPairGeneratedAndWritten(benchmark::State& state)
{
    pairGeneratedAndWritten(state, ExerciseKind::Units);
}

// 分数 ticked on the default settings: 24 items of 通分计算, every fraction stacked.
void fractionPairGeneratedAndWritten(benchmark::State& state)
{
    pairGeneratedAndWritten(state, std::nullopt, true);
}

// 简便计算 as chosen: 24 items of the five basic laws in easy mode, range 1..100.
void lawPairGeneratedAndWritten(benchmark::State& state)
{
    pairGeneratedAndWritten(state, ExerciseKind::Laws);
}

BENCHMARK(defaultPairGeneratedAndWritten)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(unitPairGeneratedAndWritten)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(fractionPairGeneratedAndWritten)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(lawPairGeneratedAndWritten)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(defaultPairWritten)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(tenThousandItemQuestionDocument)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace
