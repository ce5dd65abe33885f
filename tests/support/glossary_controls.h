#pragma once

// Finds a window's controls by the setting or window part they show, through the control
// glossary, so that tests never spell a control's short name.

#include "settings/control_glossary.h"

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <string_view>

namespace quill::testing
{

template <typename Object> Object* findNamed(const QObject* root, std::string_view name)
{
    Object* found = name.empty() ? nullptr : root->findChild<Object*>(QString::fromUtf8(name));
    if (!found)
        ADD_FAILURE() << "no control named \"" << name << "\" under "
                      << root->objectName().toStdString();
    return found;
}

// The control under `root` that shows the setting `member` (&ExerciseSettings::fillIn).
template <typename Object> Object* findControl(const QObject* root, const SettingMember& member)
{
    return findNamed<Object>(root, controlName(member));
}

// The part of a window under `root` that the glossary calls `field` ("generateButton").
template <typename Object>
Object* findPart(const QObject* root, std::string_view field, std::string_view form = mainForm)
{
    return findNamed<Object>(root, controlName(field, form));
}

} // namespace quill::testing
