#include "window/window_start.h"

#include "base/install_layout.h"
#include "base/version.h"
#include "window/artwork.h"
#include "window/main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quill
{

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationVersion(QString::fromLatin1(versionText));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopEntryId));
    QApplication::setWindowIcon(programIcon());
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

int runWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    MainWindow window;
    window.show();
    return QApplication::exec();
}

} // namespace quill
