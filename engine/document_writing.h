#pragma once

namespace quill
{

struct Application;
class RunEnvironment;
class WordProcessor;
struct WriterArguments;

using DocumentWriter = bool (*)(const WriterArguments&, WordProcessor&);

enum class DocumentsWritten { Written, NotWanted, Failed };

// The question document and, when 答案 is ticked, the answer document of `app.set`, both named after the selected kind and the moment. NotWanted when the
// environment makes no documents (printing).
DocumentsWritten writeSetDocuments(Application& app, RunEnvironment& env, DocumentWriter write);

} // namespace quill
