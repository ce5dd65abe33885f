#include "window/pupil_name_dialog.h"

#include "engine/pupil_recording.h"
#include "settings/control_glossary.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace quill
{

namespace
{

QString glossaryName(std::string_view part)
{
    return QString::fromUtf8(controlName(part, pupilNameForm));
}

QComboBox* nameBox(QWidget* parent, const std::vector<std::string>& known)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(glossaryName("pupilNameBox"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(220);
    for (const std::string& name : known)
        box->addItem(QString::fromStdString(name));
    box->setCurrentIndex(-1);
    box->setEditText({});
    return box;
}

} // namespace

std::optional<std::string> askPupilName(QWidget* parent, const std::vector<std::string>& known)
{
    QDialog dialog(parent);
    dialog.setObjectName(glossaryName("pupilNameDialog"));
    dialog.setWindowTitle(QStringLiteral("谁来答题？"));
    auto* question =
        new QLabel(QStringLiteral("请选择或输入学生姓名，答题结果记在他的练习记录里："), &dialog);
    QComboBox* names = nameBox(&dialog, known);
    auto* problem = new QLabel(&dialog);
    problem->setObjectName(glossaryName("pupilNameProblem"));
    problem->setStyleSheet(QStringLiteral("color: red"));
    auto* record = new QPushButton(QStringLiteral("记录"), &dialog);
    record->setObjectName(glossaryName("recordButton"));
    record->setDefault(true);
    auto* skip = new QPushButton(QStringLiteral("不记录"), &dialog);
    skip->setObjectName(glossaryName("noRecordButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(record);
    buttons->addWidget(skip);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(question);
    layout->addWidget(names);
    layout->addWidget(problem);
    layout->addLayout(buttons);

    // A name no record can be kept under is said, and the dialog stays for another.
    QObject::connect(record, &QPushButton::clicked, &dialog, [&] {
        const std::string why = pupilNameProblem(names->currentText().trimmed().toStdString());
        if (why.empty())
            dialog.accept();
        else
            problem->setText(QString::fromStdString(why));
    });
    QObject::connect(skip, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return names->currentText().trimmed().toStdString();
}

} // namespace quill
