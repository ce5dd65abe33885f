#include "engine/document_writing.h"

#include "engine/application.h"
#include "engine/run_environment.h"
#include "output/document_folder.h"
#include "output/worksheet_layout.h"
#include "output/writer_arguments.h"

namespace quill
{

DocumentsWritten writeSetDocuments(Application& app, RunEnvironment& env, DocumentWriter write)
{
    const std::string stamp = env.documentStamp();
    const std::string kind = app.settings.option(app.settings.kind()).caption;
    for (const bool answers : {false, true}) {
        // No answer sheet for a question sheet stopped half way.
        if (answers && (!app.settings.answerSheet.checked || app.run.stopRequested))
            break;
        const std::unique_ptr<WordProcessor> document = env.newDocument(
            {kind, stamp, answers, sheetTitle(app.settings, answers), chosenFormats(app.settings)});
        if (!document)
            return DocumentsWritten::NotWanted;
        const WriterArguments args{app.settings, app.set,      sheetLayoutOf(app.settings),
                                   answers,      app.notifier, app.stop()};
        if (!write(args, *document)) {
            env.documentsFinished(false);
            return DocumentsWritten::Failed;
        }
    }
    env.documentsFinished(true);
    return DocumentsWritten::Written;
}

} // namespace quill
