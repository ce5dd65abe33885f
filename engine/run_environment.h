#pragma once

// What a generation run needs from around it. The window waits while processing events,
// drives the progress label and opens menus; the command line and tests do without.

#include "base/short_date.h"
#include "output/word_processor.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace quill
{

struct DocumentName;

enum class PopupMenu { Laws, Units, File };

// The waits of a run and of a load; each lets the window handle events meanwhile.
// A new run waits this long with the stop raised, so a run still drawing sees it and ends.
inline constexpr double earlierRunStopSeconds = 1;
// 出题完毕！ shows this long before 当前计算内容保存完毕！ replaces it.
inline constexpr double finishedNoticeSeconds = 3;
// A loaded set shows the kind it switched to this long before its sheet is written.
inline constexpr double loadedKindShownSeconds = 1;

class RunEnvironment
{
public:
    virtual ~RunEnvironment() = default;

    // Returns once more than `seconds` have passed, processing events meanwhile.
    virtual void waitSeconds(double seconds) { (void)seconds; }

    // The progress line starts ticking, or stops and is cleared.
    virtual void progressStarted() {}
    virtual void progressStopped() {}

    virtual void focusRangeStart() {}
    virtual void openPopupMenu(PopupMenu menu) { (void)menu; }
    virtual void refreshSavedSets() {}

    // A new document for one writer call; none when the run only draws (printing, tests).
    // Saving it, opening it and telling the user about a failure are the environment's part.
    virtual std::unique_ptr<WordProcessor> newDocument(const DocumentName& name)
    {
        (void)name;
        return nullptr;
    }

    // The part of the documents' names that tells one set from another: the time of the run,
    // or the day a set of a batch is for.
    virtual std::string documentStamp() const { return fileStampText(); }

    // The documents of one set are all written (`complete`), or the answer sheet of a written
    // question sheet could not be: then the question sheet goes too, so that no sheet is
    // left without its answers. Until this is called nothing of the set is announced.
    virtual void documentsFinished(bool complete) { (void)complete; }

    // The history file sets are appended to; none when nothing is saved.
    virtual std::optional<std::filesystem::path> historyFile() const { return std::nullopt; }
};

} // namespace quill
