#include "window/document_opener.h"

#include <QFileInfo>
#include <QProcess>

namespace quill
{

namespace
{

// The exit statuses xdg-open documents.
QString openerFailure(int exitCode)
{
    switch (exitCode) {
    case 2:
        return QStringLiteral("文件不存在");
    case 3:
        return QStringLiteral("没有能打开这种文件的程序");
    default:
        return QStringLiteral("打开失败（错误代码 %1）").arg(exitCode);
    }
}

} // namespace

void openWithDesktop(const QString& file, std::function<void(const QString& reason)> failed,
                     const QString& opener)
{
    if (!QFileInfo(file).isFile()) {
        failed(QStringLiteral("文件不存在"));
        return;
    }
    // Some openers run the application in the foreground until it closes, so the process
    // is left to finish on its own time and, if the program quits first, is left running
    // (deleting a running QProcess would kill the word processor). Its output goes nowhere:
    // an unread pipe would block the application once full.
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             failed(openerFailure(exitCode));
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed, opener](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         failed(QStringLiteral("找不到打开文件的程序 %1").arg(opener));
                         process->deleteLater();
                     });
    process->start(opener, {file});
}

} // namespace quill
