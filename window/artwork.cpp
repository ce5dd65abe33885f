#include "window/artwork.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace quill
{

namespace
{

QFont artworkFont(int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({"Noto Sans CJK SC", "DejaVu Sans", "sans-serif"});
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void paintBackground(QPainter& p, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(0xe3, 0xf2, 0xfd));
    sky.setColorAt(1, QColor(0xff, 0xf3, 0xe0));
    p.fillRect(area, sky);

    // Faint arithmetic signs scattered behind the title.
    p.setFont(artworkFont(30, QFont::Bold));
    const std::array<std::pair<QPointF, QString>, 9> signs{{{{18, 40}, "＋"},
                                                            {{70, 112}, "×"},
                                                            {{530, 36}, "÷"},
                                                            {{575, 110}, "－"},
                                                            {{455, 118}, "＝"},
                                                            {{150, 30}, "÷"},
                                                            {{350, 24}, "＋"},
                                                            {{250, 120}, "×"},
                                                            {{500, 78}, "＋"}}};
    p.setPen(QColor(0x90, 0xa4, 0xae, 70));
    for (const auto& [at, sign] : signs)
        p.drawText(at, sign);
}

void paintTitle(QPainter& p, const QRectF& area)
{
    static const std::array<QColor, 9> letterColours{
        QColor(0xe5, 0x39, 0x35), QColor(0xfb, 0x8c, 0x00), QColor(0xf9, 0xa8, 0x25),
        QColor(0x43, 0xa0, 0x47), QColor(0x00, 0x89, 0x7b), QColor(0x1e, 0x88, 0xe5),
        QColor(0x39, 0x49, 0xab), QColor(0x8e, 0x24, 0xaa), QColor(0xd8, 0x1b, 0x60)};
    const QString title = "Quillmere";
    const QFont font = artworkFont(66, QFont::Black);
    const QFontMetricsF metrics(font);
    qreal x = area.center().x() - metrics.horizontalAdvance(title) / 2;
    const qreal baseline = area.top() + 80;
    for (qsizetype i = 0; i < title.size(); ++i) {
        QPainterPath letter;
        letter.addText(x, baseline, font, title.mid(i, 1));
        p.strokePath(letter.translated(2, 3), QPen(QColor(0, 0, 0, 40), 4));
        p.strokePath(letter, QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(letter, letterColours[static_cast<size_t>(i) % letterColours.size()]);
        x += metrics.horizontalAdvance(title.mid(i, 1));
    }
    p.setFont(artworkFont(17, QFont::Medium));
    p.setPen(QColor(0x45, 0x5a, 0x64));
    p.drawText(QRectF(area.left(), baseline + 10, area.width(), 30), Qt::AlignHCenter,
               "小学数学练习题生成器 · 口算 竖式 脱式 方程 分数 单位换算");
}

} // namespace

QPixmap drawBanner(qreal devicePixelRatio)
{
    QPixmap banner(QSize(bannerWidth, bannerHeight) * devicePixelRatio);
    banner.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&banner);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(0, 0, bannerWidth, bannerHeight);
    paintBackground(p, area);
    paintTitle(p, area);
    return banner;
}

QIcon programIcon()
{
    // Rendered at build time from the same drawing as the installed icon, one file per size.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(name));
    return icon;
}

} // namespace quill
