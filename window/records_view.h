#pragma once

// 练习记录: for the pupil chosen, the sets answered and the items wrong and not since
// answered right, with 生成错题练习 to write a worksheet of those items. It reads the
// records itself; writing the sheet is the main window's, which owns the documents.

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;
class QTableWidget;

namespace quill
{

class RecordsView : public QDialog
{
    Q_OBJECT

public:
    // A mistakes sheet for the pupil, topped up to the count (none: exactly the mistakes).
    using WriteMistakesSheet =
        std::function<void(const std::string& pupil, std::optional<std::size_t> count)>;

    RecordsView(std::filesystem::path recordsFile, WriteMistakesSheet write,
                QWidget* parent = nullptr);

    // Reads the pupils again, keeping the one chosen; the records may have grown.
    void refresh();

private:
    void buildControls();
    void showPupil();
    void writeSheet();

    std::filesystem::path recordsFile_;
    WriteMistakesSheet write_;
    QComboBox* pupils_ = nullptr;
    QTableWidget* sets_ = nullptr;
    QListWidget* mistakes_ = nullptr;
    QSpinBox* count_ = nullptr;
    QLabel* message_ = nullptr;
};

} // namespace quill
