#pragma once

// The picture 预览 shows: page 1 of the question sheet, as the PDF will print it, in a
// window of its own beside the main window (not modal: the settings stay at hand).

#include <QDialog>

class QLabel;

namespace quill
{

struct PageImage;

class SheetPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SheetPreviewDialog(QWidget* parent = nullptr);

    // Shows `page`, drawn at `devicePixelRatio` pixels per screen pixel.
    void showPage(const PageImage& page, double devicePixelRatio);

    const QImage& image() const { return image_; }

private:
    QLabel* picture_;
    QImage image_;
};

// A drawn page as Qt's image (a copy: the page's pixels may go).
QImage imageOfPage(const PageImage& page);

} // namespace quill
