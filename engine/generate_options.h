#pragma once

// The options of `quillmere generate`, each standing for a control of the window, and how
// they are applied: as a user would click, in the order grade, kind, number type, the rest.

#include "settings/exercise_settings.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

class Notifier;

// A command line that cannot be carried out; its text says why, in the interface language.
class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class NumberType { Whole, Decimal, Fraction, Percent };

struct GenerateOptions {
    std::optional<int> grade;
    std::optional<ExerciseKind> kind;
    std::optional<NumberType> numbers;
    std::optional<std::vector<std::string>> operations;
    std::optional<std::string> from, to, count, columns, fontSize, rowHeight;
    std::optional<int> font, places, keep, steps, closeness;
    std::optional<ColumnRule> carry, borrow;
    std::optional<int> format; // the index of 格式
    std::optional<int> layout; // the index of 版式
    std::optional<bool> exact;
    bool zeroMiddle = false, zeroEnd = false, roundTens = false, fillIn = false, easy = false;
    bool capResults = false, answers = false, noBorders = false, noSave = false;
    bool noEasy = false;       // 简便计算 ticks 简易简便 itself; this clears it
    bool allowTrivial = false; // clears 避免简单题
    std::optional<std::vector<std::string>> laws, units;
    std::vector<std::vector<std::string>> parts; // each --part's own options, split at spaces

    std::optional<std::uint64_t> seed;
    std::uint64_t timeLimit = 60; // seconds of drawing before the run gives up; 0: no limit
    std::string outDir = ".";
    bool outGiven = false;
    std::optional<std::string> historyFile;
    bool print = false;
    bool help = false;

    bool operator==(const GenerateOptions&) const = default;
};

// The index of 格式 that `--format VALUE` names (docx, pdf or both); throws UsageError, also
// for a format this build cannot write.
int documentFormatOption(const std::string& value);

// True for an option of `generate` that is followed by its value; throws UsageError for an
// unknown one.
bool takesValue(std::string_view option);

// Reads the options after `generate`; throws UsageError on unknown or malformed ones.
GenerateOptions parseGenerateOptions(const std::vector<std::string>& args);

// The options every part of a mixed sheet starts from: those outside the parts, less the ones
// that belong to the whole run (--part, --seed, --out, --print, --answers, --format, …).
std::vector<std::string> sharedPartOptions(const std::vector<std::string>& args);

// What belongs to the whole run of a mixed sheet (answers, format, saving, seed, printing);
// the rest is each part's.
GenerateOptions runOptionsOf(const GenerateOptions& options);

// Applies them to fresh settings and runs one validation tick (its notices go to the
// notifier). Throws UsageError for a control the chosen kind disables.
void applyGenerateOptions(const GenerateOptions& options, ExerciseSettings& settings,
                          Notifier& notifier);

// Options given together of which one gives way, each with the one that wins, for stderr.
std::vector<std::string> conflictNotes(const GenerateOptions& options,
                                       const ExerciseSettings& applied);

// The text of `quillmere generate --help`.
std::string generateHelpText();

// The options a set was drawn with, without its seed: a mistakes sheet draws fresh items of
// the same kind from them. Kept one a line.
std::string drawingOptionsText(const std::vector<std::string>& args);
std::vector<std::string> drawingOptionsOf(std::string_view text);

} // namespace quill
