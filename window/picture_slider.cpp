#include "window/picture_slider.h"

#include "window/slider_geometry.h"

#include <QApplication>
#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace quill
{

namespace
{

constexpr int largestWheelStep = 50;
constexpr int pageStep = 5;
constexpr int preferredWidth = 160;

std::optional<int> valueAfterKey(int key, int value)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        return value - 1;
    case Qt::Key_Right:
    case Qt::Key_Up:
        return value + 1;
    case Qt::Key_PageUp:
        return value + pageStep;
    case Qt::Key_PageDown:
        return value - pageStep;
    case Qt::Key_Home:
        return sliderHighest;
    case Qt::Key_End:
        return sliderLowest;
    default:
        return std::nullopt;
    }
}

// The desktop's lines per wheel notch; a setting beyond the cap (or "a page") moves 50.
int wheelStep()
{
    const int lines = QApplication::wheelScrollLines();
    return lines < 0 || lines > largestWheelStep ? largestWheelStep : lines;
}

// Away from the user is positive, whatever the desktop's "natural scrolling" says; a
// sideways wheel to the left moves the knob left.
int wheelDelta(const QWheelEvent& wheel)
{
    const QPoint angle = wheel.angleDelta();
    const int delta = std::abs(angle.x()) > std::abs(angle.y()) ? -angle.x() : angle.y();
    return wheel.inverted() ? -delta : delta;
}

QPixmap withMask(const QPixmap& picture, const QColor& mask)
{
    if (picture.isNull() || !mask.isValid())
        return picture;
    QPixmap shown = picture;
    shown.setMask(picture.createMaskFromColor(mask, Qt::MaskInColor));
    return shown;
}

int logicalWidth(const QPixmap& picture)
{
    return static_cast<int>(std::nearbyint(picture.deviceIndependentSize().width()));
}

int logicalHeight(const QPixmap& picture)
{
    return static_cast<int>(std::nearbyint(picture.deviceIndependentSize().height()));
}

// Copies columns of `picture` (in the widget's pixels) over the widget's full height.
void drawColumns(QPainter& painter, const QPixmap& picture, PixelSpan from, PixelSpan to,
                 int height)
{
    if (to.width <= 0 || from.width <= 0)
        return;
    const qreal ratio = picture.devicePixelRatio();
    painter.drawPixmap(QRectF(to.from, 0, to.width, height), picture,
                       QRectF(from.from * ratio, 0, from.width * ratio, picture.height()));
}

} // namespace

PictureSlider::PictureSlider(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setToolTip(QStringLiteral("%1%").arg(value_));
    // Wheel turns arrive through the hook, once the widget itself has had them.
    hook_.addAfterEvents({QEvent::Wheel});
    hook_.hook(this, this);
}

void PictureSlider::setValue(int value)
{
    value = clampSliderValue(value);
    if (value == value_)
        return;
    placeKnob(knobPositionFor(value, travel()));
    storeValue(value);
    update();
    emit changed(value_);
}

QColor PictureSlider::backColor() const
{
    return backColour_.isValid() ? backColour_ : palette().color(QPalette::Window);
}

void PictureSlider::setBackColor(const QColor& colour)
{
    if (colour == backColour_)
        return;
    backColour_ = colour;
    update();
    emit backColorChanged(backColor());
}

void PictureSlider::setTrackPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == track_.cacheKey())
        return;
    track_ = picture;
    picturesChanged();
    emit trackPictureChanged();
}

void PictureSlider::setKnobPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == knobs_.cacheKey())
        return;
    knobs_ = picture;
    picturesChanged();
    emit knobPictureChanged();
}

void PictureSlider::setMaskColor(const QColor& colour)
{
    if (colour == maskColour_)
        return;
    maskColour_ = colour;
    picturesChanged();
    emit maskColorChanged(maskColour_);
}

PictureSlider::KnobLook PictureSlider::knobLook() const
{
    if (dragging_)
        return KnobLook::Pressed;
    if (pointer_ && onKnob(pointer_->x()))
        return KnobLook::Hover;
    return KnobLook::Normal;
}

int PictureSlider::knobWidth() const
{
    return static_cast<int>(std::nearbyint(knobs_.deviceIndependentSize().width() / 3));
}

QSize PictureSlider::minimumSizeHint() const
{
    return {2 * logicalWidth(track_) + knobWidth(), logicalHeight(track_)};
}

QSize PictureSlider::sizeHint() const
{
    const QSize least = minimumSizeHint();
    return {std::max(least.width(), preferredWidth), least.height()};
}

int PictureSlider::travel() const
{
    return width() - knobWidth();
}

int PictureSlider::knobPosition() const
{
    return placedOn_ == travel() ? position_ : knobPositionFor(value_, travel());
}

void PictureSlider::placeKnob(int position)
{
    position_ = position;
    placedOn_ = travel();
}

bool PictureSlider::onKnob(int x) const
{
    return x >= knobPosition() && x < knobPosition() + knobWidth();
}

// The knob follows the pointer; the value is what the new place shows.
void PictureSlider::moveKnobTo(int position)
{
    if (travel() <= 0)
        return;
    position = std::clamp(position, 0, travel());
    const int value = valueAtPosition(position, travel());
    if (position == knobPosition() && value == value_)
        return;
    placeKnob(position);
    if (value != value_)
        storeValue(value);
    update();
    emit changed(value_);
}

void PictureSlider::storeValue(int value)
{
    value_ = value;
    setToolTip(QStringLiteral("%1%").arg(value_));
    emit valueChanged(value_);
}

// The pictures set the widget's height and least width, and the knob's travel.
void PictureSlider::picturesChanged()
{
    shownTrack_ = withMask(track_, maskColour_);
    shownKnobs_ = withMask(knobs_, maskColour_);
    const QSize least = minimumSizeHint();
    setMinimumWidth(least.width());
    setFixedHeight(least.height());
    updateGeometry();
    update();
}

void PictureSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Unset, the window behind shows through: group boxes shade their inside a little.
    if (backColour_.isValid())
        painter.fillRect(rect(), backColour_);
    drawTrack(painter);
    drawKnob(painter);
    // The pictures have no focused look, so keyboard users see the style's focus frame.
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor =
            backColour_.isValid() ? backColour_ : palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void PictureSlider::drawTrack(QPainter& painter) const
{
    const int centre = knobPosition() + knobWidth() / 2;
    for (const TrackPiece& piece : trackPieces(logicalWidth(track_), width(), centre))
        drawColumns(painter, shownTrack_, piece.picture, piece.widget, height());
}

void PictureSlider::drawKnob(QPainter& painter) const
{
    if (shownKnobs_.isNull())
        return;
    const qreal lookWidth = shownKnobs_.width() / 3.0;
    const QRectF look(static_cast<int>(knobLook()) * lookWidth, 0, lookWidth, shownKnobs_.height());
    painter.drawPixmap(QRectF(knobPosition(), 0, knobWidth(), height()), shownKnobs_, look);
}

// A press beside the knob brings the knob's centre under the pointer; a press on the knob
// keeps the spot where it was taken, so dragging does not make it jump.
void PictureSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int x = event->position().toPoint().x();
    pointer_ = event->position().toPoint();
    dragging_ = true;
    grabOffset_ = onKnob(x) ? x - knobPosition() : knobWidth() / 2;
    moveKnobTo(x - grabOffset_);
    update();
}

void PictureSlider::mouseMoveEvent(QMouseEvent* event)
{
    const KnobLook before = knobLook();
    pointer_ = event->position().toPoint();
    if (dragging_)
        moveKnobTo(pointer_->x() - grabOffset_);
    if (knobLook() != before)
        update();
}

void PictureSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    pointer_ = event->position().toPoint();
    if (!rect().contains(*pointer_))
        pointer_.reset();
    update();
}

void PictureSlider::leaveEvent(QEvent*)
{
    pointer_.reset();
    update();
}

void PictureSlider::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureSlider::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void PictureSlider::keyPressEvent(QKeyEvent* event)
{
    const std::optional<int> next = valueAfterKey(event->key(), value_);
    if (!next) {
        QWidget::keyPressEvent(event);
        return;
    }
    setValue(*next);
}

bool PictureSlider::beforeEvent(QWidget*, QEvent*)
{
    return false;
}

// A disabled slider refuses the wheel; otherwise the slider takes every turn, also at its
// ends, so the window behind it does not scroll instead.
void PictureSlider::afterEvent(QWidget*, QEvent* event, bool& handled)
{
    if (event->type() != QEvent::Wheel || !handled)
        return;
    const int notches = wheel_.add(wheelDelta(*static_cast<QWheelEvent*>(event)));
    if (notches != 0)
        setValue(value_ + notches * wheelStep());
    event->accept();
}

} // namespace quill
