#include "window/picture_slider.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QPainter>
#include <QSignalSpy>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <vector>

namespace quill
{
namespace
{

using Look = PictureSlider::KnobLook;

// Plain colours, so that a drawn pixel tells which piece of which picture it came from.
const QColor leftEnd = Qt::red;
const QColor leftMiddle = Qt::green;
const QColor rightMiddle = Qt::blue;
const QColor rightEnd = Qt::yellow;
const QColor normalKnob = Qt::cyan;
const QColor hoverKnob = Qt::darkGreen;
const QColor pressedKnob = Qt::darkMagenta;
const QColor magenta(255, 0, 255);
const QColor back = Qt::white;

constexpr int pictureHeight = 8;
constexpr int knob = 8;

// Columns of `colours`, each `width` wide, over a top row of the mask colour.
QPixmap stripes(const std::vector<std::pair<QColor, int>>& colours)
{
    int total = 0;
    for (const auto& [colour, width] : colours)
        total += width;
    QPixmap picture(total, pictureHeight);
    QPainter painter(&picture);
    int x = 0;
    for (const auto& [colour, width] : colours) {
        painter.fillRect(x, 0, width, pictureHeight, colour);
        x += width;
    }
    painter.fillRect(0, 0, total, 1, magenta);
    return picture;
}

class PictureSliderTest : public ::testing::Test
{
protected:
    PictureSlider slider;
    QSignalSpy changed{&slider, &PictureSlider::changed};

    // A 10 pixel track and 8 pixel knobs: at width 208 the knob's left edge is twice the value.
    PictureSliderTest()
    {
        slider.setTrackPicture(
            stripes({{leftEnd, 4}, {leftMiddle, 1}, {rightMiddle, 1}, {rightEnd, 4}}));
        slider.setKnobPicture(
            stripes({{normalKnob, knob}, {hoverKnob, knob}, {pressedKnob, knob}}));
        slider.setBackColor(back);
        slider.resize(208, pictureHeight);
        changed.clear();
    }
    ~PictureSliderTest() override { QApplication::setWheelScrollLines(3); }

    void mouse(QEvent::Type type, int x, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(x, 4), QPointF(x, 4), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &event);
    }
    void press(int x) { mouse(QEvent::MouseButtonPress, x, Qt::LeftButton); }
    void drag(int x) { mouse(QEvent::MouseMove, x, Qt::LeftButton); }
    void hover(int x) { mouse(QEvent::MouseMove, x, Qt::NoButton); }
    void release(int x) { mouse(QEvent::MouseButtonRelease, x, Qt::NoButton); }

    QImage drawn() { return slider.grab().toImage(); }
};

struct Setting {
    int asked;
    int kept;
    bool announced;
};

TEST_F(PictureSliderTest, SettingClampsAndOnlyAChangeIsAnnounced)
{
    for (const Setting row : {Setting{73, 73, true}, Setting{150, 100, true}, Setting{-3, 0, true},
                              Setting{50, 50, false}}) {
        slider.setValue(50);
        changed.clear();
        QSignalSpy valueChanged(&slider, &PictureSlider::valueChanged);
        slider.setValue(row.asked);
        EXPECT_EQ(slider.value(), row.kept) << row.asked;
        EXPECT_EQ(slider.knobPosition(), 2 * row.kept) << row.asked;
        EXPECT_EQ(slider.toolTip(), QStringLiteral("%1%").arg(row.kept)) << row.asked;
        EXPECT_EQ(changed.count(), row.announced ? 1 : 0) << row.asked;
        EXPECT_EQ(valueChanged.count(), row.announced ? 1 : 0) << row.asked;
    }
}

struct KeyRow {
    int start;
    int key;
    int expected;
};

TEST_F(PictureSliderTest, KeysStepTheValueAndOthersPassOn)
{
    const KeyRow rows[] = {
        {50, Qt::Key_Left, 49},   {50, Qt::Key_Down, 49},    {50, Qt::Key_Right, 51},
        {50, Qt::Key_Up, 51},     {50, Qt::Key_PageUp, 55},  {50, Qt::Key_PageDown, 45},
        {50, Qt::Key_Home, 100},  {50, Qt::Key_End, 0},      {0, Qt::Key_Left, 0},
        {2, Qt::Key_PageDown, 0}, {98, Qt::Key_PageUp, 100}, {100, Qt::Key_Up, 100},
        {50, Qt::Key_A, 50},      {50, Qt::Key_Tab, 50},
    };
    for (const KeyRow& row : rows) {
        slider.setValue(row.start);
        changed.clear();
        QKeyEvent key(QEvent::KeyPress, row.key, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &key);
        EXPECT_EQ(slider.value(), row.expected) << row.start << " key " << row.key;
        EXPECT_EQ(changed.count(), row.expected == row.start ? 0 : 1) << row.key;
        EXPECT_EQ(slider.toolTip(), QStringLiteral("%1%").arg(row.expected));
        const bool sliderKey = row.key != Qt::Key_A && row.key != Qt::Key_Tab;
        EXPECT_EQ(key.isAccepted(), sliderKey) << "key " << row.key;
    }
}

struct PressRow {
    int x;
    int position;
    int value;
};

TEST_F(PictureSliderTest, APressBesideTheKnobBringsItsCentreUnderThePointer)
{
    for (const PressRow row :
         {PressRow{150, 146, 73}, PressRow{11, 7, 3}, PressRow{2, 0, 0}, PressRow{207, 200, 100}}) {
        slider.setValue(50);
        changed.clear();
        press(row.x);
        EXPECT_EQ(slider.knobPosition(), row.position) << row.x;
        EXPECT_EQ(slider.value(), row.value) << row.x;
        EXPECT_EQ(changed.count(), 1) << row.x;
        EXPECT_EQ(slider.knobLook(), Look::Pressed) << row.x;
        release(row.x);
    }
}

TEST_F(PictureSliderTest, DraggingTheKnobKeepsTheSpotItWasTakenByAndStopsAtTheEnds)
{
    press(103); // the knob lies on 100..107
    EXPECT_EQ(slider.knobLook(), Look::Pressed);
    EXPECT_EQ(changed.count(), 0) << "pressing the knob moves nothing";
    drag(133);
    EXPECT_EQ(slider.knobPosition(), 130);
    EXPECT_EQ(slider.value(), 65);
    drag(-50);
    EXPECT_EQ(slider.value(), 0);
    drag(-60);
    drag(500);
    EXPECT_EQ(slider.value(), 100);
    EXPECT_EQ(slider.knobPosition(), 200);
    EXPECT_EQ(changed.count(), 3) << "the drag beyond the end moved nothing";
    release(500);
    EXPECT_EQ(slider.knobLook(), Look::Normal);
    hover(150);
    EXPECT_EQ(slider.value(), 100) << "moving without a button drags nothing";
}

TEST_F(PictureSliderTest, TheHoverLookFollowsThePointerAndLeavesWithIt)
{
    hover(104);
    EXPECT_EQ(slider.knobLook(), Look::Hover);
    hover(150);
    EXPECT_EQ(slider.knobLook(), Look::Normal);
    hover(100);
    EXPECT_EQ(slider.knobLook(), Look::Hover);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&slider, &leave);
    EXPECT_EQ(slider.knobLook(), Look::Normal);
    press(104);
    release(104);
    EXPECT_EQ(slider.knobLook(), Look::Hover) << "still under the pointer";
    EXPECT_EQ(changed.count(), 0);
}

struct WheelRow {
    int lines;
    std::vector<QPoint> turns;
    bool inverted;
    int expected;
};

TEST_F(PictureSliderTest, AWheelNotchMovesByTheDesktopsWheelLines)
{
    const WheelRow rows[] = {
        {3, {{0, 120}}, false, 53},
        {3, {{0, -120}}, false, 47},
        {3, {{0, -120}}, true, 53}, // "natural" scrolling reports it reversed
        {3, {{120, 0}}, false, 47}, // a sideways wheel turned to the left
        {3, {{0, 30}, {0, 30}, {0, 30}, {0, 30}}, false, 53}, // a fine wheel, four quarters
        {3, {{0, 60}, {0, -60}, {0, -60}}, false, 47},        // turning back drops the half
        {80, {{0, 120}}, false, 100},                         // a step beyond 50 moves 50
        {80, {{0, -240}}, false, 0},
    };
    for (const WheelRow& row : rows) {
        PictureSlider fresh; // no fractions left from the row before
        fresh.resize(208, pictureHeight);
        QApplication::setWheelScrollLines(row.lines);
        for (const QPoint turn : row.turns) {
            QWheelEvent wheel(QPointF(4, 4), QPointF(4, 4), QPoint(), turn, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, row.inverted);
            wheel.ignore();
            QCoreApplication::sendEvent(&fresh, &wheel);
            EXPECT_TRUE(wheel.isAccepted()) << "the window behind must not scroll too";
        }
        EXPECT_EQ(fresh.value(), row.expected) << row.lines << " lines, " << row.turns.size();
    }
}

TEST_F(PictureSliderTest, ADisabledSliderLeavesTheWheelToTheWindow)
{
    slider.setEnabled(false);
    QWheelEvent wheel(QPointF(4, 4), QPointF(4, 4), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&slider, &wheel);
    EXPECT_EQ(slider.value(), 50);
    EXPECT_EQ(changed.count(), 0);
}

struct DrawRow {
    int width;
    int value;
    int knobAt;
};

TEST_F(PictureSliderTest, TheTrackKeepsItsEndsWholeAtAnyWidth)
{
    for (const DrawRow row : {DrawRow{208, 50, 100}, DrawRow{400, 50, 196}, DrawRow{208, 0, 0},
                              DrawRow{208, 100, 200}, DrawRow{28, 50, 10}, DrawRow{401, 37, 145}}) {
        slider.resize(row.width, pictureHeight);
        slider.setValue(row.value);
        const QImage image = drawn();
        const int right = row.width - 1;
        const int knobAt = row.knobAt;
        EXPECT_EQ(slider.knobPosition(), knobAt) << row.width;
        auto at = [&](int x) { return image.pixelColor(x, 4); };
        const auto where = testing::Message() << "width " << row.width << " value " << row.value;
        EXPECT_EQ(at(knobAt), normalKnob) << where;
        EXPECT_EQ(at(knobAt + knob - 1), normalKnob) << where;
        if (knobAt > 4) {
            EXPECT_EQ(at(3), leftEnd) << where;
            EXPECT_EQ(at(4), leftMiddle) << where;
            EXPECT_EQ(at(knobAt - 1), leftMiddle) << where;
        }
        if (knobAt + knob < right - 4) {
            EXPECT_EQ(at(knobAt + knob), rightMiddle) << where;
            EXPECT_EQ(at(right - 4), rightMiddle) << where;
            EXPECT_EQ(at(right - 3), rightEnd) << where;
        }
        EXPECT_EQ(image.pixelColor(right, 0), back) << "the mask colour is see-through";
        EXPECT_EQ(image.pixelColor(knobAt, 0), back) << where;
    }
}

TEST_F(PictureSliderTest, TheKnobShowsTheLookOfTheMoment)
{
    const int centre = 100 + knob / 2;
    hover(centre);
    EXPECT_EQ(drawn().pixelColor(centre, 4), hoverKnob);
    press(centre);
    EXPECT_EQ(drawn().pixelColor(centre, 4), pressedKnob);
    slider.setMaskColor(pressedKnob);
    EXPECT_EQ(drawn().pixelColor(centre, 4), rightMiddle) << "the track shows through the knob";
}

TEST_F(PictureSliderTest, TheLeastWidthHoldsBothEndsAndTheKnobAndTheHeightIsTheTracks)
{
    EXPECT_EQ(slider.minimumSizeHint(), QSize(2 * 10 + knob, pictureHeight));
    slider.resize(10, 30);
    EXPECT_EQ(slider.size(), QSize(28, pictureHeight));
}

TEST_F(PictureSliderTest, EachPropertyAnnouncesARealChangeOnce)
{
    const std::pair<const char*, QVariant> changes[] = {
        {"value", 70},
        {"backColor", QColor(Qt::gray)},
        {"picture", QVariant::fromValue(stripes({{leftEnd, 12}}))},
        {"picValue", QVariant::fromValue(stripes({{normalKnob, 30}}))},
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
        if (newValue.typeId() != QMetaType::QPixmap) {
            EXPECT_EQ(slider.property(name), newValue) << name;
        }
    }
}

} // namespace
} // namespace quill
