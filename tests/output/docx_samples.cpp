// Writes sample documents through the .docx backend into a folder, for the checks that
// read them back with other programs (python-docx, LibreOffice). Prints each path.

#include "output/docx_word_processor.h"
#include "sample_documents.h"

#include <functional>
#include <iostream>

using namespace quill;

namespace
{

bool writeSample(const std::filesystem::path& folder, const std::string& kind,
                 const std::function<void(WordProcessor&)>& type)
{
    DocxWordProcessor word(DocumentFolder(folder), DocumentName{kind, "sample", false},
                           [](const SavedDocument& saved) {
                               if (saved.saved)
                                   std::cout << saved.path.string() << '\n';
                               else
                                   std::cerr << saved.path.string() << ": " << saved.reason << '\n';
                           });
    type(word);
    return word.activate();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: docx_samples FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    bool ok = writeSample(folder, "layout", testing::typeLayoutSample);
    ok = writeSample(folder, "fractions", testing::typeFractionSample) && ok;
    return ok ? 0 : 1;
}
