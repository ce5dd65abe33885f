// Starts the main window as the program does and reports how long it took until the window
// was on screen; with --screenshot FILE it also saves a picture of it. For looking at the
// window under a virtual display (tools/screenshot.sh). With --focus NAME the control of that
// object name has the keyboard focus. With --preview the picture is of 预览's window. With
// --busy the picture is taken while a run that cannot finish is drawing. With --roster FILE
// 名单 has read that class list.

#include "engine/settings_interlocks.h"
#include "settings/control_glossary.h"
#include "window/main_window.h"
#include "window/window_start.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    quill::prepareApplication(app);
    const QStringList args = QApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--screenshot"));
    const QString shot = at > 0 && at + 1 < args.size() ? args.at(at + 1) : QString();

    quill::WindowOptions options = quill::desktopWindowOptions();
    const auto scratch = std::filesystem::temp_directory_path() / "quillmere-probe";
    options.documentFolder = scratch / "documents";
    options.historyFile = scratch / "历史题目.txt";
    options.rememberSettings = false; // the pictures show the settings a first start shows
    const qsizetype roster = args.indexOf(QStringLiteral("--roster"));
    const QString rosterFile =
        roster > 0 && roster + 1 < args.size() ? args.at(roster + 1) : QString();
    options.askRosterFile = [&](QWidget*) { return rosterFile; };
    quill::MainWindow window(options);
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    std::printf("window shown after %lld ms (from main), size %dx%d\n",
                static_cast<long long>(sinceStart.elapsed()), window.width(), window.height());
    std::fflush(stdout);

    // --focus NAME gives the control of that object name the focus as a Tab press would,
    // to look at focus frames.
    if (const qsizetype focus = args.indexOf(QStringLiteral("--focus"));
        focus > 0 && focus + 1 < args.size())
        if (auto* control = window.findChild<QWidget*>(args.at(focus + 1))) {
            window.activateWindow(); // no window manager on a virtual display activates it
            window.setAttribute(Qt::WA_KeyboardFocusChange);
            control->setFocus(Qt::TabFocusReason);
        }
    if (!rosterFile.isEmpty())
        if (auto* button = window.findChild<QPushButton*>(
                QString::fromUtf8(quill::controlName("rosterButton"))))
            button->click();
    const bool busy = args.contains(QStringLiteral("--busy"));
    if (busy) {
        quill::ExerciseSettings& settings = window.application().settings;
        quill::setText(settings, settings.rangeEnd, "2"); // 1 to 2 never gives 24 items
        QTimer::singleShot(0, [&] {
            if (auto* generate = window.findChild<QPushButton*>(
                    QString::fromUtf8(quill::controlName("generateButton"))))
                generate->click();
        });
    }
    // --preview clicks 预览 and takes the picture of the preview window.
    const bool preview = args.contains(QStringLiteral("--preview"));
    if (preview)
        QTimer::singleShot(0, [&] {
            if (auto* button = window.findChild<QPushButton*>(
                    QString::fromUtf8(quill::controlName("previewButton"))))
                button->click();
        });
    QTimer::singleShot(busy || preview ? 2500 : 800, [&] {
        if (!shot.isEmpty()) {
            auto* dialog = window.findChild<QWidget*>(QStringLiteral("previewDialog"));
            const QWidget* shown = preview && dialog ? dialog : &window;
            const QPixmap picture = window.screen()->grabWindow(shown->winId());
            std::printf("%s %s\n", picture.save(shot) ? "saved" : "could not save",
                        qPrintable(shot));
        }
        window.application().run.stopRequested = true;
        QApplication::exit(0);
    });
    return QApplication::exec();
}
