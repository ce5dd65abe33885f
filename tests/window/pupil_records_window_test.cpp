#include "records/pupil_records.h"
#include "support/glossary_controls.h"
#include "support/qt_printers.h"
#include "window/answering_window.h"
#include "window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace quill
{
namespace
{

namespace fs = std::filesystem;
using testing::findPart;

// Answers every modal window that opens from now on: the name dialog with `pupil` (or
// 不记录 when it is empty), a message box with OK.
void answerModals(QObject* owner, QString pupil)
{
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, poll, [pupil] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal);
                   dialog && dialog->objectName() == "Form3") {
            findPart<QComboBox>(dialog, "pupilNameBox", pupilNameForm)->setEditText(pupil);
            findPart<QPushButton>(dialog, pupil.isEmpty() ? "noRecordButton" : "recordButton",
                                  pupilNameForm)
                ->click();
        }
    });
    poll->start(5);
}

class PupilRecordsWindowTest : public ::testing::Test
{
protected:
    QTemporaryDir scratch;
    fs::path folder = fs::path(scratch.path().toStdString());
    fs::path history = folder / "历史题目.txt";
    fs::path records = folder / recordsFileName;
    std::unique_ptr<MainWindow> window;
    int asked = 0;

    void start(QString pupil)
    {
        WindowOptions options;
        options.documentFolder = folder / "documents";
        options.historyFile = history;
        options.openDocument = [](const fs::path&) {};
        options.trayIcon = false;
        options.askPupil = [this](QWidget* parent, const std::vector<std::string>& known) {
            ++asked;
            return askPupilName(parent, known);
        };
        window = std::make_unique<MainWindow>(options);
        answerModals(window.get(), pupil);
        ExerciseSettings& s = window->application().settings;
        for (CheckBox* box : {&s.subtraction, &s.multiplication, &s.division})
            box->checked = false; // sums of whole numbers: never 0
        s.itemCount.text = "3";
    }

    AnsweringWindow* answerOnScreen()
    {
        findPart<QPushButton>(window.get(), "answerOnScreenButton")->click();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* answering = qobject_cast<AnsweringWindow*>(top);
                answering && answering->isVisible())
                return answering;
        return nullptr;
    }

    QString messages()
    {
        return window->findChild<QPlainTextEdit*>(QStringLiteral("messageLine"))->toPlainText();
    }
};

TEST_F(PupilRecordsWindowTest, TheNameChosenOnceRecordsEachSetAndItsItems)
{
    start(QStringLiteral("小明"));
    AnsweringWindow* answering = answerOnScreen();
    ASSERT_TRUE(answering);
    const std::string wrongItem = answering->session().currentSavedText();
    findPart<QLineEdit>(answering, "answerBox", answeringForm)->setText(QStringLiteral("0"));
    findPart<QPushButton>(answering, "submitButton", answeringForm)->click();
    findPart<QPushButton>(answering, "finishButton", answeringForm)->click();
    answering->close();
    ASSERT_TRUE(answerOnScreen()) << "a second set";
    EXPECT_EQ(asked, 1) << "the name is asked once a window session";

    PupilRecords read(records);
    EXPECT_EQ(read.pupils(), std::vector<std::string>{"小明"});
    const std::vector<SetRecord> sets = read.sets("小明");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_TRUE(sets[0].finished);
    EXPECT_EQ(sets[0].itemCount, 3);
    EXPECT_EQ(sets[0].rightCount, 0);
    const std::vector<MistakeRecord> mistakes = read.mistakes("小明", "");
    ASSERT_EQ(mistakes.size(), 1u);
    EXPECT_EQ(mistakes[0].item, wrongItem);
}

TEST_F(PupilRecordsWindowTest, NoRecordMakesNoDatabase)
{
    start({});
    ASSERT_TRUE(answerOnScreen());
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(fs::exists(records));
}

TEST_F(PupilRecordsWindowTest, AnUnusableDatabaseIsToldAndAnsweringGoesOn)
{
    fs::create_directories(records); // a folder where the database should be
    start(QStringLiteral("小红"));
    AnsweringWindow* answering = answerOnScreen();
    ASSERT_TRUE(answering) << "answering goes on unrecorded";
    EXPECT_TRUE(messages().contains(QStringLiteral("练习记录出错，这次不记录")))
        << messages().toStdString();
}

// 小明 answered one set: 37＋48 wrong, 3＋4 right.
void recordOneSet(const fs::path& file)
{
    PupilRecords records(file);
    ASSERT_TRUE(records.beginSet("小明", "", 2)) << records.result().describe();
    ASSERT_TRUE(records.recordAnswer({"37＋48", "75", false, 3}));
    ASSERT_TRUE(records.recordAnswer({"3＋4", "7", true, 1}));
    ASSERT_TRUE(records.finishSet(1, 62));
}

class RecordsViewTest : public PupilRecordsWindowTest
{
protected:
    QDialog* openView()
    {
        start({});
        findPart<QPushButton>(window.get(), "recordsButton")->click();
        return window->findChild<QDialog*>(QStringLiteral("Form4"));
    }

    std::vector<fs::path> documents()
    {
        std::vector<fs::path> files;
        if (fs::exists(folder / "documents"))
            for (const auto& entry : fs::directory_iterator(folder / "documents"))
                files.push_back(entry.path());
        return files;
    }
};

TEST_F(RecordsViewTest, ListsThePupilsSetsAndTheItemsStillWrong)
{
    recordOneSet(records);
    QDialog* view = openView();
    ASSERT_TRUE(view);
    EXPECT_EQ(findPart<QComboBox>(view, "recordsPupilBox", recordsForm)->currentText(),
              QStringLiteral("小明"));
    auto* sets = findPart<QTableWidget>(view, "setsTable", recordsForm);
    ASSERT_EQ(sets->rowCount(), 1);
    EXPECT_EQ(sets->item(0, 1)->text(), QStringLiteral("50"));
    EXPECT_EQ(sets->item(0, 2)->text(), QStringLiteral("1/2"));
    EXPECT_EQ(sets->item(0, 3)->text(), QStringLiteral("1分2秒"));
    auto* mistakes = findPart<QListWidget>(view, "mistakesList", recordsForm);
    ASSERT_EQ(mistakes->count(), 1);
    EXPECT_EQ(mistakes->item(0)->text(), QStringLiteral("37＋48"));
}

TEST_F(RecordsViewTest, TheMistakesSheetIsWrittenWithItsAnswersAndToppedUp)
{
    recordOneSet(records);
    QDialog* view = openView();
    ASSERT_TRUE(view);
    findPart<QSpinBox>(view, "reviewCountBox", recordsForm)->setValue(5);
    findPart<QPushButton>(view, "reviewButton", recordsForm)->click();
    EXPECT_EQ(documents().size(), 2u) << messages().toStdString();
    EXPECT_TRUE(messages().contains(QStringLiteral("小明的错题 1 道，另出同类新题 4 道。")))
        << messages().toStdString();
}

TEST_F(RecordsViewTest, WithoutRecordsItSaysSoAndMakesNoDatabase)
{
    QDialog* view = openView();
    ASSERT_TRUE(view);
    EXPECT_EQ(findPart<QComboBox>(view, "recordsPupilBox", recordsForm)->count(), 0);
    EXPECT_FALSE(findPart<QLabel>(view, "recordsMessage", recordsForm)->text().isEmpty());
    EXPECT_FALSE(fs::exists(records));
}

} // namespace
} // namespace quill
