#include "window/picture_slider.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QPainter>
#include <QSignalSpy>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace quill
{
namespace
{

// Plain colours, so that a drawn pixel tells which piece of which picture it came from.
const QColor leftEnd = Qt::red, leftMiddle = Qt::green, rightMiddle = Qt::blue;
const QColor rightEnd = Qt::yellow, back = Qt::white;
const QColor normal = Qt::cyan, pointedAt = Qt::darkGreen, pressed = Qt::darkMagenta;
constexpr int knob = 8;

// Columns of the given colours and widths, 8 high, under a top row of the mask colour.
QPixmap stripes(const std::vector<std::pair<QColor, int>>& columns)
{
    int width = 0;
    for (const auto& column : columns)
        width += column.second;
    QPixmap picture(width, 8);
    QPainter painter(&picture);
    int x = 0;
    for (const auto& [colour, columnWidth] : columns) {
        painter.fillRect(x, 0, columnWidth, 8, colour);
        x += columnWidth;
    }
    painter.fillRect(0, 0, width, 1, QColor(255, 0, 255));
    return picture;
}

// A 10 pixel track and 8 pixel knobs: at width 208 the knob's left edge is twice the value.
class PictureSliderTest : public ::testing::Test
{
protected:
    PictureSlider slider;
    QSignalSpy changed{&slider, &PictureSlider::changed};

    PictureSliderTest()
    {
        slider.setTrackPicture(
            stripes({{leftEnd, 4}, {leftMiddle, 1}, {rightMiddle, 1}, {rightEnd, 4}}));
        slider.setKnobPicture(stripes({{normal, knob}, {pointedAt, knob}, {pressed, knob}}));
        slider.setBackColor(back);
        slider.resize(208, 8);
    }

    void mouse(QEvent::Type type, int x, Qt::MouseButtons held = Qt::NoButton)
    {
        const auto button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(x, 4), QPointF(x, 4), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &event);
    }
    void press(int x) { mouse(QEvent::MouseButtonPress, x, Qt::LeftButton); }
    void drag(int x) { mouse(QEvent::MouseMove, x, Qt::LeftButton); }
    void release(int x) { mouse(QEvent::MouseButtonRelease, x); }
    QColor pixel(int x, int y = 4) { return slider.grab().toImage().pixelColor(x, y); }
    QColor knobLook() { return pixel(slider.knobPosition() + knob / 2); }
};

TEST_F(PictureSliderTest, SettingClampsAndOnlyAChangeIsAnnounced)
{
    const std::pair<int, int> rows[] = {{73, 73}, {150, 100}, {-3, 0}, {50, 50}};
    for (const auto& [asked, kept] : rows) {
        slider.setValue(50);
        changed.clear();
        QSignalSpy valueChanged(&slider, &PictureSlider::valueChanged);
        slider.setValue(asked);
        EXPECT_EQ(slider.value(), kept) << asked;
        EXPECT_EQ(slider.knobPosition(), 2 * kept) << asked;
        EXPECT_EQ(slider.toolTip(), QStringLiteral("%1%").arg(kept)) << asked;
        EXPECT_EQ(changed.count(), kept == 50 ? 0 : 1) << asked;
        EXPECT_EQ(valueChanged.count(), changed.count()) << asked;
    }
}

TEST_F(PictureSliderTest, KeysStepTheValueAndOthersPassOn)
{
    const std::tuple<int, int, int> rows[] = {
        {50, Qt::Key_Left, 49},   {50, Qt::Key_Down, 49},    {50, Qt::Key_Right, 51},
        {50, Qt::Key_Up, 51},     {50, Qt::Key_PageUp, 55},  {50, Qt::Key_PageDown, 45},
        {50, Qt::Key_Home, 100},  {50, Qt::Key_End, 0},      {0, Qt::Key_Left, 0},
        {2, Qt::Key_PageDown, 0}, {98, Qt::Key_PageUp, 100}, {50, Qt::Key_A, 50},
        {50, Qt::Key_Tab, 50},
    };
    for (const auto& [start, key, expected] : rows) {
        slider.setValue(start);
        changed.clear();
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &event);
        EXPECT_EQ(slider.value(), expected) << start << " key " << key;
        EXPECT_EQ(changed.count(), expected == start ? 0 : 1) << start << " key " << key;
        EXPECT_EQ(slider.toolTip(), QStringLiteral("%1%").arg(expected));
        EXPECT_EQ(event.isAccepted(), key != Qt::Key_A && key != Qt::Key_Tab) << key;
    }
}

TEST_F(PictureSliderTest, APressBesideTheKnobBringsItsCentreUnderThePointer)
{
    const std::tuple<int, int, int> rows[] = {
        {150, 146, 73}, {11, 7, 3}, {2, 0, 0}, {207, 200, 100}};
    for (const auto& [x, position, value] : rows) {
        slider.setValue(50);
        changed.clear();
        press(x);
        EXPECT_EQ(slider.knobPosition(), position) << x;
        EXPECT_EQ(slider.value(), value) << x;
        EXPECT_EQ(changed.count(), 1) << x;
        EXPECT_EQ(knobLook(), pressed) << x;
        release(x);
    }
}

TEST_F(PictureSliderTest, DraggingKeepsTheSpotTheKnobWasTakenByAndStopsAtTheEnds)
{
    press(103); // the knob lies on 100..107
    EXPECT_EQ(knobLook(), pressed);
    drag(133);
    EXPECT_EQ(slider.knobPosition(), 130);
    EXPECT_EQ(slider.value(), 65);
    drag(-50);
    EXPECT_EQ(slider.value(), 0);
    drag(-60);
    drag(500);
    EXPECT_EQ(slider.value(), 100);
    EXPECT_EQ(changed.count(), 3) << "neither the press nor the drag beyond the end moved it";
    release(500);
    EXPECT_EQ(knobLook(), normal);
    mouse(QEvent::MouseMove, 150);
    EXPECT_EQ(slider.value(), 100) << "moving without a button drags nothing";
}

TEST_F(PictureSliderTest, TheLookFollowsThePointerOverTheKnobAndLeavesWithIt)
{
    const std::pair<int, QColor> moves[] = {{104, pointedAt}, {150, normal}, {100, pointedAt}};
    for (const auto& [x, look] : moves) {
        mouse(QEvent::MouseMove, x);
        EXPECT_EQ(knobLook(), look) << x;
    }
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&slider, &leave);
    EXPECT_EQ(knobLook(), normal);
    press(104);
    release(104);
    EXPECT_EQ(knobLook(), pointedAt) << "still under the pointer after a click";
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(PictureSliderTest, KeyboardFocusShowsAsAFrameAndGoesWithTheFocus)
{
    const QImage unfocused = slider.grab().toImage();
    slider.show();
    slider.activateWindow();
    // As a Tab press marks it: styles frame only the focus that came by keyboard.
    slider.setAttribute(Qt::WA_KeyboardFocusChange);
    slider.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(slider.hasFocus());
    EXPECT_NE(slider.grab().toImage(), unfocused);
    slider.clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(slider.grab().toImage(), unfocused);
}

TEST_F(PictureSliderTest, AWheelNotchMovesByTheDesktopsWheelLinesUnlessDisabled)
{
    struct Row {
        int lines;
        std::vector<QPoint> turns;
        bool inverted;
        int expected;
        bool enabled = true;
    };
    const Row rows[] = {
        {3, {{0, 120}}, false, 53},
        {3, {{0, -120}}, false, 47},
        {3, {{0, -120}}, true, 53}, // "natural" scrolling reports it reversed
        {3, {{120, 0}}, false, 47}, // a sideways wheel turned to the left
        {3, {{0, 30}, {0, 30}, {0, 30}, {0, 30}}, false, 53}, // a fine wheel's quarter notches
        {3, {{0, 60}, {0, -60}, {0, -60}}, false, 47},        // turning back drops the half
        {80, {{0, 120}}, false, 100},                         // a step beyond 50 moves 50
        {80, {{0, -240}}, false, 0},
        {3, {{0, 120}}, false, 50, false},
    };
    for (const Row& row : rows) {
        PictureSlider fresh; // no fractions left from the row before
        fresh.setEnabled(row.enabled);
        QApplication::setWheelScrollLines(row.lines);
        for (const QPoint turn : row.turns) {
            QWheelEvent wheel(QPointF(4, 4), QPointF(4, 4), QPoint(), turn, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, row.inverted);
            wheel.ignore();
            QCoreApplication::sendEvent(&fresh, &wheel);
            EXPECT_EQ(wheel.isAccepted(), row.enabled) << "taken, so the window stays put";
        }
        EXPECT_EQ(fresh.value(), row.expected) << row.lines << " lines, " << row.turns.size();
    }
    QApplication::setWheelScrollLines(3);
}

TEST_F(PictureSliderTest, TheTrackKeepsItsEndsWholeAtAnyWidth)
{
    const std::tuple<int, int, int> rows[] = {{208, 50, 100},  {400, 50, 196}, {208, 0, 0},
                                              {208, 100, 200}, {28, 50, 10},   {401, 37, 145}};
    for (const auto& [width, value, knobAt] : rows) {
        slider.resize(width, 8);
        slider.setValue(value);
        const int right = width - 1;
        const auto where = ::testing::Message() << "width " << width << " value " << value;
        EXPECT_EQ(slider.knobPosition(), knobAt) << where;
        EXPECT_EQ(pixel(knobAt), normal) << where;
        EXPECT_EQ(pixel(knobAt + knob - 1), normal) << where;
        if (knobAt > 4) {
            EXPECT_EQ(pixel(3), leftEnd) << where;
            EXPECT_EQ(pixel(4), leftMiddle) << where;
            EXPECT_EQ(pixel(knobAt - 1), leftMiddle) << where;
        }
        if (knobAt + knob < right - 4) {
            EXPECT_EQ(pixel(knobAt + knob), rightMiddle) << where;
            EXPECT_EQ(pixel(right - 4), rightMiddle) << where;
            EXPECT_EQ(pixel(right - 3), rightEnd) << where;
        }
        EXPECT_EQ(pixel(right, 0), back) << "the mask colour is see-through; " << where;
        EXPECT_EQ(pixel(knobAt, 0), back) << where;
    }
    slider.setMaskColor(normal);
    EXPECT_EQ(pixel(slider.knobPosition() + knob / 2), rightMiddle) << "another mask colour";
}

TEST_F(PictureSliderTest, TheLeastWidthHoldsBothEndsAndTheKnobAndTheHeightIsTheTracks)
{
    slider.resize(10, 30);
    EXPECT_EQ(slider.size(), QSize(2 * 10 + knob, 8));
}

TEST_F(PictureSliderTest, EachPropertyAnnouncesARealChangeOnce)
{
    const std::pair<const char*, QVariant> changes[] = {
        {"value", 70},
        {"backColor", QColor(Qt::gray)},
        {"picture", QVariant::fromValue(stripes({{leftEnd, 12}}))},
        {"picValue", QVariant::fromValue(stripes({{normal, 30}}))},
        {"maskColor", QColor(Qt::black)},
    };
    for (const auto& [name, newValue] : changes) {
        const QMetaObject* meta = slider.metaObject();
        const QMetaProperty property = meta->property(meta->indexOfProperty(name));
        ASSERT_TRUE(property.hasNotifySignal()) << name;
        const QByteArray signal = "2" + property.notifySignal().methodSignature();
        QSignalSpy notified(&slider, signal.constData());
        ASSERT_TRUE(slider.setProperty(name, newValue)) << name;
        ASSERT_TRUE(slider.setProperty(name, newValue)) << name;
        EXPECT_EQ(notified.count(), 1) << name;
    }
}

} // namespace
} // namespace quill
