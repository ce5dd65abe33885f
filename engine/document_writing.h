#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quill
{

struct Application;
class RunEnvironment;
class WordProcessor;
struct WriterArguments;

using DocumentWriter = bool (*)(const WriterArguments&, WordProcessor&);

// A document's title: on a pupil's own sheet followed by the pupil's name and the sheet's code.
std::string pupilTitle(const std::string& title, std::string_view pupil, std::string_view code);

enum class DocumentsWritten { Written, NotWanted, Failed };

// The question document and, when 答案 is ticked, the answer document of `app.set`, both named
// after the selected kind and the moment. NotWanted when the environment makes no documents
// (printing).
DocumentsWritten writeSetDocuments(Application& app, RunEnvironment& env, DocumentWriter write);

// The two sheets of a run, however many sets they show: the documents' name, each sheet's
// title, and the writing of each sheet (true when it was completed).
struct SheetDocuments {
    std::string name;
    std::function<std::string(bool answers)> title;
    std::function<bool(bool answers, WordProcessor&)> write;
};

// The question document and, when app.settings ticks 答案, the answer document, in the formats
// app.settings chooses.
DocumentsWritten writeSheetDocuments(Application& app, RunEnvironment& env,
                                     const SheetDocuments& sheets);

} // namespace quill
