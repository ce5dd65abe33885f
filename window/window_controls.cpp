#include "window/window_controls.h"

#include "engine/pupil_roster.h"
#include "settings/control_glossary.h"
#include "settings/exercise_kinds.h"
#include "window/artwork.h"
#include "window/picture_slider.h"
#include "window/slider_artwork.h"
#include "window/window_texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quill
{

namespace
{

constexpr int sideColumnWidth = 330;

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// The object name of a control: its short name in the glossary.
QString glossaryName(const SettingMember& member)
{
    return QString::fromUtf8(controlName(member));
}

QString glossaryName(std::string_view part)
{
    return QString::fromUtf8(controlName(part));
}

// Creates the controls and records which setting each one shows.
class ControlBuilder
{
public:
    ControlBuilder(QWidget* window, const ExerciseSettings& settings, WindowControls& controls)
        : window_(window), settings_(settings), controls_(controls)
    {
    }

    QRadioButton* option(ExerciseKind kind)
    {
        auto* button = new QRadioButton(qs(settings_.option(kind).caption), window_);
        button->setObjectName(glossaryName(optionMember(kind)));
        if (!kinds_) {
            kinds_ = new QButtonGroup(window_);
            kinds_->setExclusive(true);
        }
        kinds_->addButton(button);
        controls_.options.push_back({button, kind});
        return button;
    }

    QCheckBox* check(CheckBox ExerciseSettings::*box)
    {
        auto* widget = new QCheckBox(qs((settings_.*box).caption), window_);
        widget->setObjectName(glossaryName(box));
        controls_.checks.push_back({widget, box});
        return widget;
    }

    QLineEdit* numberBox(NumberBox ExerciseSettings::*box)
    {
        auto* widget = new QLineEdit(window_);
        widget->setObjectName(glossaryName(box));
        widget->setAlignment(Qt::AlignRight);
        widget->setFixedWidth(widget->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                              14);
        controls_.texts.push_back({widget, box});
        return widget;
    }

    QComboBox* combo(DropDown ExerciseSettings::*box)
    {
        auto* widget = new QComboBox(window_);
        widget->setObjectName(glossaryName(box));
        for (const std::string& item : (settings_.*box).items)
            widget->addItem(qs(item));
        controls_.combos.push_back({widget, box});
        return widget;
    }

    // A label that other code refers to carries the glossary name of its window part.
    QLabel* label(const QString& text, QWidget* buddy = nullptr, const char* part = nullptr)
    {
        auto* widget = new QLabel(text, window_);
        if (part)
            widget->setObjectName(glossaryName(part));
        if (buddy)
            widget->setBuddy(buddy);
        return widget;
    }

    QWidget* window() const { return window_; }
    const ExerciseSettings& settings() const { return settings_; }
    WindowControls& controls() const { return controls_; }

private:
    QWidget* window_;
    const ExerciseSettings& settings_;
    WindowControls& controls_;
    QButtonGroup* kinds_ = nullptr;
};

QGroupBox* group(const QString& title, QLayout* layout)
{
    auto* box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (stretch)
        layout->addStretch();
    return layout;
}

// Label and field side by side, close together.
QHBoxLayout* pair(QLabel* label, QWidget* field)
{
    auto* layout = new QHBoxLayout;
    layout->setSpacing(2);
    layout->addWidget(label);
    layout->addWidget(field);
    return layout;
}

QGroupBox* kindGroup(ControlBuilder& b)
{
    auto* layout = new QHBoxLayout;
    for (const ExerciseKindRow& row : exerciseKinds())
        layout->addWidget(b.option(row.kind));
    layout->addStretch();
    return group(QStringLiteral("练习类型"), layout);
}

QGroupBox* numberTypeGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    return group(QStringLiteral("数的类型"),
                 row({b.check(&S::wholeNumbers), b.check(&S::decimals), b.check(&S::fractions),
                      b.check(&S::percentages)}));
}

QGroupBox* operationsGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    return group(QStringLiteral("运算"), row({b.check(&S::addition), b.check(&S::subtraction),
                                              b.check(&S::multiplication), b.check(&S::division)}));
}

QCheckBox* avoidTrivialBox(ControlBuilder& b)
{
    QCheckBox* box = b.check(&ExerciseSettings::avoidTrivial);
    box->setToolTip(
        QStringLiteral("不出×1、÷1、8÷8、8－8、＋0和得数为0的题；只剩这样的题时照样出，并提示"));
    return box;
}

// 加法：[不限|进位|不进位|凑十]  减法：[不限|退位|不退位|破十]
QHBoxLayout* columnRuleRow(ControlBuilder& b)
{
    using S = ExerciseSettings;
    QComboBox* carry = b.combo(&S::carry);
    QComboBox* borrow = b.combo(&S::borrow);
    carry->setToolTip(QStringLiteral("竖式中任何一位（小数对齐小数点）满十进一就算进位；"
                                     "凑十：一年级两个一位数相加超过十"));
    borrow->setToolTip(QStringLiteral("竖式中任何一位不够减就算退位；"
                                      "破十：一年级十几减一位数要退位"));
    auto* layout = new QHBoxLayout;
    layout->addLayout(pair(b.label(QStringLiteral("加法："), carry), carry));
    layout->addSpacing(12);
    layout->addLayout(pair(b.label(QStringLiteral("减法："), borrow), borrow));
    layout->addStretch();
    return layout;
}

QGroupBox* modifiersGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    auto* layout = new QVBoxLayout;
    layout->addLayout(row({b.check(&S::exactOrProper), b.check(&S::zeroInMiddle),
                           b.check(&S::zeroAtEnd), b.check(&S::wholeTens), b.check(&S::fillIn),
                           b.check(&S::easyMode), b.check(&S::capResults), avoidTrivialBox(b)}));
    layout->addLayout(columnRuleRow(b));
    return group(QStringLiteral("出题要求"), layout);
}

QGroupBox* decimalsGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    auto* layout = new QGridLayout;
    QComboBox* places = b.combo(&S::operandPlaces);
    layout->addWidget(b.label(QStringLiteral("小数位数："), places), 0, 0);
    layout->addWidget(places, 0, 1);
    layout->addWidget(b.check(&S::roundAnswers), 1, 0);
    layout->addWidget(b.combo(&S::answerPlaces), 1, 1);
    layout->setColumnStretch(2, 1);
    return group(QStringLiteral("小数"), layout);
}

PictureSlider* newClosenessSlider(QWidget* window)
{
    auto* slider = new PictureSlider(window);
    slider->setObjectName(glossaryName(&ExerciseSettings::closeness));
    const qreal ratio = window->devicePixelRatioF();
    slider->setTrackPicture(drawSliderTrack(ratio));
    slider->setKnobPicture(drawSliderKnobs(ratio));
    return slider;
}

QGroupBox* rangeGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    WindowControls& c = b.controls();
    QLineEdit* start = b.numberBox(&S::rangeStart);
    QLineEdit* end = b.numberBox(&S::rangeEnd);
    QComboBox* grade = b.combo(&S::grade);

    c.closenessSlider = newClosenessSlider(b.window());
    c.closenessLabel = b.label(QStringLiteral("%"), nullptr, "closenessLabel");
    c.closenessLabel->setMinimumWidth(
        c.closenessLabel->fontMetrics().horizontalAdvance(QStringLiteral("100")));

    auto* first = row(
        {b.label(QStringLiteral("数据："), start), start, b.label(QStringLiteral("到"), end), end},
        false);
    first->addSpacing(12);
    first->addLayout(pair(b.label(QStringLiteral("范围："), grade), grade));
    first->addStretch();
    auto* second = new QHBoxLayout;
    QLabel* caption = b.label(QStringLiteral("接近度："), c.closenessSlider, "closenessCaption");
    // The slider's own tooltip shows its value; the caption explains it.
    caption->setToolTip(QStringLiteral("题目中的两个数彼此接近的程度"));
    second->addWidget(caption);
    second->addWidget(c.closenessSlider, 1);
    second->addWidget(c.closenessLabel);

    auto* layout = new QVBoxLayout;
    layout->addLayout(first);
    layout->addLayout(second);
    return group(QStringLiteral("数的范围"), layout);
}

QGroupBox* pageGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    auto* layout = new QHBoxLayout;
    NumberBox S::*const boxes[] = {&S::itemCount, &S::columns, &S::fontSize, &S::rowHeight};
    const QString labels[] = {QStringLiteral("题量："), QStringLiteral("列数："),
                              QStringLiteral("字号："), QStringLiteral("行距：")};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = b.numberBox(boxes[i]);
        layout->addLayout(pair(b.label(labels[i], box), box));
        layout->addSpacing(6);
    }
    QComboBox* font = b.combo(&S::font);
    layout->addLayout(pair(b.label(QStringLiteral("字体："), font), font));
    layout->addStretch();
    return group(QStringLiteral("版面与题量"), layout);
}

QPushButton* namedButton(QWidget* window, const QString& caption, const char* part,
                         const QString& tip = {})
{
    auto* button = new QPushButton(caption, window);
    button->setObjectName(glossaryName(part));
    button->setToolTip(tip);
    return button;
}

// 份数 and 名单: one different set per pupil, all in one question and one answer document.
QHBoxLayout* classRow(ControlBuilder& b)
{
    WindowControls& c = b.controls();
    QWidget* w = b.window();
    c.copiesBox = new QSpinBox(w);
    c.copiesBox->setObjectName(glossaryName("copiesBox"));
    c.copiesBox->setRange(1, static_cast<int>(mostPupils));
    c.copiesBox->setToolTip(QStringLiteral("大于 1 时出这么多套不同的题，每套一页，带各自的代码"));
    c.rosterButton = namedButton(w, QStringLiteral("名单…"), "rosterButton",
                                 QStringLiteral("读入名单文件（每行一个名字）：每个名字一套题，"
                                                "名字写在姓名栏上"));
    c.rosterLabel = b.label(QString(), nullptr, "rosterLabel");
    c.clearRosterButton = namedButton(w, QStringLiteral("清除"), "clearRosterButton",
                                      QStringLiteral("不用名单，按份数出"));
    c.clearRosterButton->setEnabled(false); // until a list is read
    return row({b.label(QStringLiteral("份数："), c.copiesBox), c.copiesBox, c.rosterButton,
                c.rosterLabel, c.clearRosterButton});
}

QGroupBox* outputGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    QCheckBox* save = b.check(&S::saveToHistory);
    QPalette red = save->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    red.setColor(QPalette::ButtonText, Qt::red);
    save->setPalette(red);
    save->setToolTip(
        QStringLiteral("文件保存在“历史题目.txt”中，如果要全部删除，请直接删除该文件！"));
    QComboBox* format = b.combo(&S::documentFormat);
    format->setToolTip(QStringLiteral("Word 文档要用文字处理程序打开；PDF 直接就能打印"));
    QComboBox* layout = b.combo(&S::pageLayout);
    layout->setToolTip(QStringLiteral("一页100题：口算、估算100题排在一页上，字号和行距取放得下的最"
                                      "大值；大字：字号、行距放大到1.5倍"));
    WindowControls& c = b.controls();
    c.previewButton = new QPushButton(QStringLiteral("预览"), b.window());
    c.previewButton->setObjectName(glossaryName("previewButton"));
    c.previewButton->setToolTip(
        QStringLiteral("按现在的设置出一套题，先看题目卷第一页打印出来的样子"));
    auto* rows = new QVBoxLayout;
    rows->addLayout(row({b.check(&S::borders), b.check(&S::answerSheet), save,
                         b.label(QStringLiteral("格式："), format), format,
                         b.label(QStringLiteral("版式："), layout), layout, c.previewButton}));
    rows->addLayout(classRow(b));
    return group(QStringLiteral("输出"), rows);
}

QGroupBox* stepsGroup(ControlBuilder& b)
{
    QComboBox* steps = b.combo(&ExerciseSettings::stepCount);
    return group(QStringLiteral("脱式计算"),
                 row({b.label(QStringLiteral("脱式步数："), steps), steps}));
}

QHBoxLayout* sideBySide(QWidget* left, QWidget* right)
{
    auto* layout = new QHBoxLayout;
    layout->addWidget(left, 1);
    layout->addWidget(right, 1);
    return layout;
}

QVBoxLayout* settingsColumn(ControlBuilder& b)
{
    WindowControls& c = b.controls();
    c.banner = b.label(QString(), nullptr, "banner");
    c.banner->setFixedSize(bannerWidth, bannerHeight);
    c.banner->setPixmap(drawBanner(b.window()->devicePixelRatioF()));

    auto* column = new QVBoxLayout;
    column->addWidget(c.banner);
    column->addWidget(kindGroup(b));
    column->addLayout(sideBySide(numberTypeGroup(b), operationsGroup(b)));
    column->addWidget(modifiersGroup(b));
    QGroupBox* decimals = decimalsGroup(b);
    QGroupBox* range = rangeGroup(b);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(decimals);
    numbers->addWidget(range, 1);
    column->addLayout(numbers);
    column->addWidget(pageGroup(b));
    column->addLayout(sideBySide(outputGroup(b), stepsGroup(b)));
    column->addStretch();
    return column;
}

// The parts of a mixed sheet: while the list holds any, 生成练习 writes them on one sheet.
QGroupBox* sheetPartsGroup(ControlBuilder& b)
{
    WindowControls& c = b.controls();
    QWidget* w = b.window();
    c.sheetPartList = new QListWidget(w);
    c.sheetPartList->setObjectName(glossaryName("sheetPartList"));
    c.sheetPartList->setFixedHeight(c.sheetPartList->fontMetrics().lineSpacing() * 4 + 8);
    c.sheetPartList->setToolTip(
        QStringLiteral("列表里有题时，“生成练习”把各部分按顺序写在一张练习上"));
    c.addPartButton = new QPushButton(QStringLiteral("加入本页"), w);
    c.addPartButton->setObjectName(glossaryName("addPartButton"));
    c.addPartButton->setToolTip(QStringLiteral("把现在的设置和题量作为一部分加入本页"));
    c.removePartButton = new QPushButton(QStringLiteral("移除"), w);
    c.removePartButton->setObjectName(glossaryName("removePartButton"));
    auto* layout = new QVBoxLayout;
    layout->addWidget(c.sheetPartList);
    layout->addLayout(row({c.addPartButton, c.removePartButton}, false));
    return group(QStringLiteral("混合练习（本页）"), layout);
}

QVBoxLayout* sideColumn(ControlBuilder& b)
{
    WindowControls& c = b.controls();
    QWidget* w = b.window();

    c.welcome = b.label(welcomeText(), nullptr, "welcome");
    c.welcome->setWordWrap(true);
    c.welcome->setFixedWidth(sideColumnWidth);
    c.welcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    c.tips = new QTextBrowser(w);
    c.tips->setObjectName(glossaryName("tips"));
    c.tips->setOpenLinks(false);
    c.tips->setHtml(tipsHtml());
    c.tips->setFixedWidth(sideColumnWidth);

    c.savedSetList = new QComboBox(w);
    c.savedSetList->setObjectName(glossaryName("savedSetList"));
    c.savedSetList->setPlaceholderText(QStringLiteral("请选择保存的练习"));
    c.savedSetList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c.sheetCodeBox = new QLineEdit(w);
    c.sheetCodeBox->setObjectName(glossaryName("sheetCodeBox"));
    c.sheetCodeBox->setMaxLength(16);
    c.sheetCodeBox->setPlaceholderText(QStringLiteral("题目卷上的代码"));
    c.findSheetButton = namedButton(w, QStringLiteral("查找"), "findSheetButton",
                                    QStringLiteral("选中这个代码的那一份，可以载入它的题目和答案"));
    auto* saved = new QVBoxLayout;
    saved->addWidget(c.savedSetList);
    saved->addLayout(row(
        {b.label(QStringLiteral("代码："), c.sheetCodeBox), c.sheetCodeBox, c.findSheetButton}));

    c.generateButton = new QPushButton(QStringLiteral("生成练习"), w);
    c.generateButton->setObjectName(glossaryName("generateButton"));
    c.generateButton->setDefault(true);
    c.answerOnScreenButton = new QPushButton(QStringLiteral("上机答题"), w);
    c.answerOnScreenButton->setObjectName(glossaryName("answerOnScreenButton"));
    c.recordsButton = new QPushButton(QStringLiteral("练习记录"), w);
    c.recordsButton->setObjectName(glossaryName("recordsButton"));
    c.settingsButton = new QPushButton(QStringLiteral("设置"), w);
    c.settingsButton->setObjectName(glossaryName("settingsButton"));
    c.settingsButton->setToolTip(QStringLiteral("保存设置、载入设置或恢复默认设置"));
    for (QPushButton* button : {c.generateButton, c.answerOnScreenButton}) {
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * 1.25);
        font.setBold(true);
        button->setFont(font);
        button->setMinimumHeight(button->fontMetrics().height() * 2);
    }

    c.progressLabel = b.label(QString(), nullptr, "progressLabel");
    QPalette red = c.progressLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    c.progressLabel->setPalette(red);
    c.progressLabel->setMinimumHeight(c.progressLabel->fontMetrics().height() + 4);
    c.progressLabel->setCursor(Qt::PointingHandCursor);
    c.progressLabel->setToolTip(QStringLiteral("出题时点击这里停止"));

    c.messageLine = new QPlainTextEdit(w);
    c.messageLine->setObjectName(QStringLiteral("messageLine"));
    c.messageLine->setReadOnly(true);
    c.messageLine->setMaximumBlockCount(200);
    c.messageLine->setPlaceholderText(QStringLiteral("提示信息显示在这里"));
    c.messageLine->setFixedHeight(c.messageLine->fontMetrics().lineSpacing() * 4 + 12);
    c.messageLine->setFixedWidth(sideColumnWidth);

    auto* column = new QVBoxLayout;
    column->addWidget(c.welcome);
    column->addWidget(c.tips, 1);
    column->addWidget(group(QStringLiteral("保存的练习"), saved));
    column->addWidget(sheetPartsGroup(b));
    column->addLayout(row({c.generateButton, c.answerOnScreenButton}, false));
    auto* lesser = new QHBoxLayout;
    lesser->addWidget(c.settingsButton);
    lesser->addStretch(1);
    lesser->addWidget(c.recordsButton); // beside 上机答题, whose sets it shows
    column->addLayout(lesser);
    column->addWidget(c.progressLabel);
    column->addWidget(c.messageLine);
    return column;
}

template <typename Widget> void setEnabledQuietly(Widget* widget, bool enabled)
{
    if (widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
}

} // namespace

QRadioButton* WindowControls::option(ExerciseKind kind) const
{
    for (const OptionControl& o : options)
        if (o.kind == kind)
            return o.widget;
    return nullptr;
}

QLineEdit* WindowControls::numberBox(NumberBox ExerciseSettings::*box) const
{
    for (const TextControl& t : texts)
        if (t.box == box)
            return t.widget;
    return nullptr;
}

WindowControls buildWindowControls(QWidget* window, const ExerciseSettings& settings)
{
    WindowControls controls;
    ControlBuilder builder(window, settings, controls);
    auto* root = new QHBoxLayout(window);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->addLayout(settingsColumn(builder));
    root->addLayout(sideColumn(builder));
    mirrorSettings(controls, settings);
    return controls;
}

void mirrorSettings(const WindowControls& c, const ExerciseSettings& s)
{
    for (const OptionControl& o : c.options) {
        const OptionButton& option = s.option(o.kind);
        const QSignalBlocker quiet(o.widget);
        if (option.selected)
            o.widget->setChecked(true);
        if (o.widget->text() != qs(option.caption))
            o.widget->setText(qs(option.caption));
        setEnabledQuietly(o.widget, option.enabled);
    }
    for (const CheckControl& k : c.checks) {
        const CheckBox& box = s.*k.box;
        const QSignalBlocker quiet(k.widget);
        k.widget->setChecked(box.checked);
        if (k.widget->text() != qs(box.caption))
            k.widget->setText(qs(box.caption));
        setEnabledQuietly(k.widget, box.enabled);
    }
    for (const TextControl& t : c.texts) {
        const NumberBox& box = s.*t.box;
        const QSignalBlocker quiet(t.widget);
        if (t.widget->text() != qs(box.text))
            t.widget->setText(qs(box.text));
        setEnabledQuietly(t.widget, box.enabled);
    }
    for (const ComboControl& d : c.combos) {
        const DropDown& list = s.*d.box;
        const QSignalBlocker quiet(d.widget);
        d.widget->setCurrentIndex(list.index);
        setEnabledQuietly(d.widget, list.enabled);
    }
    {
        const QSignalBlocker quiet(c.closenessSlider);
        c.closenessSlider->setValue(s.closeness);
    }
    c.closenessLabel->setText(QString::number(s.closeness));
}

} // namespace quill
