#pragma once

// The controls of the main window, each named after the setting it shows, and how they
// mirror the settings model. The model is the only truth: widgets show it and forward.

#include "settings/exercise_settings.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTextBrowser;
class QWidget;

namespace quill
{

class PictureSlider;

struct OptionControl {
    QRadioButton* widget;
    ExerciseKind kind;
};

struct CheckControl {
    QCheckBox* widget;
    CheckBox ExerciseSettings::*box;
};

struct TextControl {
    QLineEdit* widget;
    NumberBox ExerciseSettings::*box;
};

struct ComboControl {
    QComboBox* widget;
    DropDown ExerciseSettings::*box;
};

struct WindowControls {
    std::vector<OptionControl> options; // one per row of the kind table
    std::vector<CheckControl> checks;
    std::vector<TextControl> texts;
    std::vector<ComboControl> combos;
    PictureSlider* closenessSlider = nullptr;
    QLabel* closenessLabel = nullptr;            // the closeness read-out
    QLabel* banner = nullptr;                    // the banner
    QLabel* welcome = nullptr;                   // the welcome text
    QTextBrowser* tips = nullptr;                // tips for using the program
    QComboBox* savedSetList = nullptr;           // the saved sets
    QPushButton* generateButton = nullptr;       // 生成练习
    QPushButton* answerOnScreenButton = nullptr; // 上机答题
    QPushButton* recordsButton = nullptr;        // 练习记录
    QPushButton* previewButton = nullptr;        // 预览: page 1 of the question sheet
    QPushButton* settingsButton = nullptr;       // 设置: save, load or restore the settings
    QListWidget* sheetPartList = nullptr;        // the parts of a mixed sheet, with their counts
    QPushButton* addPartButton = nullptr;        // 加入本页: the settings as one more part
    QPushButton* removePartButton = nullptr;     // 移除: the chosen part
    QSpinBox* copiesBox = nullptr;               // 份数: one different set per copy
    QPushButton* rosterButton = nullptr;         // 名单: a class list, one set per name
    QLabel* rosterLabel = nullptr;               // how many names the list gave
    QPushButton* clearRosterButton = nullptr;    // 清除: back to 份数
    QLineEdit* sheetCodeBox = nullptr;           // 代码: the code on a pupil's sheet
    QPushButton* findSheetButton = nullptr;      // 查找: selects the saved set of that code
    QLabel* progressLabel = nullptr;             // progress, and the stop button while drawing
    QPlainTextEdit* messageLine = nullptr;       // every notification, also without a tray

    QRadioButton* option(ExerciseKind kind) const;
    QLineEdit* numberBox(NumberBox ExerciseSettings::*box) const;
};

// Creates the controls inside `window`, in groups that read in the order of the settings.
WindowControls buildWindowControls(QWidget* window, const ExerciseSettings& settings);

// Shows the model: values, captions and enabled states, without emitting the widgets' own
// signals. A number box's text is only replaced when it differs, so typing is undisturbed.
void mirrorSettings(const WindowControls& controls, const ExerciseSettings& settings);

} // namespace quill
