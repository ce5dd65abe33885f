#include "window/slider_artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quill
{

namespace
{

// Sizes in pixels at 100 %. The track's ends must be wider than its rounded caps, so that
// only straight groove stretches; the knob fits the track's height.
constexpr int trackWidth = 16;
constexpr int pictureHeight = 22;
constexpr int knobWidth = 18;
constexpr qreal grooveHeight = 6;

const QColor filled(0x1e, 0x88, 0xe5);
const QColor filledEdge(0x15, 0x65, 0xc0);
const QColor empty(0xdf, 0xe3, 0xe8);
const QColor emptyEdge(0xa7, 0xb0, 0xba);

QPixmap transparentPicture(int width, qreal ratio)
{
    QPixmap picture(QSize(width, pictureHeight) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

struct KnobLook {
    QColor top;
    QColor bottom;
    QColor edge;
    qreal edgeWidth;
    QColor halo; // a soft ring around the knob, or transparent
    bool dot;    // a white dot in the middle while pressed
};

void paintKnob(QPainter& p, qreal left, const KnobLook& look)
{
    const QPointF centre(left + knobWidth / 2.0, pictureHeight / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(look.halo);
    p.drawEllipse(centre, 9, 9);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(centre + QPointF(0, 1), 7.5, 7.5);
    QLinearGradient fill(centre - QPointF(0, 7), centre + QPointF(0, 7));
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    p.setBrush(fill);
    p.setPen(QPen(look.edge, look.edgeWidth));
    p.drawEllipse(centre, 7, 7);
    if (look.dot) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(centre, 2.5, 2.5);
    }
}

} // namespace

QPixmap drawSliderTrack(qreal devicePixelRatio)
{
    QPixmap track = transparentPicture(trackWidth, devicePixelRatio);
    QPainter p(&track);
    p.setRenderHint(QPainter::Antialiasing);
    // Edges on pixel centres, so the one-pixel outline stays sharp at 100 % too.
    const QRectF groove(0.5, (pictureHeight - grooveHeight) / 2 + 0.5, trackWidth - 1,
                        grooveHeight - 1);
    const qreal radius = grooveHeight / 2;
    p.setPen(QPen(emptyEdge, 1));
    p.setBrush(empty);
    p.drawRoundedRect(groove, radius, radius);
    // The left half, up to the middle: the part of the range below the knob.
    p.setClipRect(QRectF(0, 0, trackWidth / 2.0, pictureHeight));
    QLinearGradient blue(groove.topLeft(), groove.bottomLeft());
    blue.setColorAt(0, filled.lighter(115));
    blue.setColorAt(1, filled);
    p.setPen(QPen(filledEdge, 1));
    p.setBrush(blue);
    p.drawRoundedRect(groove, radius, radius);
    return track;
}

QPixmap drawSliderKnobs(qreal devicePixelRatio)
{
    const KnobLook looks[] = {
        {Qt::white, QColor(0xe6, 0xeb, 0xf0), filled, 1.5, Qt::transparent, false},
        {Qt::white, QColor(0xd6, 0xe9, 0xfb), filledEdge, 2, QColor(0x1e, 0x88, 0xe5, 50), false},
        {filled, filledEdge, QColor(0x0d, 0x47, 0xa1), 1.5, QColor(0x1e, 0x88, 0xe5, 70), true},
    };
    QPixmap knobs = transparentPicture(3 * knobWidth, devicePixelRatio);
    QPainter p(&knobs);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i)
        paintKnob(p, i * knobWidth, looks[i]);
    return knobs;
}

} // namespace quill
