// Writes sample documents through the .docx backend into a folder, for the checks that
// read them back with other programs (python-docx, LibreOffice): the layout and fraction
// samples, and a question and an answer sheet of every worksheet kind (unit sheets with and
// without the time note, simplified calculation). Prints each path
// and writes manifest.tsv: per document its title, date, name line and cell texts, as the
// writer typed them, for the checks to find in what the other program shows.

#include "base/short_date.h"
#include "engine/generation_path.h"
#include "engine/settings_interlocks.h"
#include "output/docx_word_processor.h"
#include "output/fraction_writer.h"
#include "output/sample_documents.h"
#include "output/simplified_calculation_writer.h"
#include "output/unit_conversion_writer.h"
#include "output/worksheet_layout.h"
#include "output/worksheet_writer.h"
#include "problems/expressions/equations.h"
#include "problems/expressions/step_expressions.h"
#include "problems/fractions/fraction_steps.h"
#include "support/recording_word_processor.h"
#include "support/sets.h"
#include "support/test_application.h"

#include <fstream>
#include <functional>
#include <iostream>

using namespace quill;

namespace
{

// Hands every step to the document and to a recorder.
class TeeWordProcessor : public WordProcessor
{
public:
    TeeWordProcessor(WordProcessor& document, testing::RecordingWordProcessor& recorder)
        : document_(document), recorder_(recorder)
    {
    }
    void addDocument() override
    {
        both([](WordProcessor& w) { w.addDocument(); });
    }
    void setPageMargins(double t, double b, double l, double r) override
    {
        both([&](WordProcessor& w) { w.setPageMargins(t, b, l, r); });
    }
    void setBold(bool bold) override
    {
        both([&](WordProcessor& w) { w.setBold(bold); });
    }
    void setFontName(std::string_view name) override
    {
        both([&](WordProcessor& w) { w.setFontName(name); });
    }
    void typeText(std::string_view text) override
    {
        both([&](WordProcessor& w) { w.typeText(text); });
    }
    void setAlignment(Alignment a) override
    {
        both([&](WordProcessor& w) { w.setAlignment(a); });
    }
    void addTable(int rows, int columns) override
    {
        both([&](WordProcessor& w) { w.addTable(rows, columns); });
    }
    void setOutsideLineStyle(int style) override
    {
        both([&](WordProcessor& w) { w.setOutsideLineStyle(style); });
    }
    void setInsideLineStyle(int style) override
    {
        both([&](WordProcessor& w) { w.setInsideLineStyle(style); });
    }
    void startNewPage() override
    {
        both([](WordProcessor& w) { w.startNewPage(); });
    }
    void selectCell(int row, int column) override
    {
        both([&](WordProcessor& w) { w.selectCell(row, column); });
    }
    void keepRowWithNext(int row) override
    {
        both([&](WordProcessor& w) { w.keepRowWithNext(row); });
    }
    void insertField() override
    {
        both([](WordProcessor& w) { w.insertField(); });
    }
    void keepParagraphWithNext() override
    {
        both([](WordProcessor& w) { w.keepParagraphWithNext(); });
    }
    void moveToEnd() override
    {
        both([](WordProcessor& w) { w.moveToEnd(); });
    }
    void typeFraction(std::string_view numerator, std::string_view denominator) override
    {
        both([&](WordProcessor& w) { w.typeFraction(numerator, denominator); });
    }
    bool activate() override { return recorder_.activate() && document_.activate(); }

protected:
    void applyFontSize(std::string_view points) override
    {
        both([&](WordProcessor& w) { w.setFontSize(points); });
    }
    void applyRowHeight(int row, std::string_view points) override
    {
        both([&](WordProcessor& w) { w.setRowHeight(row, points); });
    }

private:
    void both(const std::function<void(WordProcessor&)>& step)
    {
        step(document_);
        step(recorder_);
    }
    WordProcessor& document_;
    testing::RecordingWordProcessor& recorder_;
};

void printOutcome(const IoResult& saved)
{
    if (saved)
        std::cout << saved.path.string() << '\n';
    else
        std::cerr << saved.path.string() << ": " << saved.reason << '\n';
}

bool writeSample(const std::filesystem::path& folder, const std::string& kind,
                 const std::function<void(WordProcessor&)>& type)
{
    DocxWordProcessor word(DocumentFolder(folder), DocumentName{kind, "sample", false},
                           printOutcome);
    type(word);
    return word.activate();
}

using SheetWriter = bool (*)(const WriterArguments&, WordProcessor&);

struct Sheet {
    std::string name;
    ExerciseKind kind;
    bool fillIn;
    std::string list;
    SheetWriter write = writeWorksheet;
    bool timeTicked = true; // 时间 of the unit menu: unit sheets then show the time note
    bool fractions = false; // 分数 ticked
    std::string rowHeight = "30";
};

const std::string oralList = " 37＋48 63－27 7×8 56÷7 25＋19 91－46 6×9 72÷8 44＋38 80－35 8×7 "
                             "63÷9 58＋27 74－29 9×6 81÷9 36＋45 52－18 4×8 48÷6 67＋16 95－57 "
                             "7×7 54÷6";
const std::string estimationList =
    " 198＋403 512－298 49×21 362÷6 307＋189 803－397 31×48 455÷9 596＋204 711－288 62×19 "
    "247÷5 389＋412 920－481 28×52 638÷7 702＋96 605－199 41×39 519÷8 285＋317 864－573 "
    "57×18 731÷4";
const std::string verticalList =
    " 47＋38 83－29 36×7 96÷4 258＋367 704－258 48×25 372÷6 165＋98 600－347 29×13 522÷9 "
    "384＋239 912－465 57×16 455÷7 76＋59 431－176 64×12 696÷8 287＋145 805－96 35×24 588÷4";

const std::string unitList = " 5//米//500//厘米 3//时//10800//秒 90//秒//3/2//分 2//月//28或29//日 "
                             "4.5//元//45//角 1200//千克//1.2//吨 7//平方千米//700//公顷";

// Every operation, and fractions that are whole numbers first (8/4), second (3/3) or both.
const std::string fractionList =
    " 3＋8＋1＋8 5－8－1－8 2×3×3×4 1÷2÷3÷4 8＋4＋1＋3 2－1－1－3 1×2×3×3 4÷2÷6÷3 2＋5＋1＋5 "
    "7－9－2－9 3×5×5×6 5÷6÷5÷12 6＋10＋1＋5 9－10－1－5 4×7×7×8 3÷4÷9÷10 1＋6＋1＋3 5－6－1－4 "
    "2×9×3×4 7÷8÷7÷16 3＋10＋2＋5 11－12－1－4 5×12×4×15 9÷10÷3÷5";
const std::string reductionList = " 6/8 4/10 12/18 9/15 14/21 8/12 10/25 15/20 6/9 18/24 20/30 "
                                  "16/40 21/28 12/16 35/42 24/36 27/45 30/48 22/33 26/39 28/35 "
                                  "32/48 45/60 14/49";
const std::string lawList =
    " 37＋45＋63＝145 25＋68＋32＝125 128－36－64＝28 245－45－55＝145 78＋46－28＝96 "
    "63－27＋37＝73 "
    "25×17×4＝1700 8×125×7＝7000 （25＋7）×4＝128 36×18＋64×18＝1800 （100－3）×25＝2425 "
    "99×47－9×47＝4230 1500÷25÷6＝10 3600÷4÷25＝36 48×25÷12＝100 700÷35×5＝100 "
    "4.5＋3.8＋5.5＝13.8 12.5×7×8＝700 （36＋14）÷5＝10 72÷8×3＝27 56＋38－19＝75 2.5×3.7×4＝37 "
    "0.25×13×40＝130 180÷12×5＝75";

const Sheet sheets[] = {
    {"口算", ExerciseKind::Oral, false, oralList},
    {"口算填数", ExerciseKind::Oral, true, oralList},
    {"估算", ExerciseKind::Estimation, false, estimationList},
    {"估算填数", ExerciseKind::Estimation, true, estimationList},
    {"竖式计算", ExerciseKind::Vertical, false, verticalList},
    {"竖式计算填数", ExerciseKind::Vertical, true, verticalList},
    // Tall rows: page breaks fall where an item row would be parted from its working row.
    {"竖式计算高行", ExerciseKind::Vertical, false, verticalList, writeWorksheet, true, false,
     "45"},
    {"脱式计算", ExerciseKind::Steps, false, oralList},
    {"解方程", ExerciseKind::Equations, false, oralList},
    {"单位换算", ExerciseKind::Units, false, unitList, writeUnitConversionSheet},
    {"单位换算无时间", ExerciseKind::Units, false, unitList, writeUnitConversionSheet, false},
    {"分数口算", ExerciseKind::Oral, false, fractionList, writeFractionSheet, false, true},
    {"约分", ExerciseKind::Estimation, false, reductionList, writeFractionSheet, false, true},
    {"通分计算", ExerciseKind::Vertical, false, fractionList, writeFractionSheet, false, true},
    {"分数脱式计算", ExerciseKind::Steps, false, fractionList, writeFractionSheet, false, true},
    {"简便计算", ExerciseKind::Laws, false, lawList, writeSimplifiedCalculationSheet},
};

void writeManifest(std::ostream& manifest, const std::string& file, bool answers,
                   const testing::RecordingWordProcessor& recorder, const Sheet& sheet,
                   const std::string& title)
{
    const auto line = [&](const std::string& key, const std::string& value) {
        manifest << file << '\t' << key << '\t' << value << '\n';
    };
    line("title", title);
    line("date", shortDateText());
    line("nameLine", answers ? "0" : "1");
    line("rowHeight", sheet.rowHeight);
    line("tableRows", std::to_string(recorder.tableRows));
    line("tableColumns", std::to_string(recorder.tableColumns));
    // Each row's height as the writer asked for it ("30"), or "-" where it asked for none.
    std::vector<std::string> heights(recorder.tableRows, "-");
    for (const std::string& call : recorder.callsStartingWith("height ")) {
        const size_t space = call.find(' ', 7);
        heights.at(std::stoi(call.substr(7, space - 7)) - 1) = call.substr(space + 1);
    }
    std::string joined;
    for (const std::string& height : heights)
        joined += (joined.empty() ? "" : " ") + height;
    line("rowHeights", joined);
    if (sheet.kind == ExerciseKind::Units)
        line("note", sheet.timeTicked ? std::string(timeNote) : "none");
    for (const auto& [cell, content] : recorder.cells)
        if (!content.text.empty())
            line("cell", content.text);
}

bool writeSheets(const std::filesystem::path& folder, const Sheet& sheet, std::ostream& manifest)
{
    testing::TestApplication t(11);
    Application& app = t.app;
    clickKindOption(app.settings, sheet.kind, t.notifier);
    app.settings.fillIn.checked = sheet.fillIn;
    app.settings.answerSheet.checked = true;
    app.settings.time.checked = sheet.timeTicked;
    if (sheet.fractions)
        clickCheck(app.settings, app.settings.fractions, t.notifier);
    app.settings.rowHeight.text = sheet.rowHeight;
    const int listKind = sheet.fractions                     ? 8
                         : sheet.kind == ExerciseKind::Units ? 7
                         : sheet.kind == ExerciseKind::Laws  ? 5
                                                             : 1;
    app.set = testing::listItems(listKind, sheet.list);
    Draw draw = app.draw();
    const Range range{1, 100};
    if (sheet.fractions && sheet.kind == ExerciseKind::Steps)
        app.set = setOf(buildFractionSteps(draw, range, itemsOf<FractionExpression>(app.set)));
    else if (sheet.kind == ExerciseKind::Steps)
        app.set = setOf(buildStepExpressions(draw, range, itemsOf<OperationItem>(app.set)));
    else if (sheet.kind == ExerciseKind::Equations)
        app.set = setOf(buildEquations(draw, range, itemsOf<OperationItem>(app.set)));
    else
        prepareSheets(app, range);

    bool ok = true;
    for (const bool answers : {false, true}) {
        const DocumentName name{sheet.name, "sample", answers};
        DocxWordProcessor document(DocumentFolder(folder), name, printOutcome);
        testing::RecordingWordProcessor recorder;
        TeeWordProcessor word(document, recorder);
        ok = sheet.write(testing::writerArguments(app, answers), word) && ok;
        writeManifest(manifest, name.fileName(), answers, recorder, sheet,
                      sheetTitle(app.settings, answers));
    }
    return ok;
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
    std::ofstream manifest(folder / "manifest.tsv");
    for (const Sheet& sheet : sheets)
        ok = writeSheets(folder, sheet, manifest) && ok;
    return ok && manifest ? 0 : 1;
}
