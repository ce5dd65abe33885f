#include "window/window_controls.h"

#include "window/artwork.h"
#include "window/window_texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
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
        button->setObjectName(QStringLiteral("Option%1").arg(static_cast<int>(kind)));
        if (!kinds_) {
            kinds_ = new QButtonGroup(window_);
            kinds_->setExclusive(true);
        }
        kinds_->addButton(button);
        controls_.options.push_back({button, kind});
        return button;
    }

    QCheckBox* check(CheckBox ExerciseSettings::*box, const char* name)
    {
        auto* widget = new QCheckBox(qs((settings_.*box).caption), window_);
        widget->setObjectName(QLatin1String(name));
        controls_.checks.push_back({widget, box});
        return widget;
    }

    QLineEdit* numberBox(NumberBox ExerciseSettings::*box, const char* name)
    {
        auto* widget = new QLineEdit(window_);
        widget->setObjectName(QLatin1String(name));
        widget->setAlignment(Qt::AlignRight);
        widget->setFixedWidth(widget->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                              14);
        controls_.texts.push_back({widget, box});
        return widget;
    }

    QComboBox* combo(DropDown ExerciseSettings::*box, const char* name)
    {
        auto* widget = new QComboBox(window_);
        widget->setObjectName(QLatin1String(name));
        for (const std::string& item : (settings_.*box).items)
            widget->addItem(qs(item));
        controls_.combos.push_back({widget, box});
        return widget;
    }

    QLabel* label(const QString& text, QWidget* buddy = nullptr, const char* name = nullptr)
    {
        auto* widget = new QLabel(text, window_);
        if (name)
            widget->setObjectName(QLatin1String(name));
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
    for (int k = 1; k <= 7; ++k)
        layout->addWidget(b.option(static_cast<ExerciseKind>(k)));
    layout->addStretch();
    return group(QStringLiteral("练习类型"), layout);
}

QGroupBox* numberTypeGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    return group(QStringLiteral("数的类型"),
                 row({b.check(&S::Check9, "Check9"), b.check(&S::Check5, "Check5"),
                      b.check(&S::Check6, "Check6"), b.check(&S::Check7, "Check7")}));
}

QGroupBox* operationsGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    return group(QStringLiteral("运算"),
                 row({b.check(&S::Check1, "Check1"), b.check(&S::Check2, "Check2"),
                      b.check(&S::Check3, "Check3"), b.check(&S::Check15, "Check15")}));
}

QGroupBox* modifiersGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    return group(QStringLiteral("出题要求"),
                 row({b.check(&S::Check4, "Check4"), b.check(&S::Check13, "Check13"),
                      b.check(&S::Check14, "Check14"), b.check(&S::Check17, "Check17"),
                      b.check(&S::Check16, "Check16"), b.check(&S::Check12, "Check12"),
                      b.check(&S::Check21, "Check21")}));
}

QGroupBox* decimalsGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    auto* layout = new QGridLayout;
    QComboBox* places = b.combo(&S::Combo3, "Combo3");
    layout->addWidget(b.label(QStringLiteral("小数位数："), places), 0, 0);
    layout->addWidget(places, 0, 1);
    layout->addWidget(b.check(&S::Check11, "Check11"), 1, 0);
    layout->addWidget(b.combo(&S::Combo4, "Combo4"), 1, 1);
    layout->setColumnStretch(2, 1);
    return group(QStringLiteral("小数"), layout);
}

QGroupBox* rangeGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    WindowControls& c = b.controls();
    QLineEdit* start = b.numberBox(&S::Text5, "Text5");
    QLineEdit* end = b.numberBox(&S::Text6, "Text6");
    QComboBox* grade = b.combo(&S::Combo2, "Combo2");

    c.MyValue1 = new QSlider(Qt::Horizontal, b.window());
    c.MyValue1->setObjectName(QStringLiteral("MyValue1"));
    c.MyValue1->setRange(0, 100);
    c.MyValue1->setPageStep(10);
    c.MyValue1->setToolTip(QStringLiteral("题目中的两个数彼此接近的程度"));
    c.Label14 = b.label(QStringLiteral("%"), nullptr, "Label14");
    c.Label14->setMinimumWidth(c.Label14->fontMetrics().horizontalAdvance(QStringLiteral("100")));

    auto* first = row(
        {b.label(QStringLiteral("数据："), start), start, b.label(QStringLiteral("到"), end), end},
        false);
    first->addSpacing(12);
    first->addLayout(pair(b.label(QStringLiteral("范围："), grade), grade));
    first->addStretch();
    auto* second = new QHBoxLayout;
    second->addWidget(b.label(QStringLiteral("接近度："), c.MyValue1, "Label13"));
    second->addWidget(c.MyValue1, 1);
    second->addWidget(c.Label14);

    auto* layout = new QVBoxLayout;
    layout->addLayout(first);
    layout->addLayout(second);
    return group(QStringLiteral("数的范围"), layout);
}

QGroupBox* pageGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    auto* layout = new QHBoxLayout;
    const std::pair<NumberBox S::*, const char*> boxes[] = {
        {&S::Text1, "Text1"}, {&S::Text2, "Text2"}, {&S::Text3, "Text3"}, {&S::Text4, "Text4"}};
    const QString labels[] = {QStringLiteral("题量："), QStringLiteral("列数："),
                              QStringLiteral("字号："), QStringLiteral("行距：")};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = b.numberBox(boxes[i].first, boxes[i].second);
        layout->addLayout(pair(b.label(labels[i], box), box));
        layout->addSpacing(6);
    }
    QComboBox* font = b.combo(&S::Combo1, "Combo1");
    layout->addLayout(pair(b.label(QStringLiteral("字体："), font), font));
    layout->addStretch();
    return group(QStringLiteral("版面与题量"), layout);
}

QGroupBox* outputGroup(ControlBuilder& b)
{
    using S = ExerciseSettings;
    QCheckBox* save = b.check(&S::Check20, "Check20");
    QPalette red = save->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    red.setColor(QPalette::ButtonText, Qt::red);
    save->setPalette(red);
    save->setToolTip(
        QStringLiteral("文件保存在“历史题目.txt”中，如果要全部删除，请直接删除该文件！"));
    return group(QStringLiteral("输出"),
                 row({b.check(&S::Check18, "Check18"), b.check(&S::Check19, "Check19"), save}));
}

QGroupBox* stepsGroup(ControlBuilder& b)
{
    QComboBox* steps = b.combo(&ExerciseSettings::Combo5, "Combo5");
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
    c.Picture1 = b.label(QString(), nullptr, "Picture1");
    c.Picture1->setFixedSize(bannerWidth, bannerHeight);
    c.Picture1->setPixmap(drawBanner(b.window()->devicePixelRatioF()));

    auto* column = new QVBoxLayout;
    column->addWidget(c.Picture1);
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

QVBoxLayout* sideColumn(ControlBuilder& b)
{
    WindowControls& c = b.controls();
    QWidget* w = b.window();

    c.Label4 = b.label(welcomeText(), nullptr, "Label4");
    c.Label4->setWordWrap(true);
    c.Label4->setFixedWidth(sideColumnWidth);
    c.Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    c.WebBrowser1 = new QTextBrowser(w);
    c.WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    c.WebBrowser1->setOpenLinks(false);
    c.WebBrowser1->setHtml(newsPageHtml());
    c.WebBrowser1->setFixedWidth(sideColumnWidth);

    c.Combo6 = new QComboBox(w);
    c.Combo6->setObjectName(QStringLiteral("Combo6"));
    c.Combo6->setPlaceholderText(QStringLiteral("请选择保存的练习"));
    c.Combo6->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* saved = new QHBoxLayout;
    saved->addWidget(c.Combo6);

    c.Command1 = new QPushButton(QStringLiteral("生成练习"), w);
    c.Command1->setObjectName(QStringLiteral("Command1"));
    c.Command1->setDefault(true);
    c.Command2 = new QPushButton(QStringLiteral("上机答题"), w);
    c.Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* button : {c.Command1, c.Command2}) {
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * 1.25);
        font.setBold(true);
        button->setFont(font);
        button->setMinimumHeight(button->fontMetrics().height() * 2);
    }

    c.Label11 = b.label(QString(), nullptr, "Label11");
    QPalette red = c.Label11->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    c.Label11->setPalette(red);
    c.Label11->setMinimumHeight(c.Label11->fontMetrics().height() + 4);
    c.Label11->setCursor(Qt::PointingHandCursor);
    c.Label11->setToolTip(QStringLiteral("出题时点击这里停止"));

    c.messageLine = new QPlainTextEdit(w);
    c.messageLine->setObjectName(QStringLiteral("messageLine"));
    c.messageLine->setReadOnly(true);
    c.messageLine->setMaximumBlockCount(200);
    c.messageLine->setPlaceholderText(QStringLiteral("提示信息显示在这里"));
    c.messageLine->setFixedHeight(c.messageLine->fontMetrics().lineSpacing() * 4 + 12);
    c.messageLine->setFixedWidth(sideColumnWidth);

    auto* column = new QVBoxLayout;
    column->addWidget(c.Label4);
    column->addWidget(c.WebBrowser1, 1);
    column->addWidget(group(QStringLiteral("保存的练习"), saved));
    column->addLayout(row({c.Command1, c.Command2}, false));
    column->addWidget(c.Label11);
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
        const QSignalBlocker quiet(c.MyValue1);
        c.MyValue1->setValue(s.MyValue1);
    }
    c.Label14->setText(QString::number(s.MyValue1));
}

} // namespace quill
