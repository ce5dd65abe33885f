#include "window/records_view.h"

#include "engine/generation_run.h"
#include "records/pupil_records.h"
#include "settings/control_glossary.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace quill
{

namespace
{

constexpr int defaultReviewCount = 20;

QString glossaryName(std::string_view part)
{
    return QString::fromUtf8(controlName(part, recordsForm));
}

template <typename Widget> Widget* named(Widget* widget, std::string_view part)
{
    widget->setObjectName(glossaryName(part));
    return widget;
}

QString fromText(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The whole part of 100 × right ÷ items, as the summary gave it.
int scoreOf(const SetRecord& set)
{
    return set.itemCount > 0 ? 100 * set.rightCount / set.itemCount : 0;
}

QStringList setRow(const SetRecord& set)
{
    return {fromText(set.started), QString::number(scoreOf(set)),
            QStringLiteral("%1/%2").arg(set.rightCount).arg(set.itemCount),
            QStringLiteral("%1分%2秒").arg(set.seconds / 60).arg(set.seconds % 60) +
                (set.finished ? QString() : QStringLiteral("（未交卷）"))};
}

} // namespace

RecordsView::RecordsView(std::filesystem::path recordsFile, WriteMistakesSheet write,
                         QWidget* parent)
    : QDialog(parent), recordsFile_(std::move(recordsFile)), write_(std::move(write))
{
    setObjectName(glossaryName("recordsView"));
    setWindowTitle(QStringLiteral("练习记录"));
    buildControls();
    refresh();
}

void RecordsView::buildControls()
{
    pupils_ = named(new QComboBox(this), "recordsPupilBox");
    pupils_->setMinimumWidth(160);
    sets_ = named(new QTableWidget(0, 4, this), "setsTable");
    sets_->setHorizontalHeaderLabels({QStringLiteral("日期"), QStringLiteral("得分"),
                                      QStringLiteral("对/共"), QStringLiteral("用时")});
    sets_->verticalHeader()->hide();
    sets_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    sets_->horizontalHeader()->setStretchLastSection(true);
    sets_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sets_->setSelectionMode(QAbstractItemView::NoSelection);
    mistakes_ = named(new QListWidget(this), "mistakesList");
    count_ = named(new QSpinBox(this), "reviewCountBox");
    count_->setRange(0, largestItemCount);
    count_->setSpecialValueText(QStringLiteral("只要错题")); // 0: exactly the mistakes
    count_->setValue(defaultReviewCount);
    auto* review = named(new QPushButton(QStringLiteral("生成错题练习"), this), "reviewButton");
    message_ = named(new QLabel(this), "recordsMessage");
    message_->setWordWrap(true);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("学生："), this));
    top->addWidget(pupils_);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("题量："), this));
    bottom->addWidget(count_);
    bottom->addWidget(review);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("答过的练习："), this));
    layout->addWidget(sets_, 2);
    layout->addWidget(new QLabel(QStringLiteral("做错、还没有改对的题："), this));
    layout->addWidget(mistakes_, 1);
    layout->addLayout(bottom);
    layout->addWidget(message_);
    resize(520, 520);

    connect(pupils_, &QComboBox::currentIndexChanged, this, &RecordsView::showPupil);
    connect(review, &QPushButton::clicked, this, &RecordsView::writeSheet);
}

void RecordsView::refresh()
{
    const QString chosen = pupils_->currentText();
    const QSignalBlocker quiet(pupils_);
    pupils_->clear();
    std::error_code error;
    if (!std::filesystem::exists(recordsFile_, error)) {
        message_->setText(QStringLiteral("还没有练习记录：上机答题时选了学生姓名才记录。"));
    } else {
        PupilRecords records(recordsFile_);
        for (const std::string& pupil : records.pupils())
            pupils_->addItem(fromText(pupil));
        message_->setText(records.result() ? QString()
                                           : QStringLiteral("练习记录读不出来：") +
                                                 fromText(records.result().describe()));
    }
    pupils_->setCurrentIndex(std::max(0, pupils_->findText(chosen)));
    showPupil();
}

void RecordsView::showPupil()
{
    sets_->setRowCount(0);
    mistakes_->clear();
    if (pupils_->currentIndex() < 0)
        return;
    const std::string pupil = pupils_->currentText().toStdString();
    PupilRecords records(recordsFile_);
    for (const SetRecord& set : records.sets(pupil)) {
        const int row = sets_->rowCount();
        sets_->insertRow(row);
        const QStringList cells = setRow(set);
        for (int column = 0; column < cells.size(); ++column)
            sets_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    for (const MistakeRecord& mistake : records.mistakes(pupil, ""))
        mistakes_->addItem(fromText(mistake.item));
    if (!records.result())
        message_->setText(QStringLiteral("练习记录读不出来：") +
                          fromText(records.result().describe()));
}

void RecordsView::writeSheet()
{
    if (pupils_->currentIndex() < 0) {
        message_->setText(QStringLiteral("请先选择学生！"));
        return;
    }
    const int count = count_->value();
    write_(pupils_->currentText().toStdString(),
           count > 0 ? std::optional<std::size_t>(count) : std::nullopt);
}

} // namespace quill
