#pragma once

// The answering window: one item at a time in large type, the answer box (and the remainder
// box), the hint, the buttons, the status line, the clock in the caption and the picture
// after a right answer. What is right, the score and the clock belong to the session.

#ifndef Q_MOC_RUN // moc cannot read the C++20 standard headers these reach
#include "engine/answering_session.h"
#include "engine/pupil_recording.h"
#endif

#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quill
{

inline constexpr int clockInterval = 1000;   // ms
inline constexpr int advanceInterval = 2000; // ms after a judgement, the next item comes

class AnsweringWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AnsweringWindow(AnsweringSession session, QWidget* parent = nullptr);

    const AnsweringSession& session() const { return session_; }
    // Each judged item and the finished set go to a pupil's records from now on.
    void recordTo(std::unique_ptr<PupilRecording> recording);

signals:
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showCurrentItem();
    void refreshStatus();
    void refreshCaption();
    void clockTick();
    void submitAnswer();
    void goNext();
    void goPrevious();
    // After a judgement: the next item, or the summary when the last one was judged.
    void advanceAfterJudgement();
    // 交卷: the clock stops and the summary takes the place of the item.
    void finishSet();
    void recordJudged(bool right);
    // The set as it stands goes to the records, once: at the summary or when the window closes.
    void endRecording();
    // A modal 友情提示 box; false when the window went away while it was open.
    bool tell(QMessageBox::Icon icon, std::string_view text);

    AnsweringSession session_;
    QLabel* item_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* hint_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QLineEdit* remainder_ = nullptr;
    QLabel* dots_ = nullptr;
    QPushButton* submit_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    QWidget* answering_ = nullptr; // the item, the boxes, the hint and the buttons
    QLabel* summary_ = nullptr;
    QLabel* picture_ = nullptr;
    std::unique_ptr<PupilRecording> recording_;
    int askedAt_ = 0; // the clock when the current item was shown, for its seconds
    QTimer clock_{this};
    QTimer advance_{this};
};

} // namespace quill
