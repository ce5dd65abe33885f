// Opens the answering window on a fixed set and saves a picture of it, to look at its
// layout under a virtual display (tools/answering-screenshot.sh). Modes:
//   remainder  a division at a remainder grade, quotient and remainder typed in
//   right      a right answer just submitted, the picture showing
//   summary    two items answered, one wrong, then 交卷: the summary
//   fraction   a fraction item with its answer typed in
// Also reports how long the window took to appear.

#include "settings/control_glossary.h"
#include "window/answering_window.h"
#include "window/window_start.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace
{

// The answering window's part that the control glossary calls `field`.
template <typename Widget> Widget* part(quill::AnsweringWindow& window, std::string_view field)
{
    return window.findChild<Widget*>(
        QString::fromUtf8(quill::controlName(field, quill::answeringForm)));
}

void typeInto(quill::AnsweringWindow& window, std::string_view box, const char* text)
{
    part<QLineEdit>(window, box)->setText(QString::fromUtf8(text));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    quill::prepareApplication(app);
    const QStringList args = QApplication::arguments();
    const QString mode = args.size() > 1 ? args.at(1) : QStringLiteral("remainder");
    const QString shot = args.size() > 2 ? args.at(2) : QString();

    QElapsedTimer sinceStart;
    sinceStart.start();
    quill::ExerciseSet set;
    if (mode == QStringLiteral("fraction")) {
        for (const char* item : {"3＋8＋1＋8", "5×6×3×10", "7－9－1－3"})
            set.push_back(*quill::parseFractionExpression(item));
    } else {
        for (const char* item : {"47÷6", "36＋58", "72÷8", "95－37", "8×7", "60÷7"})
            set.push_back(quill::OperationItem::read(item));
    }
    quill::AnsweringWindow window(
        quill::AnsweringSession(set, {.gradeIndex = 5, .divisionTicked = true}));
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    std::printf("answering window shown after %lld ms, size %dx%d\n",
                static_cast<long long>(sinceStart.elapsed()), window.width(), window.height());
    std::fflush(stdout);

    if (mode == QStringLiteral("fraction")) {
        typeInto(window, "answerBox", "1/2");
    } else {
        typeInto(window, "answerBox", "7");
        typeInto(window, "remainderBox", "5");
    }
    if (mode == QStringLiteral("right") || mode == QStringLiteral("summary"))
        part<QPushButton>(window, "submitButton")->click();
    if (mode == QStringLiteral("summary")) {
        // The wrong answer's box waits for 确定; a timer gives it.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        closer.start(50);
        part<QPushButton>(window, "nextButton")->click();
        typeInto(window, "answerBox", "84");
        part<QPushButton>(window, "submitButton")->click(); // wrong: the box is closed below
        part<QPushButton>(window, "finishButton")->click();
    }

    // Past the first clock tick, so the caption shows the time used.
    QTimer::singleShot(1300, [&] {
        if (!shot.isEmpty()) {
            const QPixmap picture = window.screen()->grabWindow(window.winId());
            std::printf("%s %s\n", picture.save(shot) ? "saved" : "could not save",
                        qPrintable(shot));
        }
        QApplication::exit(0);
    });
    return QApplication::exec();
}
