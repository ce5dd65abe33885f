#include "window/settings_memory.h"

#include <QSettings>
#include <memory>

namespace quill
{

namespace
{

const QString recipeKey = QStringLiteral("window/recipe");

std::unique_ptr<QSettings> store(const QString& iniFile)
{
    if (iniFile.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("Quillmere"), QStringLiteral("Quillmere"));
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

} // namespace

std::string SettingsMemory::recall() const
{
    return store(iniFile_)->value(recipeKey).toString().toStdString();
}

void SettingsMemory::keep(const std::string& recipe) const
{
    store(iniFile_)->setValue(recipeKey, QString::fromStdString(recipe));
}

} // namespace quill
