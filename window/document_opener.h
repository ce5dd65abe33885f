#pragma once

#include <QString>
#include <functional>

namespace quill
{

// Opens a saved file with the desktop's default application for its type. When that cannot
// be done (the file is gone, the opener is missing, no application handles the type),
// `failed` is called with the reason, right away or once the opener has finished.
void openWithDesktop(const QString& file, std::function<void(const QString& reason)> failed,
                     const QString& opener = QStringLiteral("xdg-open"));

} // namespace quill
