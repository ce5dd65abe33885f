#include "engine/sheet_preview.h"

#include "engine/application.h"
#include "engine/generation_path.h"
#include "engine/generation_run.h"
#include "output/docx_word_processor.h"
#include "output/worksheet_layout.h"
#include "output/writer_arguments.h"

namespace quill
{

std::optional<PageImage> previewQuestionSheet(Application& app, RunEnvironment& env,
                                              double pixelsPerPoint)
{
    if (drawPreviewSet(app, env) != RunOutcome::Completed)
        return std::nullopt;
    const GenerationPath& path = choosePath(app.settings);
    if (!path.write)
        return std::nullopt;
    // A name without formats: the sheet is only built in memory.
    DocxWordProcessor sheet(DocumentFolder({}),
                            DocumentName{"", "", false, sheetTitle(app.settings, false), {}});
    const WriterArguments args{app.settings, app.set,      sheetLayoutOf(app.settings),
                               false,        app.notifier, app.stop()};
    if (!path.write(args, sheet) || !sheet.document())
        return std::nullopt;
    std::string reason;
    std::optional<PageImage> page = firstPageImage(*sheet.document(), pixelsPerPoint, reason);
    if (!page)
        app.notifier.notify("预览画不出来：" + reason + "。");
    return page;
}

} // namespace quill
