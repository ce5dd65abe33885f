#include "window/answering_window.h"

#include "base/short_date.h"
#include "settings/control_glossary.h"
#include "window/right_answer_picture.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QValidator>

namespace quill
{

namespace
{

constexpr int wideAnswerBox = 240;   // px: the answer box alone
constexpr int narrowAnswerBox = 110; // px: quotient and remainder side by side

QString fromText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont sizedFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font;
    font.setFamilies({"Noto Sans CJK SC", "WenQuanYi Micro Hei", "sans-serif"});
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QString glossaryName(std::string_view part)
{
    return QString::fromUtf8(controlName(part, answeringForm));
}

// Gives a widget the glossary's name of the window part it is.
template <typename Widget> Widget* named(Widget* widget, std::string_view part)
{
    widget->setObjectName(glossaryName(part));
    return widget;
}

QLabel* redLabel(QWidget* parent, std::string_view part, int pixelSize)
{
    auto* label = named(new QLabel(parent), part);
    label->setFont(sizedFont(pixelSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    return label;
}

// Keeps out of an answer box what no answer holds (letters, a second point), as it is typed.
class AnswerValidator : public QValidator
{
public:
    AnswerValidator(AnswerCharacters allowed, QObject* parent)
        : QValidator(parent), allowed_(allowed)
    {
    }

    State validate(QString& input, int&) const override
    {
        return answerTextAllowed(input.toStdString(), allowed_) ? Acceptable : Invalid;
    }

private:
    AnswerCharacters allowed_;
};

QLineEdit* answerBox(QWidget* parent, std::string_view part, AnswerCharacters allowed)
{
    auto* box = named(new QLineEdit(parent), part);
    box->setFont(sizedFont(28));
    box->setAlignment(Qt::AlignCenter);
    box->setValidator(new AnswerValidator(allowed, box));
    return box;
}

} // namespace

AnsweringWindow::AnsweringWindow(AnsweringSession session, QWidget* parent)
    : QWidget(parent), session_(std::move(session))
{
    setObjectName(glossaryName("answeringWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();

    clock_.setObjectName(glossaryName("clockTimer"));
    clock_.setInterval(clockInterval);
    connect(&clock_, &QTimer::timeout, this, &AnsweringWindow::clockTick);
    advance_.setObjectName(glossaryName("advanceTimer"));
    advance_.setInterval(advanceInterval);
    advance_.setSingleShot(true);
    connect(&advance_, &QTimer::timeout, this, &AnsweringWindow::advanceAfterJudgement);

    showCurrentItem();
    refreshStatus();
    refreshCaption();
    clock_.start();
}

void AnsweringWindow::buildControls()
{
    answering_ = new QWidget(this);
    QWidget* in = answering_;
    item_ = named(new QLabel(in), "itemLabel");
    item_->setFont(sizedFont(40, QFont::Bold));
    auto* equals = new QLabel(QStringLiteral("＝"), in);
    equals->setFont(sizedFont(40, QFont::Bold));
    answer_ = answerBox(in, "answerBox", session_.answerCharacters());
    dots_ = named(new QLabel(QStringLiteral("……"), in), "remainderDots");
    dots_->setFont(sizedFont(28));
    remainder_ = answerBox(in, "remainderBox", {});
    remainder_->setFixedWidth(narrowAnswerBox);
    hint_ = redLabel(in, "placesHint", 18);
    status_ = redLabel(this, "statusLine", 18);
    summary_ = named(new QLabel(this), "summaryText");
    summary_->setFont(sizedFont(20));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    summary_->hide();
    submit_ = named(new QPushButton(QStringLiteral("提交"), in), "submitButton");
    previous_ = named(new QPushButton(QStringLiteral("上一题"), in), "previousButton");
    next_ = named(new QPushButton(QStringLiteral("下一题"), in), "nextButton");
    finish_ = named(new QPushButton(QStringLiteral("交卷"), in), "finishButton");
    picture_ = named(new QLabel(this), "rightAnswerPicture");
    picture_->setPixmap(drawRightAnswerPicture(devicePixelRatioF()));
    picture_->setFixedSize(rightAnswerPictureWidth, rightAnswerPictureHeight);
    QSizePolicy keepPlace = picture_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the items do not jump when it shows
    picture_->setSizePolicy(keepPlace);

    auto* itemRow = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(item_), static_cast<QWidget*>(equals),
                       static_cast<QWidget*>(answer_), static_cast<QWidget*>(dots_),
                       static_cast<QWidget*>(remainder_)})
        itemRow->addWidget(w);
    itemRow->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {submit_, previous_, next_, finish_}) {
        button->setFont(sizedFont(18));
        button->setMinimumSize(110, 40);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* answering = new QVBoxLayout(answering_);
    answering->setContentsMargins(0, 0, 0, 0);
    answering->addLayout(itemRow);
    answering->addWidget(hint_);
    answering->addSpacing(12);
    answering->addLayout(buttons);
    auto* left = new QVBoxLayout;
    left->addStretch();
    left->addWidget(answering_);
    left->addWidget(summary_);
    left->addSpacing(12);
    left->addWidget(status_);
    left->addStretch();
    auto* whole = new QHBoxLayout(this);
    whole->setContentsMargins(28, 20, 20, 20);
    whole->addLayout(left, 1);
    whole->addWidget(picture_, 0, Qt::AlignVCenter);

    connect(submit_, &QPushButton::clicked, this, &AnsweringWindow::submitAnswer);
    connect(answer_, &QLineEdit::returnPressed, this, &AnsweringWindow::submitAnswer);
    connect(remainder_, &QLineEdit::returnPressed, this, &AnsweringWindow::submitAnswer);
    connect(previous_, &QPushButton::clicked, this, &AnsweringWindow::goPrevious);
    connect(next_, &QPushButton::clicked, this, &AnsweringWindow::goNext);
    connect(finish_, &QPushButton::clicked, this, &AnsweringWindow::finishSet);
}

// Every item starts with empty boxes and no picture; the boxes follow what it asks for.
void AnsweringWindow::showCurrentItem()
{
    item_->setText(fromText(session_.currentItem()));
    const bool remainder = session_.asksRemainder();
    answer_->setFixedWidth(remainder ? narrowAnswerBox : wideAnswerBox);
    dots_->setVisible(remainder);
    remainder_->setVisible(remainder);
    answer_->clear();
    remainder_->clear();
    hint_->setText(fromText(session_.placesHint()));
    picture_->hide();
    answer_->setFocus();
    askedAt_ = session_.elapsedSeconds();
}

void AnsweringWindow::refreshStatus()
{
    status_->setText(fromText(session_.statusLine()));
}

void AnsweringWindow::refreshCaption()
{
    setWindowTitle(fromText(session_.caption(shortDateText())));
}

void AnsweringWindow::clockTick()
{
    session_.tick();
    refreshCaption();
    refreshStatus();
}

void AnsweringWindow::submitAnswer()
{
    const Verdict verdict =
        session_.submit(answer_->text().toStdString(), remainder_->text().toStdString());
    switch (verdict) {
    case Verdict::AnswerMissing:
    case Verdict::NotAnAnswer: // only text set from outside the box gets here
        answer_->setFocus();
        return;
    case Verdict::AlreadyMarked:
        tell(QMessageBox::Information, alreadyMarkedMessage);
        return;
    case Verdict::NotReduced:
    case Verdict::NotAFraction:
        if (tell(QMessageBox::Information,
                 verdict == Verdict::NotReduced ? notReducedMessage : notAFractionMessage)) {
            answer_->selectAll();
            answer_->setFocus();
        }
        return;
    case Verdict::RemainderMissing:
        remainder_->setFocus();
        return;
    case Verdict::Right:
        recordJudged(true);
        picture_->show();
        refreshStatus();
        break;
    case Verdict::Wrong:
        recordJudged(false);
        picture_->hide();
        refreshStatus();
        if (!tell(QMessageBox::Information, session_.wrongAnswerMessage()))
            return;
        break;
    }
    advance_.start();
}

void AnsweringWindow::recordTo(std::unique_ptr<PupilRecording> recording)
{
    recording_ = std::move(recording);
}

void AnsweringWindow::recordJudged(bool right)
{
    if (!recording_)
        return;
    std::string given = answer_->text().toStdString();
    if (remainder_->isVisible() && !remainder_->text().isEmpty())
        given += "……" + remainder_->text().toStdString();
    recording_->record(
        {session_.currentSavedText(), given, right, session_.elapsedSeconds() - askedAt_});
}

void AnsweringWindow::endRecording()
{
    if (!recording_)
        return;
    recording_->finish(session_);
    recording_.reset();
}

void AnsweringWindow::goNext()
{
    advance_.stop();
    if (session_.next()) {
        showCurrentItem();
        refreshStatus();
        return;
    }
    answer_->clear();
    picture_->hide();
    tell(QMessageBox::Question, noNextItemMessage);
}

void AnsweringWindow::advanceAfterJudgement()
{
    if (session_.lastItem())
        finishSet();
    else
        goNext();
}

void AnsweringWindow::finishSet()
{
    advance_.stop();
    clock_.stop();
    session_.finish();
    endRecording();
    refreshCaption();
    QStringList lines;
    for (const std::string& line : session_.summaryLines())
        lines << fromText(line);
    summary_->setText(lines.join(QLatin1Char('\n')));
    answering_->hide();
    picture_->hide();
    status_->hide();
    summary_->show();
    adjustSize(); // a long list of wrong items must not be cut off
}

// A move the pupil asks for cancels the automatic one.
void AnsweringWindow::goPrevious()
{
    advance_.stop();
    if (session_.previous()) {
        showCurrentItem();
        refreshStatus();
        return;
    }
    tell(QMessageBox::Question, noPreviousItemMessage);
}

bool AnsweringWindow::tell(QMessageBox::Icon icon, std::string_view text)
{
    // On the heap and guarded: closing the program can delete this window, and the box
    // with it, while the box waits.
    const QPointer<AnsweringWindow> self(this);
    const QPointer<QMessageBox> box = new QMessageBox(icon, fromText(answeringMessageTitle),
                                                      fromText(text), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("answeringMessage"));
    box->exec();
    delete box.data();
    return !self.isNull();
}

bool AnsweringWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !remainder_->hasFocus())
        answer_->setFocus();
    return QWidget::event(event);
}

void AnsweringWindow::closeEvent(QCloseEvent* event)
{
    clock_.stop();
    advance_.stop();
    endRecording();
    emit closed();
    event->accept();
}

} // namespace quill
