#include "output/pdf_drawing.h"
#include "settings/exercise_kinds.h"
#include "support/glossary_controls.h"
#include "support/qt_printers.h"
#include "window/main_window.h"
#include "window/picture_slider.h"
#include "window/sheet_preview_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace quill
{
namespace
{

namespace fs = std::filesystem;
using S = ExerciseSettings;
using testing::findControl;
using testing::findPart;

// Calls `action` once, from inside whatever loop is handling events, as soon as `ready`
// holds: runs started by a click return only when they end, so the test acts from within.
void whenReady(QObject* owner, std::function<bool()> ready, std::function<void()> action)
{
    auto* poll = new QTimer(owner);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, ready, action] {
        if (!ready())
            return;
        poll->stop();
        action();
        poll->deleteLater();
    });
    poll->start();
}

// Answers the next modal question with `button` and keeps what it asked.
struct QuestionAnswer {
    QString title;
    QString text;
    QStringList buttons;
};

void answerNextQuestion(QMessageBox::StandardButton button, QuestionAnswer& seen)
{
    whenReady(
        qApp, [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
        [button, &seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen.title = box->windowTitle();
            seen.text = box->text();
            for (QAbstractButton* b : box->buttons())
                seen.buttons << b->text();
            box->button(button)->click();
        });
}

class MainWindowTest : public ::testing::Test
{
protected:
    QTemporaryDir scratch;
    fs::path documents = fs::path(scratch.path().toStdString()) / "documents";
    fs::path history = fs::path(scratch.path().toStdString()) / "历史题目.txt";
    std::vector<fs::path> opened;
    bool remember = false;
    QString settingsIni = scratch.filePath(QStringLiteral("settings.ini"));
    QString recipeFile = scratch.filePath(QStringLiteral("设置.toml"));
    QString rosterFile = scratch.filePath(QStringLiteral("名单.txt"));
    std::unique_ptr<MainWindow> window;

    void SetUp() override { start(); }

    void start()
    {
        WindowOptions options;
        options.documentFolder = documents;
        options.historyFile = history;
        options.openDocument = [this](const fs::path& file) { opened.push_back(file); };
        options.askPupil = [](QWidget*, const std::vector<std::string>&) {
            return std::optional<std::string>(); // 不记录: the dialog would wait for a click
        };
        options.rememberSettings = remember;
        options.settingsFile = settingsIni;
        options.askRecipeFile = [this](QWidget*, bool) { return recipeFile; };
        options.askRosterFile = [this](QWidget*) { return rosterFile; };
        window = std::make_unique<MainWindow>(options);
    }

    template <typename Widget> Widget* control(const SettingMember& member)
    {
        return findControl<Widget>(window.get(), member);
    }
    template <typename Widget> Widget* part(std::string_view field)
    {
        return findPart<Widget>(window.get(), field);
    }
    QRadioButton* option(OptionButton S::*member) { return control<QRadioButton>(member); }
    QCheckBox* check(CheckBox S::*member) { return control<QCheckBox>(member); }
    QLineEdit* text(NumberBox S::*member) { return control<QLineEdit>(member); }
    QString textOf(NumberBox S::*member) { return text(member)->text(); }
    QLabel* stopLabel() { return part<QLabel>("progressLabel"); }

    QString messages()
    {
        return window->findChild<QPlainTextEdit*>(QStringLiteral("messageLine"))->toPlainText();
    }
    int count(const QString& message) { return static_cast<int>(messages().count(message)); }

    void typeInto(NumberBox S::*member, const QString& keys)
    {
        text(member)->selectAll();
        QTest::keyClicks(text(member), keys);
    }

    std::vector<fs::path> writtenDocuments()
    {
        std::vector<fs::path> files;
        if (fs::exists(documents))
            for (const auto& entry : fs::directory_iterator(documents))
                files.push_back(entry.path());
        return files;
    }

    bool drawing() { return !stopLabel()->text().isEmpty(); }

    void trigger(const char* field) { part<QAction>(field)->trigger(); }

    // A few settings away from the defaults, clicked and typed.
    void changeSettings()
    {
        option(&S::oralOption)->click();
        check(&S::decimals)->click();
        check(&S::division)->click();
        typeInto(&S::itemCount, QStringLiteral("37"));
        typeInto(&S::rangeEnd, QStringLiteral("250"));
        QComboBox* grade = control<QComboBox>(&S::grade);
        grade->setCurrentIndex(9);
        emit grade->activated(9);
    }

    // What the window shows of the settings `changeSettings` changes, and a few more.
    QString shown()
    {
        QString text;
        for (OptionButton S::*kind : {&S::verticalOption, &S::oralOption, &S::unitsOption})
            text += option(kind)->isChecked() ? u'1' : u'0';
        for (CheckBox S::*box : {&S::wholeNumbers, &S::decimals, &S::addition, &S::division,
                                 &S::exactOrProper, &S::answerSheet})
            text += check(box)->isChecked() ? u'1' : u'0';
        for (NumberBox S::*box : {&S::itemCount, &S::rangeStart, &S::rangeEnd, &S::columns})
            text += u' ' + textOf(box);
        return text + u' ' + control<QComboBox>(&S::grade)->currentText();
    }

    // Ten thousand exact divisions of four-place percentages up to 1000, still found by
    // redrawing: a run far longer than any test, for the tests that stop it or leave during it.
    void chooseALongRun()
    {
        option(&S::oralOption)->click();
        check(&S::percentages)->click();
        for (CheckBox S::*box : {&S::addition, &S::subtraction, &S::multiplication, &S::division})
            if (check(box)->isChecked() != (box == &S::division))
                check(box)->click();
        if (!check(&S::exactOrProper)->isChecked())
            check(&S::exactOrProper)->click();
        QComboBox* places = control<QComboBox>(&S::operandPlaces);
        places->setCurrentIndex(4);
        emit places->activated(4);
        typeInto(&S::itemCount, QStringLiteral("10000"));
        typeInto(&S::rangeEnd, QStringLiteral("1000"));
    }

    // Stops everything after `seconds`, so a faulty run cannot hang the tests.
    std::shared_ptr<bool> watchdog(int seconds)
    {
        auto fired = std::make_shared<bool>(false);
        QTimer::singleShot(seconds * 1000, window.get(), [this, fired] {
            *fired = true;
            window->application().run.stopRequested = true;
        });
        return fired;
    }
};

TEST_F(MainWindowTest, StartsWithTheDefaults)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmere V0.1.0"));
    EXPECT_TRUE(option(&S::verticalOption)->isChecked());
    EXPECT_EQ(option(&S::verticalOption)->text(), QStringLiteral("竖式计算"));
    for (CheckBox S::*on :
         {&S::wholeNumbers, &S::addition, &S::subtraction, &S::multiplication, &S::division,
          &S::exactOrProper, &S::borders, &S::saveToHistory, &S::avoidTrivial})
        EXPECT_TRUE(check(on)->isChecked()) << controlName(on);
    for (CheckBox S::*off : {&S::decimals, &S::fractions, &S::percentages, &S::zeroInMiddle,
                             &S::zeroAtEnd, &S::wholeTens, &S::fillIn, &S::easyMode, &S::capResults,
                             &S::roundAnswers, &S::answerSheet})
        EXPECT_FALSE(check(off)->isChecked()) << controlName(off);
    EXPECT_FALSE(check(&S::easyMode)->isEnabled());
    EXPECT_EQ(check(&S::exactOrProper)->text(), QStringLiteral("能够整除"));
    EXPECT_EQ(check(&S::saveToHistory)->toolTip(),
              QStringLiteral("文件保存在“历史题目.txt”中，如果要全部删除，请直接删除该文件！"));

    const std::pair<NumberBox S::*, const char*> texts[] = {
        {&S::itemCount, "24"}, {&S::columns, "4"},    {&S::fontSize, "11"},
        {&S::rowHeight, "30"}, {&S::rangeStart, "1"}, {&S::rangeEnd, "100"}};
    for (const auto& [box, value] : texts)
        EXPECT_EQ(textOf(box), QString::fromUtf8(value)) << controlName(box);

    const std::pair<DropDown S::*, const char*> lists[] = {{&S::font, "宋体"},
                                                           {&S::grade, "小学阶段综合"},
                                                           {&S::operandPlaces, "1位"},
                                                           {&S::answerPlaces, "2位"},
                                                           {&S::stepCount, "3步"}};
    for (const auto& [list, value] : lists)
        EXPECT_EQ(control<QComboBox>(list)->currentText(), QString::fromUtf8(value))
            << controlName(list);
    EXPECT_EQ(control<QComboBox>(&S::grade)->count(), 13);
    EXPECT_EQ(control<PictureSlider>(&S::closeness)->value(), 50);
    EXPECT_EQ(part<QLabel>("closenessLabel")->text(), QStringLiteral("50"));
    EXPECT_EQ(part<QComboBox>("savedSetList")->count(), 0);
    EXPECT_EQ(part<QComboBox>("savedSetList")->placeholderText(),
              QStringLiteral("请选择保存的练习"));
    EXPECT_EQ(part<QPushButton>("generateButton")->text(), QStringLiteral("生成练习"));
    EXPECT_EQ(part<QPushButton>("answerOnScreenButton")->text(), QStringLiteral("上机答题"));
    EXPECT_EQ(part<QLabel>("banner")->size(), QSize(611, 129));
}

TEST_F(MainWindowTest, OralSetsColumnsAndCountAndTypedColumnsDriveTheCount)
{
    option(&S::oralOption)->click();
    EXPECT_EQ(textOf(&S::columns), QStringLiteral("4"));
    EXPECT_EQ(textOf(&S::itemCount), QStringLiteral("80"));
    typeInto(&S::columns, QStringLiteral("5"));
    EXPECT_EQ(textOf(&S::columns), QStringLiteral("5"));
    EXPECT_EQ(textOf(&S::itemCount), QStringLiteral("105"));
    EXPECT_EQ(window->application().settings.itemCount.text, "105");
}

// The options are the kind table's rows, in its order; clicking one selects only its kind
// and says its hint, if it has one.
TEST_F(MainWindowTest, EveryKindOfTheTableHasItsOptionInOrder)
{
    int previousPlace = -1;
    for (const ExerciseKindRow& row : exerciseKinds()) {
        QRadioButton* button = option(row.option);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->text(), QString::fromUtf8(row.caption));
        const int place = button->parentWidget()->layout()->indexOf(button);
        EXPECT_GT(place, previousPlace) << row.caption;
        previousPlace = place;
        button->click();
        EXPECT_EQ(window->application().settings.kind(), row.kind);
        if (!row.clickHint.empty()) {
            EXPECT_TRUE(messages().endsWith(QString::fromUtf8(row.clickHint))) << row.caption;
        }
    }
}

TEST_F(MainWindowTest, ALetterTypedIntoANumberBoxIsRefusedWithANotice)
{
    text(&S::itemCount)->end(false);
    QTest::keyClick(text(&S::itemCount), Qt::Key_A);
    EXPECT_EQ(textOf(&S::itemCount), QStringLiteral("24"));
    EXPECT_EQ(count(QStringLiteral("请输入数字！")), 1);
    QTest::keyClick(text(&S::itemCount), Qt::Key_0);
    EXPECT_EQ(textOf(&S::itemCount), QStringLiteral("240"));
    EXPECT_EQ(window->application().settings.itemCount.text, "240");
}

TEST_F(MainWindowTest, TheClosenessSliderSetsTheSettingAndTypingIntoTheRangeResetsIt)
{
    auto* slider = control<PictureSlider>(&S::closeness);
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(part<QLabel>("closenessLabel")->text(), QStringLiteral("55"));
    EXPECT_EQ(window->application().settings.closeness, 55);
    slider->setValue(80);
    EXPECT_EQ(part<QLabel>("closenessLabel")->text(), QStringLiteral("80"));
    EXPECT_EQ(window->application().settings.closeness, 80);
    typeInto(&S::rangeStart, QStringLiteral("2"));
    EXPECT_EQ(slider->value(), 50);
    EXPECT_EQ(part<QLabel>("closenessLabel")->text(), QStringLiteral("50"));
}

TEST_F(MainWindowTest, AClearedFontSizeIsRepairedByTheNextTickWithItsNotice)
{
    text(&S::fontSize)->selectAll();
    QTest::keyClick(text(&S::fontSize), Qt::Key_Backspace);
    EXPECT_EQ(textOf(&S::fontSize), QString());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return textOf(&S::fontSize) == QStringLiteral("12"); }, 2000));
    EXPECT_EQ(count(QStringLiteral("字号请不要少于1号！")), 1);
}

TEST_F(MainWindowTest, FractionsRenameTheCaptionsAndWholeNumbersRestoreThem)
{
    check(&S::fractions)->click();
    EXPECT_FALSE(check(&S::wholeNumbers)->isChecked());
    EXPECT_EQ(check(&S::exactOrProper)->text(), QStringLiteral("是真分数"));
    EXPECT_EQ(option(&S::estimationOption)->text(), QStringLiteral("约分"));
    EXPECT_EQ(option(&S::verticalOption)->text(), QStringLiteral("通分计算"));
    check(&S::wholeNumbers)->click();
    EXPECT_FALSE(check(&S::fractions)->isChecked());
    EXPECT_EQ(check(&S::exactOrProper)->text(), QStringLiteral("能够整除"));
    EXPECT_EQ(option(&S::estimationOption)->text(), QStringLiteral("估算"));
    EXPECT_EQ(option(&S::verticalOption)->text(), QStringLiteral("竖式计算"));
}

TEST_F(MainWindowTest, TheRangeBoxesShowTheGradesFractionRangeUntilOneIsTyped)
{
    check(&S::fractions)->click();
    EXPECT_EQ(textOf(&S::rangeEnd), QStringLiteral("20"));
    emit control<QComboBox>(&S::grade)->activated(5); // 三年级上学期
    EXPECT_EQ(textOf(&S::rangeEnd), QStringLiteral("10"));
    check(&S::wholeNumbers)->click();
    EXPECT_EQ(textOf(&S::rangeEnd), QStringLiteral("100"));
    typeInto(&S::rangeEnd, QStringLiteral("50"));
    check(&S::fractions)->click();
    EXPECT_EQ(textOf(&S::rangeEnd), QStringLiteral("50"));
}

// The two lists sit in 出题要求, reach the settings, and grey out where they have no say.
TEST_F(MainWindowTest, TheCarryAndBorrowListsReachTheSettingsWhereTheyApply)
{
    const ExerciseSettings& settings = window->application().settings;
    auto* carry = control<QComboBox>(&S::carry);
    auto* borrow = control<QComboBox>(&S::borrow);
    ASSERT_TRUE(carry && borrow);
    EXPECT_EQ(carry->parentWidget()->property("title").toString(), QStringLiteral("出题要求"));
    EXPECT_EQ(carry->currentText(), QStringLiteral("不限"));
    EXPECT_EQ(borrow->itemText(3), QStringLiteral("破十"));
    emit carry->activated(2);
    emit borrow->activated(1);
    EXPECT_EQ(settings.carryRule(), ColumnRule::Within);
    EXPECT_EQ(settings.borrowRule(), ColumnRule::Across);
    check(&S::addition)->click();
    EXPECT_FALSE(carry->isEnabled());
    EXPECT_TRUE(borrow->isEnabled());
    EXPECT_EQ(settings.carryRule(), ColumnRule::Any);
    option(&S::stepsOption)->click();
    EXPECT_FALSE(borrow->isEnabled());
}

TEST_F(MainWindowTest, TickingFillInForFractionsIsRefusedWithTheReason)
{
    check(&S::fractions)->click();
    check(&S::fillIn)->click();
    EXPECT_FALSE(check(&S::fillIn)->isChecked());
    EXPECT_FALSE(window->application().settings.fillIn.checked);
    EXPECT_EQ(count(QStringLiteral("分数题没有“填数”的形式，请先改选整数、小数或百分数！")), 1);
}

TEST_F(MainWindowTest, ARunWithAnswersWritesTwoDocumentsAnnouncesAndSaves)
{
    check(&S::answerSheet)->click();
    const auto hung = watchdog(30);
    part<QPushButton>("generateButton")->click(); // returns once the run has
    EXPECT_FALSE(*hung);
    const std::vector<fs::path> files = writtenDocuments();
    ASSERT_EQ(files.size(), 2u);
    for (const fs::path& file : files)
        EXPECT_EQ(file.extension(), ".docx");
    EXPECT_EQ(opened.size(), 2u) << "each saved document is opened";
    EXPECT_EQ(count(QStringLiteral("出题完毕！")), 1);
    EXPECT_EQ(count(QStringLiteral("当前计算内容保存完毕！")), 1);
    EXPECT_EQ(part<QComboBox>("savedSetList")->count(), 1) << "the saved set is listed";
    EXPECT_TRUE(stopLabel()->text().isEmpty());
    EXPECT_FALSE(window->runInProgress());
}

// 格式 Word 和 PDF: each sheet is written twice, the two files sharing their stem.
TEST_F(MainWindowTest, TheFormatChoiceWritesEachSheetInEveryChosenFormat)
{
    if (!pdfAvailable())
        GTEST_SKIP() << "built without PDF";
    check(&S::answerSheet)->click();
    emit control<QComboBox>(&S::documentFormat)->activated(2);
    const auto hung = watchdog(30);
    part<QPushButton>("generateButton")->click();
    EXPECT_FALSE(*hung);
    std::vector<std::string> stems, pdfs;
    for (const fs::path& file : writtenDocuments()) {
        stems.push_back(file.stem().string());
        if (file.extension() == ".pdf")
            pdfs.push_back(file.stem().string());
    }
    std::ranges::sort(stems);
    std::ranges::sort(pdfs);
    ASSERT_EQ(stems.size(), 4u);
    EXPECT_EQ(pdfs.size(), 2u);
    EXPECT_EQ(stems[0], stems[1]);
    EXPECT_EQ(stems[2], stems[3]);
}

// 一页100题 shows the count and columns it lays out, on 口算; on 竖式计算 the run is refused
// with the reason and nothing is written.
TEST_F(MainWindowTest, TheOnePageLayoutShowsItsCountAndIsRefusedWhereItCannotApply)
{
    option(&S::oralOption)->click();
    emit control<QComboBox>(&S::pageLayout)->activated(1);
    EXPECT_EQ(textOf(&S::itemCount), QStringLiteral("100"));
    EXPECT_EQ(textOf(&S::columns), QStringLiteral("5"));
    option(&S::verticalOption)->click();
    emit control<QComboBox>(&S::pageLayout)->activated(1);
    part<QPushButton>("generateButton")->click();
    EXPECT_EQ(count(QStringLiteral("“一页100题”只用于口算和估算，请改选“标准”或“大字”版式！")), 1);
    EXPECT_TRUE(writtenDocuments().empty());
}

// 预览 draws a set and pictures page 1 of its question sheet: an A4 page with the title
// and the table drawn in black on white; nothing is written and nothing saved.
TEST_F(MainWindowTest, PreviewShowsPageOneOfTheQuestionSheetAndWritesNothing)
{
    if (!pdfAvailable())
        GTEST_SKIP() << "built without PDF";
    const auto hung = watchdog(30);
    part<QPushButton>("previewButton")->click();
    EXPECT_FALSE(*hung);
    auto* dialog = window->findChild<SheetPreviewDialog*>(QStringLiteral("previewDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    const QImage& page = dialog->image();
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(double(page.height()) / page.width(), 841.9 / 595.3, 0.01);
    // Dark pixels in the title band (above the table) and in the table below it; none in
    // the margins.
    const auto darkRows = [&page](double from, double to) {
        int rows = 0;
        for (int y = int(from * page.height()); y < int(to * page.height()); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128) {
                    ++rows;
                    break;
                }
        return rows;
    };
    EXPECT_GT(darkRows(0.06, 0.12), 5) << "no title drawn";
    EXPECT_GT(darkRows(0.15, 0.9), 50) << "no table drawn";
    EXPECT_EQ(darkRows(0, 0.05), 0) << "ink in the top margin";
    EXPECT_TRUE(writtenDocuments().empty());
    EXPECT_FALSE(fs::exists(history)) << "a preview is not saved";
    EXPECT_EQ(window->application().set.size(), 24u);
    EXPECT_TRUE(dialog->windowTitle().contains(QStringLiteral("第 1 页")));
}

TEST_F(MainWindowTest, ClickingTheProgressLabelStopsARunThatCannotFinishPromptly)
{
    chooseALongRun();
    QElapsedTimer sinceClick;
    double latency = -1; // ms
    whenReady(
        window.get(), [this] { return drawing(); },
        [&] {
            // Queued like a real click: the wait for the run's next look at the events
            // is part of the latency.
            const QPointF at(5, 5);
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    stopLabel(), new QMouseEvent(type, at, stopLabel()->mapToGlobal(at),
                                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            sinceClick.start();
        });
    QObject::connect(window.get(), &MainWindow::runsFinished, window.get(), [&] {
        latency = sinceClick.isValid() ? sinceClick.nsecsElapsed() / 1e6 : -1;
    });
    const auto hung = watchdog(20);
    part<QPushButton>("generateButton")->click();
    ASSERT_FALSE(*hung);
    ASSERT_GE(latency, 0);
    std::cout << "[ measured ] stop latency " << latency << " ms\n";
    EXPECT_LT(latency, 250);
    EXPECT_EQ(count(QStringLiteral("出题终止，请点击再次出题！")), 1);
    EXPECT_EQ(count(QStringLiteral("出题完毕！")), 0);
    EXPECT_TRUE(writtenDocuments().empty());
    EXPECT_TRUE(stopLabel()->text().isEmpty());
    EXPECT_FALSE(fs::exists(history)) << "a stopped run saves nothing";
}

TEST_F(MainWindowTest, ASecondClickDuringARunStartsItsRunOnlyAfterTheFirstReturned)
{
    check(&S::saveToHistory)->click(); // no saving, no pause for it
    chooseALongRun();
    qint64 clickTook = -1;
    bool busyAtClick = false;
    whenReady(
        window.get(), [this] { return drawing(); },
        [&] {
            // The first run keeps its count; the second one draws a few items.
            window->application().settings.itemCount.text = "24";
            busyAtClick = window->runInProgress();
            QElapsedTimer clock;
            clock.start();
            part<QPushButton>("generateButton")->click();
            clickTook = clock.elapsed();
        });
    const auto hung = watchdog(30);
    part<QPushButton>("generateButton")->click();
    ASSERT_FALSE(*hung);
    EXPECT_TRUE(busyAtClick);
    EXPECT_GE(clickTook, 0);
    EXPECT_LT(clickTook, 500) << "the second run ran inside the first";
    EXPECT_EQ(count(QStringLiteral("正在出题中，请耐心等待！")), 2);
    EXPECT_EQ(count(QStringLiteral("出题完毕！")), 1);
    EXPECT_EQ(writtenDocuments().size(), 1u) << "the stopped run wrote nothing";
}

// The open answering window, if any: a window of its own, not a child of the main window.
QWidget* answeringWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QString::fromUtf8(answeringForm) && w->isVisible())
            return w;
    return nullptr;
}

TEST_F(MainWindowTest, OnScreenAnsweringOpensTheAnsweringWindowAndClosingItRestoresThisOne)
{
    window->show();
    const auto hung = watchdog(20);
    QElapsedTimer sinceClick;
    sinceClick.start();
    part<QPushButton>("answerOnScreenButton")->click();
    ASSERT_FALSE(*hung);
    QWidget* answering = answeringWindow();
    ASSERT_TRUE(answering);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(answering));
    const double shownAfter = sinceClick.nsecsElapsed() / 1e6;
    std::cout << "[ measured ] 24-item answering window shown " << shownAfter
              << " ms after the click\n";
    EXPECT_LT(shownAfter, 300);
    EXPECT_EQ(findPart<QLabel>(answering, "statusLine", answeringForm)->text(),
              QStringLiteral("共 24 题，现在是第 1 题；正确 0 题；得分：0 分"));
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(count(QStringLiteral("出题完毕，请作答！")), 1);
    EXPECT_TRUE(writtenDocuments().empty());

    answering->close();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, OnScreenDivisionsAtARemainderGradeAskForTheRemainder)
{
    ExerciseSettings& s = window->application().settings;
    s.grade.index = 5; // 三年级上学期
    for (CheckBox* box : {&s.addition, &s.subtraction, &s.multiplication, &s.exactOrProper})
        box->checked = false;
    s.itemCount.text = "40";
    const auto hung = watchdog(20);
    part<QPushButton>("answerOnScreenButton")->click();
    ASSERT_FALSE(*hung);
    QWidget* answering = answeringWindow();
    ASSERT_TRUE(answering);
    auto* next = findPart<QPushButton>(answering, "nextButton", answeringForm);
    int withRemainder = 0;
    for (int i = 0; i < 40; ++i) {
        const QStringList operands =
            findPart<QLabel>(answering, "itemLabel", answeringForm)->text().split(u'÷');
        ASSERT_EQ(operands.size(), 2);
        const bool leavesRemainder = operands[0].toInt() % operands[1].toInt() != 0;
        withRemainder += leavesRemainder;
        EXPECT_EQ(
            findPart<QLineEdit>(answering, "remainderBox", answeringForm)->isVisibleTo(answering),
            leavesRemainder)
            << operands.join(u'÷').toStdString();
        if (i < 39)
            next->click();
    }
    EXPECT_GT(withRemainder, 0) << "能够整除 unticked draws divisions with remainders";
}

TEST_F(MainWindowTest, ASetWithoutItemsIsNotOpenedForAnswering)
{
    window->show();
    window->application().settings.itemCount.text = "0";
    part<QPushButton>("answerOnScreenButton")->click();
    EXPECT_EQ(answeringWindow(), nullptr);
    EXPECT_EQ(count(QStringLiteral("没有题目可以作答：题量至少要有一题！")), 1);
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(MainWindowTest, LoadingASavedSetWritesItAgainUnderItsKind)
{
    std::ofstream(history, std::ios::binary) << "2024/5/1|4| 12+3*4 5+6*7\r\n";
    start();
    option(&S::oralOption)->click();
    auto* list = part<QComboBox>("savedSetList");
    ASSERT_EQ(list->count(), 1);
    list->setCurrentIndex(0);
    const auto hung = watchdog(20);
    findPart<QAction>(part<QMenu>("savedSetMenu"), "loadAction")->trigger();
    ASSERT_FALSE(*hung);
    EXPECT_TRUE(option(&S::stepsOption)->isChecked()) << "the set's own kind, 脱式计算";
    EXPECT_EQ(writtenDocuments().size(), 1u);
    EXPECT_EQ(count(QStringLiteral("出题完毕！")), 1);
    EXPECT_EQ(list->count(), 1) << "loading adds nothing to the history";
}

TEST_F(MainWindowTest, TheExitQuestionAnsweredNoKeepsTheWindowAndYesCloses)
{
    window->show();
    QuestionAnswer seen;
    answerNextQuestion(QMessageBox::No, seen);
    window->close();
    EXPECT_EQ(seen.title, QStringLiteral("Quillmere"));
    EXPECT_EQ(seen.text, QStringLiteral("确认退出？"));
    ASSERT_EQ(seen.buttons.size(), 2);
    EXPECT_TRUE(seen.buttons.join(' ').contains(QStringLiteral("是")));
    EXPECT_TRUE(seen.buttons.join(' ').contains(QStringLiteral("否")));
    EXPECT_TRUE(window->isVisible());

    QuestionAnswer again;
    answerNextQuestion(QMessageBox::Yes, again);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, LeavingDuringARunStopsItFirstAndWritesNothing)
{
    window->show();
    chooseALongRun();
    QuestionAnswer seen;
    whenReady(
        window.get(), [this] { return drawing(); },
        [&] {
            answerNextQuestion(QMessageBox::Yes, seen);
            window->close();
        });
    const auto hung = watchdog(20);
    part<QPushButton>("generateButton")->click();
    ASSERT_FALSE(*hung);
    EXPECT_EQ(seen.text, QStringLiteral("确认退出？"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->runInProgress());
    EXPECT_TRUE(writtenDocuments().empty());
    EXPECT_EQ(count(QStringLiteral("出题完毕！")), 0);
}

TEST_F(MainWindowTest, NoticesReachTheMessageLineWithoutATray)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    check(&S::saveToHistory)->click();
    option(&S::unitsOption)->click();
    const QStringList lines = messages().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(
        QStringLiteral("文件保存在“历史题目.txt”中，如果要全部删除，请直接删除该文件！")));
    EXPECT_TRUE(
        lines[1].endsWith(QStringLiteral("请将鼠标移动到“单位换算”文字上，进行详细设置！")));
}

TEST_F(MainWindowTest, RightClickOnUnitsChoosesTheKindAndOpensItsMenuWhichReopensAfterVolume)
{
    window->show();
    QRadioButton* units = option(&S::unitsOption);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 units->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(units, &rightClick);
    EXPECT_TRUE(units->isChecked());
    EXPECT_EQ(textOf(&S::itemCount), QStringLiteral("40"));
    auto* menu = part<QMenu>("unitMenu");
    ASSERT_TRUE(menu->isVisible());

    auto* volume = findControl<QAction>(menu, &S::volume);
    ASSERT_TRUE(volume);
    volume->trigger();
    menu->close();
    EXPECT_FALSE(window->application().settings.volume.checked);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 1000)) << "体积 reopens";
    EXPECT_FALSE(volume->isChecked());
    menu->close();
}

TEST_F(MainWindowTest, SavedSetsAreListedAndTheChosenOneCanBeDeleted)
{
    std::ofstream(history, std::ios::binary) << "2024/5/1|3| 12+3 4+5\r\n"
                                                "2024/5/2|4| 1+2+3\r\n";
    start();
    auto* list = part<QComboBox>("savedSetList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("2024/5/1竖式"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("2024/5/2脱式"));
    EXPECT_EQ(list->currentIndex(), -1);

    window->show();
    list->setCurrentIndex(0);
    emit list->activated(0);
    auto* menu = part<QMenu>("savedSetMenu");
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 1000));
    findPart<QAction>(menu, "deleteAction")->trigger();
    menu->close();
    EXPECT_EQ(count(QStringLiteral("删除完毕")), 1);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), QStringLiteral("2024/5/2脱式"));
    std::ifstream in(history, std::ios::binary);
    const std::string rest((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(rest, "2024/5/2|4| 1+2+3\r\n");
}

// 份数 3 writes one question and one answer document for the three sets, each saved and listed
// with its code; 查找 with a code (in either case) selects that set and offers to load it.
TEST_F(MainWindowTest, CopiesWriteOneClassPairAndACodeFindsItsSavedSet)
{
    window->show();
    check(&S::answerSheet)->click();
    part<QSpinBox>("copiesBox")->setValue(3);
    const auto hung = watchdog(60);
    part<QPushButton>("generateButton")->click();
    EXPECT_FALSE(*hung);
    const std::vector<fs::path> files = writtenDocuments();
    ASSERT_EQ(files.size(), 2u);
    auto* saved = part<QComboBox>("savedSetList");
    ASSERT_EQ(saved->count(), 3);
    const QString code = saved->itemText(1).section(u' ', -1);
    EXPECT_EQ(code.size(), 5) << saved->itemText(1).toStdString();

    part<QLineEdit>("sheetCodeBox")->setText(code.toLower());
    part<QPushButton>("findSheetButton")->click();
    EXPECT_EQ(saved->currentIndex(), 1);
    auto* menu = part<QMenu>("savedSetMenu");
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 1000));
    menu->close();
    part<QLineEdit>("sheetCodeBox")->setText(QStringLiteral("ZZZZZ"));
    part<QPushButton>("findSheetButton")->click();
    EXPECT_EQ(count(QStringLiteral("历史记录里没有代码为“ZZZZZ”的题目卷。")), 1);
}

// 名单 takes the place of 份数 until it is cleared; a file that is no list is refused with the
// reason and keeps the list read before.
TEST_F(MainWindowTest, ARosterTakesThePlaceOfTheCopiesUntilCleared)
{
    std::ofstream(rosterFile.toStdString(), std::ios::binary) << "王小明\n李华\n";
    part<QPushButton>("rosterButton")->click();
    EXPECT_EQ(part<QLabel>("rosterLabel")->text(), QStringLiteral("2 个名字"));
    EXPECT_FALSE(part<QSpinBox>("copiesBox")->isEnabled());
    std::ofstream(rosterFile.toStdString(), std::ios::binary | std::ios::trunc) << "\n\n";
    part<QPushButton>("rosterButton")->click();
    EXPECT_EQ(part<QLabel>("rosterLabel")->text(), QStringLiteral("2 个名字"));
    EXPECT_EQ(count(QStringLiteral("名单里没有名字")), 1);
    const auto hung = watchdog(60);
    part<QPushButton>("generateButton")->click();
    EXPECT_FALSE(*hung);
    auto* saved = part<QComboBox>("savedSetList");
    ASSERT_EQ(saved->count(), 2);
    EXPECT_TRUE(saved->itemText(0).endsWith(QStringLiteral(" 王小明")));
    EXPECT_TRUE(saved->itemText(1).endsWith(QStringLiteral(" 李华")));
    part<QPushButton>("clearRosterButton")->click();
    EXPECT_TRUE(part<QLabel>("rosterLabel")->text().isEmpty());
    EXPECT_TRUE(part<QSpinBox>("copiesBox")->isEnabled());
    EXPECT_FALSE(part<QPushButton>("clearRosterButton")->isEnabled());
}

// 加入本页 lists each part with its count; 生成练习 then writes them all on one sheet, and the
// history keeps it as one entry. A kind no mixed sheet holds is refused with the reason.
TEST_F(MainWindowTest, PartsAddedToThePageAreWrittenAsOneMixedSheet)
{
    auto* list = part<QListWidget>("sheetPartList");
    auto* add = part<QPushButton>("addPartButton");
    option(&S::oralOption)->click();
    typeInto(&S::itemCount, QStringLiteral("12"));
    add->click();
    option(&S::unitsOption)->click();
    add->click();
    EXPECT_EQ(count(QStringLiteral("“单位换算”不能放进混合练习")), 1);
    option(&S::verticalOption)->click();
    add->click();
    option(&S::stepsOption)->click();
    add->click();
    ASSERT_EQ(list->count(), 3);
    list->setCurrentRow(1);
    part<QPushButton>("removePartButton")->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("一、口算  12题"));
    EXPECT_TRUE(list->item(1)->text().startsWith(QStringLiteral("二、脱式计算")));

    check(&S::answerSheet)->click();
    const auto hung = watchdog(30);
    part<QPushButton>("generateButton")->click();
    EXPECT_FALSE(*hung);
    const std::vector<fs::path> files = writtenDocuments();
    ASSERT_EQ(files.size(), 2u);
    for (const fs::path& file : files)
        EXPECT_TRUE(file.filename().string().starts_with("混合练习")) << file;
    EXPECT_EQ(count(QStringLiteral("当前计算内容保存完毕！")), 1);
    auto* saved = part<QComboBox>("savedSetList");
    ASSERT_EQ(saved->count(), 1);
    EXPECT_TRUE(saved->itemText(0).endsWith(QStringLiteral("混合练习")));
    EXPECT_TRUE(option(&S::stepsOption)->isChecked()) << "the window keeps its own settings";

    // With 份数 3 each pupil's mixed sheet is saved as an entry with its own code.
    part<QSpinBox>("copiesBox")->setValue(3);
    part<QPushButton>("generateButton")->click();
    EXPECT_FALSE(*hung);
    ASSERT_EQ(saved->count(), 4);
    QSet<QString> codes;
    for (int k = 1; k < 4; ++k) {
        const QString entry = saved->itemText(k);
        EXPECT_EQ(entry.section(u' ', 0, 0).right(4), QStringLiteral("混合练习")) << k;
        codes.insert(entry.section(u' ', 1));
    }
    EXPECT_EQ(codes.size(), 3);
}

} // namespace
} // namespace quill

namespace quill
{
namespace
{

// The settings of the last window come back at the next start; 恢复默认设置 goes back to
// the settings of a first start.
TEST_F(MainWindowTest, SettingsAreKeptBetweenStartsUntilTheDefaultsAreRestored)
{
    const QString defaults = shown();
    window.reset();
    remember = true;
    start();
    changeSettings();
    const QString changed = shown();
    ASSERT_NE(changed, defaults);
    window.reset();
    start();
    EXPECT_EQ(shown(), changed);
    trigger("restoreDefaultsAction");
    EXPECT_EQ(shown(), defaults);
    EXPECT_EQ(count(QStringLiteral("已恢复默认设置。")), 1);
    window.reset();
    start();
    EXPECT_EQ(shown(), defaults);
}

// A kept value that cannot be read back, however it came about, starts the window from the
// defaults with a message.
TEST_F(MainWindowTest, AKeptValueThatCannotBeReadStartsFromTheDefaults)
{
    const QString defaults = shown();
    window.reset();
    remember = true;
    for (const char* kept : {"grade = 99\n", "kind = [\n", "colour = 1\n", "\x01\xff"}) {
        QSettings(settingsIni, QSettings::IniFormat)
            .setValue(QStringLiteral("window/recipe"), QString::fromLatin1(kept));
        start();
        EXPECT_EQ(shown(), defaults) << kept;
        EXPECT_EQ(count(QStringLiteral("上次的设置无法恢复")), 1) << kept;
        window.reset();
    }
}

// 保存设置 writes a recipe that 载入设置 reads into another window; a file that is no recipe
// leaves the settings as they were and says why.
TEST_F(MainWindowTest, SavedSettingsLoadIntoAnotherWindow)
{
    changeSettings();
    const QString changed = shown();
    trigger("saveSettingsAction");
    ASSERT_TRUE(QFile::exists(recipeFile)) << messages().toStdString();
    window.reset();
    start();
    const QString defaults = shown();
    trigger("loadSettingsAction");
    EXPECT_EQ(shown(), changed) << messages().toStdString();

    trigger("restoreDefaultsAction");
    QFile broken(recipeFile);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("count = 30\ncolour = \"red\"\n");
    broken.close();
    trigger("loadSettingsAction");
    EXPECT_EQ(shown(), defaults);
    EXPECT_TRUE(messages().contains(QStringLiteral("第2行，键“colour”")))
        << messages().toStdString();
}

// A mixed recipe fills the page's list with its parts and leaves the controls alone; one
// with a part no mixed sheet holds changes nothing.
TEST_F(MainWindowTest, MixedRecipeLoadsIntoThePageList)
{
    auto* list = part<QListWidget>("sheetPartList");
    const auto writeRecipe = [&](const char* text) {
        QFile file(recipeFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    };
    const QString before = shown();
    writeRecipe("grade = 5\n[[part]]\nkind = \"oral\"\ncount = 20\n"
                "[[part]]\nkind = \"steps\"\ncount = 4\n");
    trigger("loadSettingsAction");
    ASSERT_EQ(list->count(), 2) << messages().toStdString();
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("一、口算  20题"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("二、脱式计算  4题"));
    EXPECT_EQ(shown(), before);

    writeRecipe("[[part]]\nkind = \"units\"\n");
    trigger("loadSettingsAction");
    EXPECT_EQ(list->count(), 2);
    EXPECT_TRUE(messages().contains(QStringLiteral("不能放进混合练习")))
        << messages().toStdString();
}

} // namespace
} // namespace quill
