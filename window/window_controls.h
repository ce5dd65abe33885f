#pragma once

// The controls of the main window, each named after the setting it shows, and how they
// mirror the settings model. The model is the only truth: widgets show it and forward.

#include "settings/exercise_settings.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTextBrowser;
class QWidget;

namespace quill
{

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
    std::vector<OptionControl> options; // Option1..Option7
    std::vector<CheckControl> checks;
    std::vector<TextControl> texts;
    std::vector<ComboControl> combos;
    QSlider* MyValue1 = nullptr;
    QLabel* Label14 = nullptr;             // the closeness read-out
    QLabel* Picture1 = nullptr;            // the banner
    QLabel* Label4 = nullptr;              // the welcome text
    QTextBrowser* WebBrowser1 = nullptr;   // tips for using the program
    QComboBox* Combo6 = nullptr;           // the saved sets
    QPushButton* Command1 = nullptr;       // 生成练习
    QPushButton* Command2 = nullptr;       // 上机答题
    QLabel* Label11 = nullptr;             // progress, and the stop button while drawing
    QPlainTextEdit* messageLine = nullptr; // every notification, also without a tray

    QRadioButton* option(ExerciseKind kind) const;
    QLineEdit* numberBox(NumberBox ExerciseSettings::*box) const;
};

// Creates the controls inside `window`, in groups that read in the order of the settings.
WindowControls buildWindowControls(QWidget* window, const ExerciseSettings& settings);

// Shows the model: values, captions and enabled states, without emitting the widgets' own
// signals. A number box's text is only replaced when it differs, so typing is undisturbed.
void mirrorSettings(const WindowControls& controls, const ExerciseSettings& settings);

} // namespace quill
