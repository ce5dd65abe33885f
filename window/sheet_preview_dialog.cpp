#include "window/sheet_preview_dialog.h"

#include "output/pdf_drawing.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quill
{

QImage imageOfPage(const PageImage& page)
{
    // cairo's ARGB32 is Qt's premultiplied ARGB32: the same 32-bit words.
    const QImage view(page.pixels.data(), page.width, page.height, page.stride,
                      QImage::Format_ARGB32_Premultiplied);
    return view.copy();
}

SheetPreviewDialog::SheetPreviewDialog(QWidget* parent) : QDialog(parent), picture_(new QLabel)
{
    setObjectName(QStringLiteral("previewDialog"));
    picture_->setObjectName(QStringLiteral("previewPicture"));
    picture_->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea;
    scroll->setWidget(picture_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

void SheetPreviewDialog::showPage(const PageImage& page, double devicePixelRatio)
{
    image_ = imageOfPage(page);
    image_.setDevicePixelRatio(devicePixelRatio);
    picture_->setPixmap(QPixmap::fromImage(image_));
    setWindowTitle(QStringLiteral("预览：题目卷第 1 页（共 %1 页）").arg(page.pageCount));
    const QSize shown = (image_.deviceIndependentSize() + QSizeF(24, 24)).toSize();
    resize(shown.boundedTo(QSize(shown.width(), 900)));
    show();
    raise();
}

} // namespace quill
