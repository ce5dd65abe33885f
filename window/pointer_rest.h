#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <chrono>

class QWidget;

namespace quill
{

// Notices the pointer coming to rest on a widget (it moved onto or over it, or clicked it,
// and then stayed still for `delay`), and context-menu requests (right click, Menu key).
class PointerRest : public QObject
{
    Q_OBJECT

public:
    explicit PointerRest(QWidget* widget,
                         std::chrono::milliseconds delay = std::chrono::milliseconds(350));

signals:
    void rested(QPoint globalPosition);
    void contextRequested(QPoint globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restartAt(QPoint globalPosition);

    QTimer timer_;
    QPoint position_;
    bool inside_ = false;
};

} // namespace quill
