#include "app/window_start.h"

#include "app/main_window.h"
#include "app/version.h"
#include "ui/artwork.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

namespace quill
{

namespace
{

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationVersion(QString::fromLatin1(versionText));
    QApplication::setWindowIcon(programIcon());
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

bool displayAvailable()
{
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

const char* noDisplayMessage()
{
    return "没有可用的图形显示（DISPLAY 和 WAYLAND_DISPLAY 都没有设置），无法打开窗口。\n"
           "在终端里出题请用：quillmere generate（quillmere generate --help 列出全部选项）\n";
}

int runWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 window;
    window.show();
    return QApplication::exec();
}

} // namespace quill
