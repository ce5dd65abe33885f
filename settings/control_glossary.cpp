#include "settings/control_glossary.h"

#include "settings/exercise_kinds.h"

#include <array>
#include <string>
#include <vector>

namespace quill
{

namespace
{

using S = ExerciseSettings;

// Every control but the kind options, which the kind table names (they come first).
constexpr auto otherControls = std::to_array<GlossaryEntry>({
    {"Check9", "wholeNumbers", "整数", &S::wholeNumbers},
    {"Check5", "decimals", "小数", &S::decimals},
    {"Check6", "fractions", "分数", &S::fractions},
    {"Check7", "percentages", "百分数", &S::percentages},
    {"Check1", "addition", "加法", &S::addition},
    {"Check2", "subtraction", "减法", &S::subtraction},
    {"Check3", "multiplication", "乘法", &S::multiplication},
    {"Check15", "division", "除法", &S::division},
    {"Check4", "exactOrProper", "能够整除 / 是真分数", &S::exactOrProper},
    {"Check13", "zeroInMiddle", "中间有零", &S::zeroInMiddle},
    {"Check14", "zeroAtEnd", "末尾有零", &S::zeroAtEnd},
    {"Check17", "wholeTens", "整十百千", &S::wholeTens},
    {"Check16", "fillIn", "填数", &S::fillIn},
    {"Check12", "easyMode", "简易简便 / 简易方程", &S::easyMode},
    {"Check21", "capResults", "含答案", &S::capResults},
    {"Check22", "avoidTrivial", "避免简单题", &S::avoidTrivial},
    {"Combo7", "carry", "加法：", &S::carry},
    {"Combo8", "borrow", "减法：", &S::borrow},
    {"Combo3", "operandPlaces", "小数位数：", &S::operandPlaces},
    {"Check11", "roundAnswers", "保留：", &S::roundAnswers},
    {"Combo4", "answerPlaces", "保留的位数", &S::answerPlaces},
    {"Text5", "rangeStart", "数据：", &S::rangeStart},
    {"Text6", "rangeEnd", "到", &S::rangeEnd},
    {"Combo2", "grade", "范围：", &S::grade},
    {"MyValue1", "closeness", "接近度：", &S::closeness},
    {"Text1", "itemCount", "题量：", &S::itemCount},
    {"Text2", "columns", "列数：", &S::columns},
    {"Text3", "fontSize", "字号：", &S::fontSize},
    {"Text4", "rowHeight", "行距：", &S::rowHeight},
    {"Combo1", "font", "字体：", &S::font},
    {"Check18", "borders", "边框", &S::borders},
    {"Check19", "answerSheet", "答案", &S::answerSheet},
    {"Check20", "saveToHistory", "保存", &S::saveToHistory},
    {"Combo9", "documentFormat", "格式：", &S::documentFormat},
    {"Combo10", "pageLayout", "版式：", &S::pageLayout},
    {"Combo5", "stepCount", "脱式步数：", &S::stepCount},
    {"jfjh", "additionCommutative", "加法交换律", &S::additionCommutative},
    {"jfjh1", "additionAssociative", "加法结合律", &S::additionAssociative},
    {"jianfjh", "subtractionReorder", "减法性质（改变顺序）", &S::subtractionReorder},
    {"jianfjh1", "subtractionBrackets", "减法性质（加括号变符号）", &S::subtractionBrackets},
    {"jjhh", "addSubtractMixed", "加减混合", &S::addSubtractMixed},
    {"cfjh", "multiplicationCommutative", "乘法交换律", &S::multiplicationCommutative},
    {"cfjh1", "multiplicationAssociative", "乘法结合律", &S::multiplicationAssociative},
    {"cffp", "distributive", "乘法分配律", &S::distributive},
    {"chufjh", "divisionReorder", "除法性质（改变顺序）", &S::divisionReorder},
    {"chufjh1", "divisionBrackets", "除法性质（加括号变符号）", &S::divisionBrackets},
    {"cchh", "multiplyDivideMixed", "乘除混合", &S::multiplyDivideMixed},
    {"tuoshijs", "noShortcut", "无简便运算", &S::noShortcut},
    {"jine", "money", "金额", &S::money},
    {"shijian", "time", "时间", &S::time},
    {"changdu", "length", "长度", &S::length},
    {"zhongliang", "mass", "质量", &S::mass},
    {"mianji", "area", "面积", &S::area},
    {"tiji", "volume", "体积", &S::volume},
    {"rongji", "capacity", "容积", &S::capacity},
    // Parts of the window that show no setting.
    {"Form1", "MainWindow", "小学数学练习题"},
    {"Label13", "closenessCaption", "接近度："},
    {"Label14", "closenessLabel", "接近度的数值"},
    {"Picture1", "banner", "标题图片"},
    {"Label4", "welcome", "欢迎词"},
    {"WebBrowser1", "tips", "使用说明"},
    {"Combo6", "savedSetList", "保存的练习"},
    {"Command1", "generateButton", "生成练习"},
    {"Command2", "answerOnScreenButton", "上机答题"},
    {"Command3", "previewButton", "预览"},
    {"Command4", "recordsButton", "练习记录"},
    {"Command30", "settingsButton", "设置：保存、载入、恢复默认"},
    {"shezhi", "settingsMenu", "设置菜单"},
    {"baocunshezhi", "saveSettingsAction", "保存设置"},
    {"zairushezhi", "loadSettingsAction", "载入设置"},
    {"huifumoren", "restoreDefaultsAction", "恢复默认设置"},
    {"List2", "sheetPartList", "本页的各部分（混合练习）"},
    {"Command5", "addPartButton", "加入本页"},
    {"Command6", "removePartButton", "移除"},
    {"Text7", "copiesBox", "份数："},
    {"Command7", "rosterButton", "名单…"},
    {"Label15", "rosterLabel", "名单里读到的名字数"},
    {"Command8", "clearRosterButton", "清除（不用名单）"},
    {"Text8", "sheetCodeBox", "代码："},
    {"Command9", "findSheetButton", "查找"},
    {"Label11", "progressLabel", "出题进度，出题时点击停止"},
    {"jbjs", "lawMenu", "简便计算的运算律菜单"},
    {"danwei", "unitMenu", "单位换算的单位菜单"},
    {"wenjian", "savedSetMenu", "保存的练习菜单"},
    {"zairu", "loadAction", "载入"},
    {"shanchu", "deleteAction", "删除"},
    {"Timer1", "validationTimer", "每半秒检查设置"},
    {"Timer2", "progressTimer", "出题时每 10 毫秒更新进度"},
    // The answering window.
    {"Form2", "answeringWindow", "上机答题", {}, answeringForm},
    {"Label1", "itemLabel", "题目", {}, answeringForm},
    {"Text1", "answerBox", "答案", {}, answeringForm},
    {"Label3", "remainderDots", "……", {}, answeringForm},
    {"Text2", "remainderBox", "余数", {}, answeringForm},
    {"Label4", "placesHint", "本题保留 k 位小数", {}, answeringForm},
    {"Label2", "statusLine", "共 N 题，现在是第 i 题；正确 c 题；得分：s 分", {}, answeringForm},
    {"Command1", "submitButton", "提交", {}, answeringForm},
    {"Command2", "previousButton", "上一题", {}, answeringForm},
    {"Command3", "nextButton", "下一题", {}, answeringForm},
    {"Command4", "finishButton", "交卷", {}, answeringForm},
    {"Label5", "summaryText", "交卷后的成绩和做错的题", {}, answeringForm},
    {"Image1", "rightAnswerPicture", "答对的图片", {}, answeringForm},
    {"Timer1", "clockTimer", "每秒走一次的时钟", {}, answeringForm},
    {"Timer2", "advanceTimer", "作答两秒后出下一题", {}, answeringForm},
    // Who answers: asked once before the first set answered on screen.
    {"Form3", "pupilNameDialog", "谁来答题？", {}, pupilNameForm},
    {"Combo1", "pupilNameBox", "学生姓名（选一个或输入新的）", {}, pupilNameForm},
    {"Label1", "pupilNameProblem", "姓名不能用的原因", {}, pupilNameForm},
    {"Command1", "recordButton", "记录", {}, pupilNameForm},
    {"Command2", "noRecordButton", "不记录", {}, pupilNameForm},
    // 练习记录: each pupil's sets and mistakes, and the mistakes sheet.
    {"Form4", "recordsView", "练习记录", {}, recordsForm},
    {"Combo1", "recordsPupilBox", "学生", {}, recordsForm},
    {"Grid1", "setsTable", "答过的练习（日期、得分、对/共、用时）", {}, recordsForm},
    {"List1", "mistakesList", "做错、还没有改对的题", {}, recordsForm},
    {"Text1", "reviewCountBox", "题量（错题不够时补同类新题）", {}, recordsForm},
    {"Command1", "reviewButton", "生成错题练习", {}, recordsForm},
    {"Label1", "recordsMessage", "练习记录的提示", {}, recordsForm},
});

// "估算 / 约分": both captions of an option that has two.
std::vector<std::string> kindCaptions()
{
    std::vector<std::string> captions;
    for (const ExerciseKindRow& row : exerciseKinds()) {
        captions.emplace_back(row.caption);
        if (!row.fractionCaption.empty())
            captions.back() += " / " + std::string(row.fractionCaption);
    }
    return captions;
}

std::vector<GlossaryEntry> makeGlossary()
{
    static const std::vector<std::string> captions = kindCaptions();
    std::vector<GlossaryEntry> entries;
    for (std::size_t k = 0; k < captions.size(); ++k) {
        const ExerciseKindRow& row = exerciseKinds()[k];
        entries.push_back({row.control, row.field, captions[k], row.option});
    }
    entries.insert(entries.end(), otherControls.begin(), otherControls.end());
    return entries;
}

} // namespace

std::span<const GlossaryEntry> controlGlossary()
{
    static const std::vector<GlossaryEntry> glossary = makeGlossary();
    return glossary;
}

std::string_view controlName(const SettingMember& member)
{
    for (const GlossaryEntry& entry : controlGlossary())
        if (!std::holds_alternative<std::monostate>(member) && entry.member == member)
            return entry.control;
    return {};
}

std::string_view controlName(std::string_view field, std::string_view form)
{
    for (const GlossaryEntry& entry : controlGlossary())
        if (entry.field == field && entry.form == form)
            return entry.control;
    return {};
}

} // namespace quill
