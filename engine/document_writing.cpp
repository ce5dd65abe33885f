#include "engine/document_writing.h"

#include "engine/application.h"
#include "engine/run_environment.h"
#include "output/document_folder.h"
#include "output/worksheet_layout.h"
#include "output/writer_arguments.h"

namespace quill
{

namespace
{

std::string titleWithPupil(const Application& app, bool answers)
{
    const std::string title = sheetTitle(app.settings, answers);
    return app.sheetCode.empty() ? title : title + " " + app.pupilName + " " + app.sheetCode;
}

} // namespace

DocumentsWritten writeSetDocuments(Application& app, RunEnvironment& env, DocumentWriter write)
{
    const SheetDocuments sheets{app.settings.option(app.settings.kind()).caption,
                                [&](bool answers) { return titleWithPupil(app, answers); },
                                [&](bool answers, WordProcessor& document) {
                                    const WriterArguments args{
                                        app.settings, app.set,      sheetLayoutOf(app.settings),
                                        answers,      app.notifier, app.stop(),
                                        app.pupilName, app.sheetCode};
                                    return write(args, document);
                                }};
    return writeSheetDocuments(app, env, sheets);
}

DocumentsWritten writeSheetDocuments(Application& app, RunEnvironment& env,
                                     const SheetDocuments& sheets)
{
    const std::string stamp = env.documentStamp();
    for (const bool answers : {false, true}) {
        // No answer sheet for a question sheet stopped half way.
        if (answers && (!app.settings.answerSheet.checked || app.run.stopRequested))
            break;
        const std::unique_ptr<WordProcessor> document = env.newDocument(
            {sheets.name, stamp, answers, sheets.title(answers), chosenFormats(app.settings)});
        if (!document)
            return DocumentsWritten::NotWanted;
        if (!sheets.write(answers, *document)) {
            env.documentsFinished(false);
            return DocumentsWritten::Failed;
        }
    }
    env.documentsFinished(true);
    return DocumentsWritten::Written;
}

} // namespace quill
