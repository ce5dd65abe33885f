#include "engine/recipe.h"

#include "base/utf8.h"
#include "engine/generate_options.h"
#include "engine/generation_run.h"
#include "settings/exercise_settings.h"
#include "settings/notifier.h"

// Header-only: the static command line takes no shared library for it.
#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <toml++/toml.h>

namespace quill
{

namespace
{

enum class ValueType { Integer, Text, List, Flag, Switch };

// A key, its type and its option; a switch's false is `offOption`, a flag's false is nothing.
struct RecipeKey {
    std::string_view name;
    ValueType type;
    std::string_view option;
    std::string_view offOption = {};
};

// In the order a saved recipe lists them: what is drawn, then how the sheet looks.
constexpr RecipeKey recipeKeys[] = {
    {"kind", ValueType::Text, "--kind"},
    {"numbers", ValueType::Text, "--numbers"},
    {"grade", ValueType::Integer, "--grade"},
    {"ops", ValueType::List, "--ops"},
    {"from", ValueType::Integer, "--from"},
    {"to", ValueType::Integer, "--to"},
    {"count", ValueType::Integer, "--count"},
    {"places", ValueType::Integer, "--places"},
    {"keep", ValueType::Integer, "--keep"},
    {"exact", ValueType::Switch, "--exact", "--no-exact"},
    {"zero-middle", ValueType::Flag, "--zero-middle"},
    {"zero-end", ValueType::Flag, "--zero-end"},
    {"round-tens", ValueType::Flag, "--round-tens"},
    {"fill-in", ValueType::Flag, "--fill-in"},
    {"easy", ValueType::Switch, "--easy", "--no-easy"},
    {"cap-results", ValueType::Flag, "--cap-results"},
    {"allow-trivial", ValueType::Flag, "--allow-trivial"},
    {"steps", ValueType::Integer, "--steps"},
    {"carry", ValueType::Text, "--carry"},
    {"borrow", ValueType::Text, "--borrow"},
    {"closeness", ValueType::Integer, "--closeness"},
    {"laws", ValueType::List, "--laws"},
    {"units", ValueType::List, "--units"},
    {"columns", ValueType::Integer, "--columns"},
    {"font-size", ValueType::Integer, "--font-size"},
    {"row-height", ValueType::Integer, "--row-height"},
    {"font", ValueType::Text, "--font"},
    {"no-borders", ValueType::Flag, "--no-borders"},
    {"answers", ValueType::Flag, "--answers"},
    {"format", ValueType::Text, "--format"},
    {"layout", ValueType::Text, "--layout"},
};
constexpr std::string_view partKey = "part";

[[noreturn]] void refuse(const std::string& text)
{
    throw UsageError(text);
}

const RecipeKey* keyNamed(std::string_view name)
{
    for (const RecipeKey& key : recipeKeys)
        if (key.name == name)
            return &key;
    return nullptr;
}

const RecipeKey* keyOfOption(std::string_view option)
{
    for (const RecipeKey& key : recipeKeys)
        if (key.option == option || (!key.offOption.empty() && key.offOption == option))
            return &key;
    return nullptr;
}

// Says where in the recipe a refusal comes from.
struct Place {
    const std::string& source;
    long line;
    std::string_view key;

    [[noreturn]] void refuse(const std::string& why) const
    {
        quill::refuse("配方 " + source + " 第" + std::to_string(line) + "行，键“" +
                      std::string(key) + "”：" + why);
    }
};

std::string typeWanted(ValueType type)
{
    switch (type) {
    case ValueType::Integer:
        return "整数，如 grade = 3";
    case ValueType::Text:
        return "带引号的文字，如 kind = \"oral\"";
    case ValueType::List:
        return "文字的列表，如 ops = [\"add\", \"sub\"]";
    case ValueType::Flag:
    case ValueType::Switch:
        return "true 或 false";
    }
    return {};
}

std::string listText(const toml::array& list, const Place& place, ValueType type)
{
    std::string text;
    for (const toml::node& element : list) {
        const std::optional<std::string> word = element.value_exact<std::string>();
        if (!word)
            place.refuse("应为" + typeWanted(type) + "。");
        text += (text.empty() ? "" : ",") + *word;
    }
    return text;
}

// The options one key stands for, checked as options.
std::vector<std::string> keyOptions(const RecipeKey& key, const toml::node& value,
                                    const Place& place)
{
    std::vector<std::string> options;
    const auto wrongType = [&] { place.refuse("应为" + typeWanted(key.type) + "。"); };
    switch (key.type) {
    case ValueType::Integer:
        if (!value.is_integer())
            wrongType();
        options = {std::string(key.option), std::to_string(*value.value<std::int64_t>())};
        break;
    case ValueType::Text:
        if (!value.is_string())
            wrongType();
        options = {std::string(key.option), *value.value<std::string>()};
        break;
    case ValueType::List:
        if (!value.is_array())
            wrongType();
        options = {std::string(key.option), listText(*value.as_array(), place, key.type)};
        break;
    case ValueType::Flag:
    case ValueType::Switch:
        if (!value.is_boolean())
            wrongType();
        if (*value.value<bool>())
            options = {std::string(key.option)};
        else if (key.type == ValueType::Switch)
            options = {std::string(key.offOption)};
        break;
    }
    try {
        parseGenerateOptions(options);
    } catch (const UsageError& error) {
        place.refuse(error.what());
    }
    return options;
}

long lineOf(const toml::source_region& region)
{
    return static_cast<long>(region.begin.line);
}

// A table's keys in the order they are written, each with its line.
std::vector<std::pair<const toml::key*, const toml::node*>> inFileOrder(const toml::table& table)
{
    std::vector<std::pair<const toml::key*, const toml::node*>> entries;
    for (const auto& [key, node] : table)
        entries.push_back({&key, &node});
    std::ranges::sort(entries, {}, [](const auto& entry) { return lineOf(entry.first->source()); });
    return entries;
}

// A number box's value as a recipe writes it, and where.
struct BoxValue {
    std::string key;
    long line;
    std::string value;
};
using BoxValues = std::vector<BoxValue>;

constexpr std::string_view boxKeys[] = {"from",    "to",        "count",
                                        "columns", "font-size", "row-height"};

std::vector<std::string> tableOptions(const toml::table& table, const std::string& source,
                                      BoxValues& boxes, std::vector<BoxValues>* parts);

std::vector<std::string> partsOptions(const toml::node& parts, const Place& place,
                                      std::vector<BoxValues>& partBoxes)
{
    if (!parts.is_array_of_tables())
        place.refuse("一个部分写成一张 [[part]] 表，表里是这一部分自己的键。");
    std::vector<std::string> options;
    for (const toml::node& part : *parts.as_array()) {
        std::string text;
        partBoxes.emplace_back();
        for (const std::string& option :
             tableOptions(*part.as_table(), place.source, partBoxes.back(), nullptr)) {
            if (option.find_first_of(" \t\n") != std::string::npos)
                Place{place.source, lineOf(part.source()), partKey}.refuse(
                    "部分里的值不能含空格：“" + option + "”。");
            text += (text.empty() ? "" : " ") + option;
        }
        if (text.empty())
            Place{place.source, lineOf(part.source()), partKey}.refuse("这一部分是空的。");
        options.insert(options.end(), {"--part", text});
    }
    return options;
}

// `parts` collects the number boxes of each part; none inside a part.
std::vector<std::string> tableOptions(const toml::table& table, const std::string& source,
                                      BoxValues& boxes, std::vector<BoxValues>* parts)
{
    std::vector<std::string> options;
    for (const auto& [key, value] : inFileOrder(table)) {
        const Place place{source, lineOf(key->source()), key->str()};
        std::vector<std::string> given;
        if (key->str() == partKey && parts)
            given = partsOptions(*value, place, *parts);
        else if (const RecipeKey* known = keyNamed(key->str()))
            given = keyOptions(*known, *value, place);
        else
            place.refuse("配方里没有这个键（quillmere recipe --help 列出全部的键）。");
        if (std::ranges::find(boxKeys, key->str()) != std::end(boxKeys))
            boxes.push_back({std::string(key->str()), place.line, given.back()});
        options.insert(options.end(), given.begin(), given.end());
    }
    return options;
}

// How a refusal of sheet k's settings is told: where the recipe says what is refused.
using RefusalText = std::function<std::string(std::size_t sheet, const std::string& why)>;

// Settings every run of them would refuse, such as a control the kind disables, are refused
// when the recipe is read or saved, not when its first set is drawn. Returns the settings of
// each sheet: one per part, or the one.
std::vector<ExerciseSettings> checkApplies(const std::vector<std::string>& options,
                                           const RefusalText& told)
{
    const GenerateOptions parsed = parseGenerateOptions(options);
    std::vector<GenerateOptions> sheets;
    for (const std::vector<std::string>& part : parsed.parts) {
        std::vector<std::string> partOptions = options;
        partOptions.insert(partOptions.end(), part.begin(), part.end());
        sheets.push_back(parseGenerateOptions(partOptions));
    }
    if (sheets.empty())
        sheets.push_back(parsed);
    std::vector<ExerciseSettings> applied(sheets.size());
    SilentNotifier silent;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        try {
            applyGenerateOptions(sheets[i], applied[i], silent);
        } catch (const UsageError& error) {
            refuse(told(i, error.what()));
        }
    }
    return applied;
}

// The key of the option a refusal names in brackets ("…（--easy）"), with its line: in the
// sheet's own part first, then at the top. None when the recipe does not write that key.
std::optional<std::pair<long, std::string>> keyNamedBy(const std::string& why,
                                                       const toml::table& table, std::size_t sheet)
{
    constexpr std::string_view open = "（--", close = "）";
    const std::size_t start = why.rfind(open);
    const std::size_t end = start == std::string::npos ? start : why.find(close, start);
    if (end == std::string::npos)
        return std::nullopt;
    const std::size_t name = start + open.size() - 2; // keeps the "--"
    const RecipeKey* key = keyOfOption(std::string_view(why).substr(name, end - name));
    if (!key)
        return std::nullopt;
    std::vector<const toml::table*> tables;
    if (const toml::array* parts = table[partKey].as_array(); parts && sheet < parts->size())
        tables.push_back((*parts)[sheet].as_table());
    tables.push_back(&table);
    for (const toml::table* written : tables)
        for (const auto& [written_key, value] : written ? *written : toml::table{})
            if (written_key.str() == key->name)
                return std::pair{lineOf(written_key.source()), std::string(key->name)};
    return std::nullopt;
}

const NumberBox& boxOf(const ExerciseSettings& s, std::string_view key)
{
    const std::pair<std::string_view, const NumberBox*> boxes[] = {
        {"from", &s.rangeStart}, {"to", &s.rangeEnd},        {"count", &s.itemCount},
        {"columns", &s.columns}, {"font-size", &s.fontSize}, {"row-height", &s.rowHeight}};
    return *std::ranges::find(boxes, key, [](const auto& box) { return box.first; })->second;
}

// A number the window would put right at once, or a run refuse, is refused where it is
// written rather than changed or found out when the first set is drawn.
void checkBoxValues(const BoxValues& values, const ExerciseSettings& s, const std::string& source)
{
    for (const BoxValue& given : values) {
        const Place place{source, given.line, given.key};
        const NumberBox& box = boxOf(s, given.key);
        if (box.text != given.value)
            place.refuse("值 " + given.value + " 超出了可用的范围（会被改成 " + box.text + "）。");
        if (given.key == "to" && box.value() > largestRangeNumber)
            place.refuse("数据范围只能在0到32767之间。");
        if (given.key == "count" && box.value() > largestItemCount)
            place.refuse("题量不能超过10000题。");
    }
    // Named at `to` when it is given, the end that has to lie above the start.
    const auto end = std::ranges::find(values, std::string("to"), &BoxValue::key);
    const auto start = std::ranges::find(values, std::string("from"), &BoxValue::key);
    const auto named = end != values.end() ? end : start;
    if (named != values.end() && s.rangeStart.value() >= s.rangeEnd.value())
        Place{source, named->line, named->key}.refuse("结束数字要大于起始数字（from " +
                                                      s.rangeStart.text + "，to " +
                                                      s.rangeEnd.text + "）。");
}

// The options given, each as its name and value ("" for one without), `--name=value` split.
std::vector<std::pair<std::string, std::string>> optionPairs(const std::vector<std::string>& args)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        if (const std::size_t equals = name.find('=');
            equals != std::string::npos && name.starts_with("--")) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (takesValue(name) && i + 1 < args.size()) {
            value = args[++i];
        }
        pairs.push_back({name, value});
    }
    return pairs;
}

// One key's line: toml++ writes the value, quoting what needs it.
std::string keyLine(const RecipeKey& key, const std::string& option, const std::string& value)
{
    toml::table line;
    const std::string name(key.name);
    switch (key.type) {
    case ValueType::Integer: {
        std::int64_t number = 0;
        const auto read = std::from_chars(value.data(), value.data() + value.size(), number);
        if (read.ec != std::errc() || read.ptr != value.data() + value.size())
            refuse("选项 " + option + " 的数值太大：“" + value + "”。");
        line.insert(name, number);
        break;
    }
    case ValueType::Text:
        line.insert(name, value);
        break;
    case ValueType::List: {
        toml::array words;
        for (std::size_t start = 0; start <= value.size();) {
            const std::size_t comma = std::min(value.find(',', start), value.size());
            words.push_back(value.substr(start, comma - start));
            start = comma + 1;
        }
        line.insert(name, std::move(words));
        break;
    }
    case ValueType::Flag:
    case ValueType::Switch:
        line.insert(name, option == key.option);
        break;
    }
    std::ostringstream text;
    text << line << '\n';
    return text.str();
}

// The keys of one table: the last value given for each key wins, as it does on the command
// line.
std::string keyLines(const std::vector<std::string>& args)
{
    std::vector<std::optional<std::pair<std::string, std::string>>> chosen(std::size(recipeKeys));
    for (const auto& [name, value] : optionPairs(args)) {
        const RecipeKey* key = keyOfOption(name);
        if (!key)
            refuse("选项 " + name +
                   " 不写进配方：配方只记出题和版面的设置，--out、--seed、--print、--no-save、"
                   "--history 和 --time-limit 每次另给。");
        chosen[key - recipeKeys] = {name, value};
    }
    std::string text;
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (chosen[i])
            text += keyLine(recipeKeys[i], chosen[i]->first, chosen[i]->second);
    return text;
}

constexpr std::string_view recipeHeading =
    "# Quillmere 出题配方：只写与默认不同的设置，每个键对应 quillmere generate 的一个选项。\n"
    "# 用法：quillmere generate --recipe 本文件；quillmere batch 本文件 --days 20 --out 文件夹\n";

} // namespace

std::vector<std::string> recipeOptions(std::string_view text, const std::string& source)
{
    toml::table table;
    try {
        table = toml::parse(text, source);
    } catch (const toml::parse_error& error) {
        refuse("配方 " + source + " 第" + std::to_string(lineOf(error.source())) +
               "行不是正确的 TOML：" + std::string(error.description()));
    }
    BoxValues boxes;
    std::vector<BoxValues> partBoxes;
    const std::vector<std::string> options = tableOptions(table, source, boxes, &partBoxes);
    const std::vector<ExerciseSettings> sheets =
        checkApplies(options, [&](std::size_t sheet, const std::string& why) {
            if (const auto key = keyNamedBy(why, table, sheet))
                return "配方 " + source + " 第" + std::to_string(key->first) + "行，键“" +
                       key->second + "”：" + why;
            return "配方 " + source + "：" + why;
        });
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const BoxValues none;
        const BoxValues& own = i < partBoxes.size() ? partBoxes[i] : none;
        BoxValues shared;
        // A part's own value stands in for the shared one.
        std::ranges::copy_if(boxes, std::back_inserter(shared), [&](const BoxValue& box) {
            return std::ranges::none_of(own, [&](const BoxValue& o) { return o.key == box.key; });
        });
        checkBoxValues(shared, sheets[i], source);
        checkBoxValues(own, sheets[i], source);
    }
    return options;
}

std::vector<std::string> recipeFileOptions(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        refuse("配方文件 " + utf8Text(file) + " 不存在。");
    if (!in || std::filesystem::is_directory(file, error))
        refuse("无法读取配方文件 " + utf8Text(file) + "。");
    return recipeOptions(text.str(), utf8Text(file));
}

std::vector<std::string> withRecipesRead(const std::vector<std::string>& args)
{
    std::vector<std::string> options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string> file;
        if (arg.starts_with("--recipe="))
            file = arg.substr(std::string_view("--recipe=").size());
        else if (arg == "--recipe" && i + 1 < args.size())
            file = args[++i];
        else if (arg == "--recipe")
            refuse("选项 --recipe 需要一个值。");
        if (file) {
            const std::vector<std::string> read = recipeFileOptions(pathFromUtf8(*file));
            options.insert(options.end(), read.begin(), read.end());
            continue;
        }
        options.push_back(arg);
        // A value is never taken for an option, even when it reads "--recipe".
        if (arg.starts_with("--") && arg.find('=') == std::string::npos && takesValue(arg) &&
            i + 1 < args.size())
            options.push_back(args[++i]);
    }
    return options;
}

std::vector<std::string_view> recipeKeyNames()
{
    std::vector<std::string_view> names;
    for (const RecipeKey& key : recipeKeys)
        names.push_back(key.name);
    return names;
}

std::string recipeText(const std::vector<std::string>& args)
{
    const GenerateOptions parsed = parseGenerateOptions(args);
    std::vector<std::string> shared;
    for (const auto& [name, value] : optionPairs(args))
        if (name != "--part") {
            shared.push_back(name);
            if (takesValue(name))
                shared.push_back(value);
        }
    checkApplies(args, [](std::size_t, const std::string& why) { return why; });
    std::string text = std::string(recipeHeading) + keyLines(shared);
    for (const std::vector<std::string>& part : parsed.parts)
        text += "\n[[" + std::string(partKey) + "]]\n" + keyLines(part);
    // What could not be read back is not written.
    recipeOptions(text, "（要保存的设置）");
    return text;
}

} // namespace quill
