#pragma once

namespace quill
{

struct Application;
struct Workspace;
class Notifier;
class RunEnvironment;
class WordProcessor;
struct WriterArguments;

using DocumentWriter = bool (*)(Workspace&, Notifier&, WordProcessor&, const WriterArguments&);

enum class DocumentsWritten { Written, NotWanted, Failed };

// The question document and, when 答案 is ticked, the answer document of the set in
// `app.run`, both named after the selected kind and the moment. NotWanted when the
// environment makes no documents (printing).
DocumentsWritten writeSetDocuments(Application& app, RunEnvironment& env, DocumentWriter write);

} // namespace quill
