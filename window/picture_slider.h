#pragma once

#include "window/wheel_notches.h"
#include "window/widget_event_hook.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <optional>

namespace quill
{

// A slider for a whole number from 0 to 100 drawn only from two pictures: a track, and a
// knob picture holding three knob looks of equal width side by side (normal, under the
// pointer, pressed). One colour of both pictures is drawn transparent. The track's ends keep
// their size at any width; the track's middle stretches. Mouse, keys and wheel move it:
// Left/Down −1, Right/Up +1, Page Up +5, Page Down −5, Home 100, End 0; one wheel notch
// moves it by the desktop's wheel lines (at most 50), away from the user up.
class PictureSlider : public QWidget, private WidgetEventListener
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor NOTIFY backColorChanged)
    Q_PROPERTY(QPixmap picture READ trackPicture WRITE setTrackPicture NOTIFY trackPictureChanged)
    Q_PROPERTY(QPixmap picValue READ knobPicture WRITE setKnobPicture NOTIFY knobPictureChanged)
    Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor NOTIFY maskColorChanged)

public:
    explicit PictureSlider(QWidget* parent = nullptr);

    int value() const { return value_; }
    // Clamped to 0..100.
    void setValue(int value);

    // Unset (an invalid colour), the widget it sits in shows through; reads as the window colour.
    QColor backColor() const;
    void setBackColor(const QColor& colour);

    QPixmap trackPicture() const { return track_; }
    void setTrackPicture(const QPixmap& picture);
    QPixmap knobPicture() const { return knobs_; }
    void setKnobPicture(const QPixmap& picture);

    // Magenta unless changed; an invalid colour makes nothing transparent.
    QColor maskColor() const { return maskColour_; }
    void setMaskColor(const QColor& colour);

    // The knob's left edge and width, in pixels of the widget.
    int knobPosition() const;
    int knobWidth() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // After every change of the knob's position or of the value, by code or by the user.
    void changed(int value);
    void valueChanged(int value);
    void backColorChanged(const QColor& colour);
    void trackPictureChanged();
    void knobPictureChanged();
    void maskColorChanged(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // In the order of the looks in the knob picture.
    enum class KnobLook { Normal, Hover, Pressed };

    bool beforeEvent(QWidget* widget, QEvent* event) override;
    void afterEvent(QWidget* widget, QEvent* event, bool& handled) override;

    KnobLook knobLook() const;
    int travel() const;
    bool onKnob(int x) const;
    void moveKnobTo(int position);
    void placeKnob(int position);
    void storeValue(int value);
    void picturesChanged();
    void drawTrack(QPainter& painter) const;
    void drawKnob(QPainter& painter) const;

    int value_ = 50;
    // The knob's left edge as last placed, for the travel it had then; a new width puts the
    // knob back where the value says.
    int position_ = 0;
    int placedOn_ = -1;
    QColor backColour_;
    QColor maskColour_{255, 0, 255};
    QPixmap track_;
    QPixmap knobs_;
    QPixmap shownTrack_; // the pictures with the mask colour made transparent
    QPixmap shownKnobs_;
    bool dragging_ = false;
    int grabOffset_ = 0; // from the knob's left edge to the pointer that drags it
    std::optional<QPoint> pointer_;
    WheelNotches wheel_;
    WidgetEventHook hook_;
};

} // namespace quill
