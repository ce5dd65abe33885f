#include "window/right_answer_picture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace quill
{

namespace
{

const QColor tickGreen(0x2e, 0x9d, 0x3f);
const QColor darkGreen(0x1b, 0x6e, 0x2a);

void paintBadge(QPainter& p, const QRectF& area)
{
    QRadialGradient glow(area.center(), area.width() / 2);
    glow.setColorAt(0, QColor(0xe8, 0xf8, 0xe8));
    glow.setColorAt(1, QColor(0xc8, 0xec, 0xc9));
    p.setPen(QPen(tickGreen, 6));
    p.setBrush(glow);
    p.drawEllipse(area);
}

void paintTick(QPainter& p, const QRectF& badge)
{
    QPainterPath tick;
    tick.moveTo(badge.left() + badge.width() * 0.24, badge.top() + badge.height() * 0.52);
    tick.lineTo(badge.left() + badge.width() * 0.43, badge.top() + badge.height() * 0.72);
    tick.lineTo(badge.left() + badge.width() * 0.78, badge.top() + badge.height() * 0.30);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 40), 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick.translated(3, 4));
    p.setPen(QPen(tickGreen, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void paintWords(QPainter& p, const QRectF& area)
{
    QFont font;
    font.setFamilies({"Noto Sans CJK SC", "WenQuanYi Micro Hei", "sans-serif"});
    font.setPixelSize(40);
    font.setWeight(QFont::Black);
    p.setFont(font);
    p.setPen(darkGreen);
    p.drawText(area, Qt::AlignCenter, QStringLiteral("答对"));
}

} // namespace

QPixmap drawRightAnswerPicture(qreal devicePixelRatio)
{
    QPixmap picture(QSize(rightAnswerPictureWidth, rightAnswerPictureHeight) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF badge(25, 8, 150, 150);
    paintBadge(p, badge);
    paintTick(p, badge);
    paintWords(p, QRectF(0, 160, rightAnswerPictureWidth, 50));
    return picture;
}

} // namespace quill
