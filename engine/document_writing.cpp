#include "engine/document_writing.h"

#include "engine/application.h"
#include "engine/run_environment.h"
#include "output/document_folder.h"
#include "output/worksheet_layout.h"
#include "output/writer_arguments.h"

namespace quill
{

std::string pupilTitle(const std::string& title, std::string_view pupil, std::string_view code)
{
    return code.empty() ? title : title + " " + std::string(pupil) + " " + std::string(code);
}

DocumentsWritten writeSetDocuments(Application& app, RunEnvironment& env, DocumentWriter write)
{
    const SheetDocuments sheets{
        app.settings.option(app.settings.kind()).caption,
        [&](bool answers) {
            return pupilTitle(sheetTitle(app.settings, answers), app.pupilName, app.sheetCode);
        },
        [&](bool answers, WordProcessor& document) {
            const WriterArguments args{app.settings,  app.set,      sheetLayoutOf(app.settings),
                                       answers,       app.notifier, app.stop(),
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
