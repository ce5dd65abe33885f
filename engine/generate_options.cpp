#include "engine/generate_options.h"

#include "engine/settings_interlocks.h"
#include "engine/validation_tick.h"
#include "output/document_folder.h"
#include "settings/column_rule_words.h"
#include "settings/control_glossary.h"
#include "settings/exercise_kinds.h"
#include "settings/notifier.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <tuple>

namespace quill
{

namespace
{

using Names = std::vector<std::pair<std::vector<std::string_view>, int>>;

[[noreturn]] void refuse(const std::string& text)
{
    throw UsageError(text);
}

std::string digitsOf(std::string_view option, const std::string& value)
{
    const bool digits = !value.empty() && std::all_of(value.begin(), value.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    if (!digits)
        refuse("选项 " + std::string(option) + " 需要一个非负整数，而不是“" + value + "”。");
    return value;
}

std::uint64_t wholeNumberOf(std::string_view option, const std::string& value)
{
    const std::string digits = digitsOf(option, value);
    std::uint64_t number = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (result.ec != std::errc())
        refuse("选项 " + std::string(option) + " 的数值太大：“" + value + "”。");
    return number;
}

int numberBetween(std::string_view option, const std::string& value, int low, int high)
{
    const std::uint64_t number = wholeNumberOf(option, value);
    if (number < static_cast<std::uint64_t>(low) || number > static_cast<std::uint64_t>(high))
        refuse("选项 " + std::string(option) + " 的取值范围是 " + std::to_string(low) + " 到 " +
               std::to_string(high) + "，而不是 " + value + "。");
    return static_cast<int>(number);
}

int lookUp(std::string_view option, const std::string& value, const Names& names)
{
    for (const auto& [spellings, id] : names)
        if (std::find(spellings.begin(), spellings.end(), value) != spellings.end())
            return id;
    std::string known;
    for (const auto& [spellings, id] : names)
        known += (known.empty() ? "" : "、") + std::string(spellings.front());
    refuse("选项 " + std::string(option) + " 不认识“" + value + "”；可用：" + known + "。");
}

std::vector<std::string> commaList(std::string_view option, const std::string& value)
{
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= value.size()) {
        const size_t comma = std::min(value.find(',', start), value.size());
        items.push_back(value.substr(start, comma - start));
        if (items.back().empty())
            refuse("选项 " + std::string(option) + " 的列表中有空项：“" + value + "”。");
        start = comma + 1;
    }
    return items;
}

// Each kind by its command name and by its captions (估算 and 约分 alike).
const Names& kindNames()
{
    static const Names names = [] {
        Names kinds;
        for (const ExerciseKindRow& row : exerciseKinds()) {
            std::vector<std::string_view> spellings = {row.commandName, row.caption};
            if (!row.fractionCaption.empty())
                spellings.push_back(row.fractionCaption);
            kinds.push_back({spellings, static_cast<int>(row.kind)});
        }
        return kinds;
    }();
    return names;
}
const Names numberNames = {{{"whole", "整数"}, 0},
                           {{"decimal", "小数"}, 1},
                           {{"fraction", "分数"}, 2},
                           {{"percent", "百分数"}, 3}};
const Names operationNames = {
    {{"add", "加法"}, 0}, {{"sub", "减法"}, 1}, {{"mul", "乘法"}, 2}, {{"div", "除法"}, 3}};
ColumnRule ruleOf(std::string_view option, const std::string& value,
                  std::span<const std::string_view> words)
{
    if (const std::optional<ColumnRule> rule = ruleNamed(words, value))
        return *rule;
    std::string known;
    for (const std::string_view word : words)
        known += (known.empty() ? "" : "、") + std::string(word);
    refuse("选项 " + std::string(option) + " 不认识“" + value + "”；可用：" + known + "。");
}

const Names fontNames = {{{"宋体"}, 0}, {{"楷体"}, 1}, {{"黑体"}, 2}, {{"微软雅黑"}, 3}};
const Names formatNames = {{{"docx", "word"}, static_cast<int>(DocumentFormatChoice::Docx)},
                           {{"pdf"}, static_cast<int>(DocumentFormatChoice::Pdf)},
                           {{"both"}, static_cast<int>(DocumentFormatChoice::Both)}};
const Names layoutNames = {{{"standard"}, static_cast<int>(PageLayoutChoice::Standard)},
                           {{"dense"}, static_cast<int>(PageLayoutChoice::Dense)},
                           {{"large"}, static_cast<int>(PageLayoutChoice::Large)}};

// Options that belong to the whole run of a mixed sheet, never to one of its parts.
constexpr std::string_view runOnlyOptions[] = {
    "--part",    "--seed",   "--out",        "--print", "--answers", "--history",
    "--no-save", "--format", "--time-limit", "--help",  "--copies",  "--roster"};

std::string_view optionName(std::string_view arg)
{
    return arg.starts_with("--") ? arg.substr(0, arg.find('=')) : arg;
}

bool runOnly(std::string_view arg)
{
    return std::ranges::find(runOnlyOptions, optionName(arg)) != std::end(runOnlyOptions);
}

std::vector<std::string> splitAtSpaces(std::string_view text)
{
    std::vector<std::string> words;
    constexpr std::string_view spaces = " \t\n\r\v\f";
    for (std::size_t start = text.find_first_not_of(spaces); start != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_of(spaces, start), text.size());
        words.emplace_back(text.substr(start, end - start));
        start = text.find_first_not_of(spaces, end);
    }
    return words;
}

// A part is read like a whole `generate` line, so its mistakes are found before anything runs.
std::vector<std::string> partOf(const std::string& text)
{
    std::vector<std::string> words = splitAtSpaces(text);
    if (words.empty())
        refuse("--part 不能是空的：请写出这一部分的选项，如 --part \"--kind oral --count 20\"。");
    for (const std::string& word : words)
        if (runOnly(word))
            refuse("--part 里不能有 " + std::string(optionName(word)) +
                   "：它对整张练习有效，请写在 --part 之外。");
    parseGenerateOptions(words);
    return words;
}

struct KnownOption {
    std::string_view name;
    bool takesValue;
    void (*read)(GenerateOptions&, const std::string& value);
};

const std::vector<KnownOption>& knownOptions()
{
    using O = GenerateOptions;
    using V = const std::string&;
    static const std::vector<KnownOption> options = {
        {"--kind", true,
         [](O& o, V v) { o.kind = ExerciseKind(lookUp("--kind", v, kindNames())); }},
        {"--numbers", true,
         [](O& o, V v) { o.numbers = NumberType(lookUp("--numbers", v, numberNames)); }},
        {"--ops", true,
         [](O& o, V v) {
             o.operations = commaList("--ops", v);
             for (const std::string& op : *o.operations)
                 lookUp("--ops", op, operationNames);
         }},
        {"--from", true, [](O& o, V v) { o.from = digitsOf("--from", v); }},
        {"--to", true, [](O& o, V v) { o.to = digitsOf("--to", v); }},
        {"--grade", true, [](O& o, V v) { o.grade = numberBetween("--grade", v, 0, 12); }},
        {"--count", true, [](O& o, V v) { o.count = digitsOf("--count", v); }},
        {"--columns", true, [](O& o, V v) { o.columns = digitsOf("--columns", v); }},
        {"--font-size", true, [](O& o, V v) { o.fontSize = digitsOf("--font-size", v); }},
        {"--row-height", true, [](O& o, V v) { o.rowHeight = digitsOf("--row-height", v); }},
        {"--font", true, [](O& o, V v) { o.font = lookUp("--font", v, fontNames); }},
        {"--format", true, [](O& o, V v) { o.format = documentFormatOption(v); }},
        {"--layout", true, [](O& o, V v) { o.layout = lookUp("--layout", v, layoutNames); }},
        {"--places", true, [](O& o, V v) { o.places = numberBetween("--places", v, 0, 4); }},
        {"--keep", true, [](O& o, V v) { o.keep = numberBetween("--keep", v, 0, 4); }},
        {"--exact", false, [](O& o, V) { o.exact = true; }},
        {"--no-exact", false, [](O& o, V) { o.exact = false; }},
        {"--zero-middle", false, [](O& o, V) { o.zeroMiddle = true; }},
        {"--zero-end", false, [](O& o, V) { o.zeroEnd = true; }},
        {"--round-tens", false, [](O& o, V) { o.roundTens = true; }},
        {"--fill-in", false, [](O& o, V) { o.fillIn = true; }},
        {"--easy", false, [](O& o, V) { o.easy = true; }},
        {"--no-easy", false, [](O& o, V) { o.noEasy = true; }},
        {"--cap-results", false, [](O& o, V) { o.capResults = true; }},
        {"--allow-trivial", false, [](O& o, V) { o.allowTrivial = true; }},
        {"--steps", true, [](O& o, V v) { o.steps = numberBetween("--steps", v, 3, 4); }},
        {"--carry", true, [](O& o, V v) { o.carry = ruleOf("--carry", v, carryWords()); }},
        {"--borrow", true, [](O& o, V v) { o.borrow = ruleOf("--borrow", v, borrowWords()); }},
        {"--closeness", true,
         [](O& o, V v) { o.closeness = numberBetween("--closeness", v, 0, 100); }},
        {"--laws", true, [](O& o, V v) { o.laws = commaList("--laws", v); }},
        {"--units", true, [](O& o, V v) { o.units = commaList("--units", v); }},
        {"--answers", false, [](O& o, V) { o.answers = true; }},
        {"--no-borders", false, [](O& o, V) { o.noBorders = true; }},
        {"--no-save", false, [](O& o, V) { o.noSave = true; }},
        {"--seed", true, [](O& o, V v) { o.seed = wholeNumberOf("--seed", v); }},
        {"--time-limit", true,
         [](O& o, V v) {
             o.timeLimit = static_cast<std::uint64_t>(numberBetween("--time-limit", v, 0, 86400));
         }},
        {"--out", true,
         [](O& o, V v) {
             o.outDir = v;
             o.outGiven = true;
         }},
        {"--history", true, [](O& o, V v) { o.historyFile = v; }},
        {"--print", false, [](O& o, V) { o.print = true; }},
        {"--help", false, [](O& o, V) { o.help = true; }},
        {"--part", true, [](O& o, V v) { o.parts.push_back(partOf(v)); }},
    };
    return options;
}

const KnownOption& knownOption(std::string_view name)
{
    for (const KnownOption& known : knownOptions())
        if (known.name == name)
            return known;
    refuse("未知的选项：" + std::string(name) + "（quillmere generate --help 列出全部选项）");
}

std::string kindCaption(const ExerciseSettings& s)
{
    return s.option(s.kind()).caption;
}

// Ticks or clears a box the way a click would; a box the chosen kind disables is refused.
void setBox(ExerciseSettings& s, CheckBox& box, bool value, std::string_view option, Notifier& n)
{
    if (box.checked == value)
        return;
    if (!box.enabled)
        refuse("“" + box.caption + "”在“" + kindCaption(s) + "”下不可用（" + std::string(option) +
               "）。");
    setCheck(s, box, value, n);
}

void setList(ExerciseSettings& s, DropDown& list, int index, std::string_view option)
{
    if (list.index == index)
        return;
    if (!list.enabled)
        refuse("选项 " + std::string(option) + " 在“" + kindCaption(s) + "”下不可用。");
    list.index = index;
}

CheckBox& numberBox(ExerciseSettings& s, NumberType type)
{
    switch (type) {
    case NumberType::Whole:
        return s.wholeNumbers;
    case NumberType::Decimal:
        return s.decimals;
    case NumberType::Fraction:
        return s.fractions;
    case NumberType::Percent:
        return s.percentages;
    }
    return s.wholeNumbers;
}

// A menu item is named by its short name or by the name the help lists (money).
bool names(const MenuItem& item, std::string_view name)
{
    if (item.name == name)
        return true;
    const auto glossary = controlGlossary();
    return std::any_of(glossary.begin(), glossary.end(), [&](const GlossaryEntry& entry) {
        return entry.control == item.name && entry.field == name;
    });
}

// Exactly the named items of a menu are ticked afterwards; each change counts as a click.
template <size_t N>
void setMenu(ExerciseSettings& s, const std::array<MenuItem*, N>& items,
             const std::vector<std::string>& wanted, std::string_view option)
{
    for (const std::string& name : wanted)
        if (std::none_of(items.begin(), items.end(), [&](MenuItem* i) { return names(*i, name); }))
            refuse("选项 " + std::string(option) + " 不认识“" + name + "”。");
    for (MenuItem* item : items) {
        const bool ticked = std::any_of(wanted.begin(), wanted.end(), [&](const std::string& name) {
            return names(*item, name);
        });
        if (item->checked != ticked)
            clickMenuItem(s, *item);
    }
}

void applyOperations(const GenerateOptions& o, ExerciseSettings& s, Notifier& n)
{
    if (!o.operations)
        return;
    CheckBox* boxes[] = {&s.addition, &s.subtraction, &s.multiplication, &s.division};
    bool wanted[4] = {};
    for (const std::string& op : *o.operations)
        wanted[lookUp("--ops", op, operationNames)] = true;
    for (int i = 0; i < 4; ++i)
        setBox(s, *boxes[i], wanted[i], "--ops", n);
}

void applyTexts(const GenerateOptions& o, ExerciseSettings& s)
{
    const std::pair<const std::optional<std::string>*, NumberBox*> texts[] = {
        {&o.columns, &s.columns}, {&o.count, &s.itemCount},   {&o.from, &s.rangeStart},
        {&o.to, &s.rangeEnd},     {&o.fontSize, &s.fontSize}, {&o.rowHeight, &s.rowHeight},
    };
    for (const auto& [value, box] : texts)
        if (*value)
            setText(s, *box, **value);
}

// The lists apply to 口算 and 竖式计算 sums and differences only; the reason a choice is
// refused names what it needs rather than the kind alone.
void setColumnRule(ExerciseSettings& s, DropDown& list, std::optional<ColumnRule> rule,
                   std::string_view option, std::string_view operation)
{
    if (!rule || list.index == static_cast<int>(*rule))
        return;
    if (!list.enabled)
        refuse("选项 " + std::string(option) + " 只用于口算和竖式计算的" + std::string(operation) +
               "（整数、小数或百分数，并选了" + std::string(operation) + "），在“" +
               kindCaption(s) + "”的这些设置下不可用。");
    list.index = static_cast<int>(*rule);
}

void applyModifiers(const GenerateOptions& o, ExerciseSettings& s, Notifier& n)
{
    if (o.exact)
        setBox(s, s.exactOrProper, *o.exact, *o.exact ? "--exact" : "--no-exact", n);
    const std::tuple<bool, CheckBox*, std::string_view> flags[] = {
        {o.zeroMiddle, &s.zeroInMiddle, "--zero-middle"},
        {o.zeroEnd, &s.zeroAtEnd, "--zero-end"},
        {o.roundTens, &s.wholeTens, "--round-tens"},
        {o.fillIn, &s.fillIn, "--fill-in"},
        {o.easy, &s.easyMode, "--easy"},
        {o.capResults, &s.capResults, "--cap-results"},
    };
    for (const auto& [wanted, box, option] : flags)
        if (wanted)
            setBox(s, *box, true, option, n);
    if (o.noEasy)
        setBox(s, s.easyMode, false, "--no-easy", n);
    if (o.allowTrivial)
        setBox(s, s.avoidTrivial, false, "--allow-trivial", n);
    if (o.keep) {
        setBox(s, s.roundAnswers, true, "--keep", n);
        setList(s, s.answerPlaces, *o.keep, "--keep");
    }
    if (o.places)
        setList(s, s.operandPlaces, *o.places, "--places");
    if (o.steps)
        setList(s, s.stepCount, *o.steps - 3, "--steps");
    setColumnRule(s, s.carry, o.carry, "--carry", "加法");
    setColumnRule(s, s.borrow, o.borrow, "--borrow", "减法");
}

// 一页100题 means a hundred items in five columns, unless the count or columns were given.
void applyPageLayout(const GenerateOptions& o, ExerciseSettings& s)
{
    if (!o.layout)
        return;
    s.pageLayout.index = *o.layout;
    if (*o.layout != static_cast<int>(PageLayoutChoice::Dense))
        return;
    if (!o.columns)
        setText(s, s.columns, std::string(denseColumns));
    if (!o.count)
        setText(s, s.itemCount, std::string(denseCount));
}

void applyOutput(const GenerateOptions& o, ExerciseSettings& s)
{
    if (o.font)
        s.font.index = *o.font;
    if (o.format)
        s.documentFormat.index = *o.format;
    if (o.closeness)
        s.closeness = *o.closeness;
    if (o.laws)
        setMenu(s, s.lawItems(), *o.laws, "--laws");
    if (o.units)
        setMenu(s, s.unitItems(), *o.units, "--units");
    s.answerSheet.checked = s.answerSheet.checked || o.answers;
    s.borders.checked = s.borders.checked && !o.noBorders;
    // Set quietly: the hint about where sets are saved means nothing when saving is off.
    s.saveToHistory.checked = s.saveToHistory.checked && !o.noSave;
}

// Repairing the columns resets the count to the columns' default; a count the user gave,
// valid in itself, is put back.
void keepExplicitCount(const GenerateOptions& o, ExerciseSettings& s)
{
    if (!o.count || s.itemCount.text == *o.count)
        return;
    NumberBox given{*o.count};
    if (given.value() >= 1)
        setText(s, s.itemCount, *o.count);
}

// "oral 口算 | estimation 估算 | …": every kind, the one chosen at start marked, four a line.
std::string kindChoices()
{
    constexpr std::size_t kindsPerLine = 4;
    constexpr std::size_t helpColumn = 20; // where the help's descriptions begin
    const std::string continuation = " |\n" + std::string(helpColumn, ' ');
    const ExerciseKind chosenAtStart = ExerciseSettings().kind();
    std::string text;
    std::size_t listed = 0;
    for (const ExerciseKindRow& row : exerciseKinds()) {
        if (listed > 0)
            text += listed % kindsPerLine == 0 ? continuation : " | ";
        text += std::string(row.commandName) + " " + std::string(row.caption);
        if (row.kind == chosenAtStart)
            text += " (默认)";
        ++listed;
    }
    return text;
}

} // namespace

bool takesValue(std::string_view option)
{
    return knownOption(option).takesValue;
}

GenerateOptions parseGenerateOptions(const std::vector<std::string>& args)
{
    GenerateOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const size_t equals = name.find('=');
            equals != std::string::npos && name.starts_with("--")) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const KnownOption& known = knownOption(name);
        if (known.takesValue && !value) {
            if (i + 1 >= args.size())
                refuse("选项 " + name + " 需要一个值。");
            value = args[++i];
        } else if (!known.takesValue && value) {
            refuse("选项 " + name + " 不带值。");
        }
        known.read(options, value.value_or(""));
    }
    return options;
}

std::vector<std::string> sharedPartOptions(const std::vector<std::string>& args)
{
    std::vector<std::string> shared;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool separateValue =
            args[i].find('=') == std::string::npos && knownOption(args[i]).takesValue;
        if (runOnly(args[i])) {
            i += separateValue;
            continue;
        }
        shared.push_back(args[i]);
        if (separateValue && i + 1 < args.size())
            shared.push_back(args[++i]);
    }
    return shared;
}

std::vector<std::string> conflictNotes(const GenerateOptions& o, const ExerciseSettings& s)
{
    std::vector<std::string> notes;
    if (o.laws && !s.lawsOption.selected)
        notes.push_back("--laws 只用于简便计算（--kind laws），这里不起作用。");
    if (o.units && !s.unitsOption.selected)
        notes.push_back("--units 只用于单位换算（--kind units），这里不起作用。");
    if (!o.units && s.unitsOption.selected)
        notes.push_back("单位换算的单位可用 --units 选择（money,time,length,mass,area,volume,"
                        "capacity），这次全部都出。");
    if (o.print && o.outGiven)
        notes.push_back("--print 只打印题目，不写文档：--out 不起作用。");
    if (o.print && o.historyFile)
        notes.push_back("--print 不保存到历史记录：--history 不起作用。");
    // The three zero patterns exclude each other; the last one ticked stays.
    const std::tuple<bool, const CheckBox*, std::string_view> patterns[] = {
        {o.zeroMiddle, &s.zeroInMiddle, "--zero-middle"},
        {o.zeroEnd, &s.zeroAtEnd, "--zero-end"},
        {o.roundTens, &s.wholeTens, "--round-tens"},
    };
    std::string asked, kept;
    int askedCount = 0;
    for (const auto& [wanted, box, option] : patterns) {
        if (!wanted)
            continue;
        asked += (askedCount++ ? "、" : "") + std::string(option);
        if (box->checked)
            kept = option;
    }
    if (askedCount > 1)
        notes.push_back(asked + " 只能选一个，用 " + kept + "。");
    return notes;
}

void applyGenerateOptions(const GenerateOptions& o, ExerciseSettings& s, Notifier& n)
{
    if (o.grade)
        setChoice(s, s.grade, *o.grade);
    if (o.kind)
        clickKindOption(s, *o.kind, n);
    if (o.numbers)
        setBox(s, numberBox(s, *o.numbers), true, "--numbers", n);
    applyOperations(o, s, n);
    applyTexts(o, s);
    applyModifiers(o, s, n);
    applyOutput(o, s);
    repairSettings(s, n);
    keepExplicitCount(o, s);
    applyPageLayout(o, s);
}

std::string generateHelpText()
{
    return R"(用法: quillmere generate [选项]

按设置出一套练习，写出题目文档（加 --answers 另写答案文档），或用 --print 打印题目。
Draws one exercise set as the window would and writes it as .docx (or prints it).

题型与数:
  --kind K          )" +
           kindChoices() + R"(
  --numbers T       whole 整数 (默认) | decimal 小数 | fraction 分数 | percent 百分数
  --ops LIST        add,sub,mul,div (加法,减法,乘法,除法)，默认四种都选
  --from N          起始数字 (默认 1)
  --to N            结束数字 (默认 100，最大 32767)
                    分数（约分除外）的默认范围随年级：三年级及以前 1–10，
                    四、五年级 1–12，六年级和小学阶段综合 1–20；给出的 --from、--to 总是优先
  --grade G         范围: 0 小学阶段综合, 1 一年级上学期 … 12 六年级下学期
  --places P        小数位数 0..4 (默认 1)
  --keep P          答案保留 P 位小数 (0..4)
  --exact / --no-exact   能够整除 (默认选中)
  --zero-middle     中间有零
  --zero-end        末尾有零
  --round-tens      整十百千
  --fill-in         填数: 答案卷用括号标出空里的数，如 37＋（48）＝85 (分数题不能填数)
  --easy / --no-easy     简易简便 / 简易方程 (简便计算、解方程默认选中)
  --cap-results     含答案: 和与积不超出范围
  --allow-trivial   不避免简单题: 也出×1、÷1、8÷8、8－8、＋0 和得数为0的题
                    (默认避免；只剩简单题时照样出，并说明出了几道)
  --steps 3|4       脱式步数
  --carry C         加法进位: any 不限 (默认) | yes 进位 | no 不进位 | make-ten 凑十
  --borrow B        减法退位: any 不限 (默认) | yes 退位 | no 不退位 | break-ten 破十
                    只用于口算、竖式计算的整数、小数、百分数；竖式对齐小数点后任何一位
                    进位（退位）都算。凑十、破十只用于一年级20以内的整数
  --closeness V     接近度 0..100 (默认 50)
  --laws LIST       简便计算的运算律: additionCommutative,additionAssociative,subtractionReorder,subtractionBrackets,addSubtractMixed,multiplicationCommutative,multiplicationAssociative,distributive,
                    divisionReorder,divisionBrackets,multiplyDivideMixed,noShortcut
  --units LIST      单位换算的单位: money,time,length,mass,area,volume,capacity

配方与混合练习:
  --recipe FILE     按配方文件出题 (quillmere recipe save 写的 TOML 文件)；写在它后面的选项
                    覆盖配方里的设置
  --part OPTIONS    混合练习的一部分及其自己的选项，如 --part "--kind oral --count 20"；
                    可给多次

版面:
  --count N         题量 (默认随题型，竖式计算 24)
  --columns N       列数 1..10 (默认 4)
  --font-size N     字号 (默认 11)
  --row-height N    行距，磅 (默认 30，至少 20)
  --font NAME       宋体 | 楷体 | 黑体 | 微软雅黑
  --no-borders      不画表格边框

输出:
  --answers         另写答案文档 (与 --print 同用时在每题后打印答案)
  --out DIR         文档写入的文件夹 (默认当前文件夹)
  --format docx|pdf|both  格式: Word 文档 (默认)、PDF 或两种都写
  --layout L        版式: standard 标准 (默认) | dense 一页100题 (口算、估算: 100 题 5 列，
                    取放得下一页的最大字号和行距) | large 大字 (字号、行距 1.5 倍)
  --print           把题目逐行打印到标准输出，不写文档
  --no-save         不把这套题存入历史记录
  --history FILE    历史记录文件 (默认在程序旁或 ~/.local/share/Quillmere)
  --seed N          随机种子: 同样的设置和种子得到同样的题目 (所用种子总会报告)
  --time-limit S    出题最多 S 秒 (默认 60，0 为不限): 到时像点■一样停止，什么都不写

一人一份:
  --copies N        用同样的设置出 N 套不同的题 (1..100)
  --roster FILE     名单文件 (UTF-8 或 GBK，每行一个名字，最多 100 个，每个最多 20 个字)：
                    每个名字一套不同的题，名字写在姓名栏上
                    每套题目和答案的标题旁有一个 5 位代码 (不含 0、O、1、I)；全班的题写在一个
                    题目文档里、答案按同样的顺序写在一个答案文档里，每人一页起；每套各存一条
                    历史记录；--print 时每套前面有一行【名字 代码】。与 --part 同用时
                    每人一张不同的混合练习

混合练习:
  --part "选项"     一张练习里的一部分，用它自己的选项（空格隔开），可给多次，例如
                    --part "--kind oral --to 20 --count 20 --carry yes"
                    --part "--kind vertical --ops mul --count 10" --part "--kind steps --count 4"
                    --part 之外的选项各部分共用（--grade、--columns …），部分里的随后生效；
                    --seed、--out、--print、--answers、--format、--history、--no-save、
                    --time-limit、--copies、--roster 只能写在 --part 之外。每部分有小标题（一、口算 二、竖式计算 …）
                    和自己的表格，答案合在一份答案文档里，整张练习里没有重复的题。
                    分数题、简便计算、单位换算和 --layout dense 不能放进混合练习

退出码: 0 成功, 1 文档或历史记录无法写入或读取, 2 选项或设置有误 (什么都不写),
        3 到了 --time-limit 还没出完 (什么都不写), 130 被 Ctrl+C 终止。
)";
}

int documentFormatOption(const std::string& value)
{
    ExerciseSettings asked;
    asked.documentFormat.index = lookUp("--format", value, formatNames);
    // A format this build cannot write is a bad option, refused before anything is drawn.
    if (const std::optional<std::string> refusal = formatRefusal(asked))
        throw UsageError(*refusal);
    return asked.documentFormat.index;
}

std::string drawingOptionsText(const std::vector<std::string>& args)
{
    std::string text;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--seed") {
            ++i;
            continue;
        }
        text += args[i] + '\n';
    }
    return text;
}

std::vector<std::string> drawingOptionsOf(std::string_view text)
{
    std::vector<std::string> args;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        args.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return args;
}

GenerateOptions runOptionsOf(const GenerateOptions& options)
{
    GenerateOptions run;
    run.answers = options.answers;
    run.format = options.format;
    run.noSave = options.noSave;
    run.seed = options.seed;
    run.print = options.print;
    run.outGiven = options.outGiven;
    run.historyFile = options.historyFile;
    return run;
}

} // namespace quill
