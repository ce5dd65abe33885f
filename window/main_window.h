#pragma once

// The main window `MainWindow`: the settings, the buttons that start a run, the progress and
// stop label, the saved sets, the notices and the exit. It owns the application object
// and only mirrors its settings: every click and key goes to the model first.

#ifndef Q_MOC_RUN // moc cannot read the C++20 standard headers these reach
#include "engine/application.h"
#include "engine/pupil_recording.h"
#endif
#include "engine/document_output.h"
#include "engine/mixed_sheet_run.h"
#include "engine/run_environment.h"
#include "engine/run_scheduler.h"
#include "history/saved_sets.h"
#include "window/event_pump.h"
#include "window/popup_menu_closer.h"
#include "window/pupil_name_dialog.h"
#include "window/window_controls.h"
#include "window/window_menus.h"
#include "window/window_notifier.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QMenu;

namespace quill
{

class AnsweringWindow;
class RecordsView;
class SheetPreviewDialog;
class TrayNotifications;

// A file dialog for a class list, starting in the user's Documents; empty when none was chosen.
QString askRosterFileName(QWidget* parent);

// A file dialog for a recipe, starting in the user's Documents.
QString askRecipeFileName(QWidget* parent, bool saving);

struct WindowOptions {
    std::filesystem::path documentFolder;
    std::filesystem::path historyFile;
    // What to do with a document once it is saved; the desktop opens it by default.
    std::function<void(const std::filesystem::path&)> openDocument;
    bool trayIcon = true;
    // Who answers the first set on screen (nothing: 不记录); tests answer without a dialog.
    std::function<std::optional<std::string>(QWidget*, const std::vector<std::string>&)> askPupil =
        askPupilName;
    // Whether the settings are kept between starts, and where: `settingsFile` empty is
    // QSettings' standard place.
    bool rememberSettings = false;
    QString settingsFile;
    // The recipe file 保存设置 writes (`saving`) or 载入设置 reads; empty when none was chosen.
    std::function<QString(QWidget*, bool saving)> askRecipeFile = askRecipeFileName;
    // The class list 名单 reads; empty when none was chosen.
    std::function<QString(QWidget*)> askRosterFile = askRosterFileName;
};

// The user's Documents folder + "/Quillmere", the history file of the program's folder,
// saved documents opened with the desktop's application, the settings kept between starts.
WindowOptions desktopWindowOptions();

class MainWindow : public QWidget, private RunEnvironment
{
    Q_OBJECT

public:
    explicit MainWindow(WindowOptions options = desktopWindowOptions(), QWidget* parent = nullptr);
    ~MainWindow() override;

    Application& application() { return app_; }
    bool runInProgress() const { return scheduler_.running(); }

signals:
    // A run (or a load) has returned and no other is waiting to start.
    void runsFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void connectOptionMenus();
    void mirror();

    void kindClicked(ExerciseKind kind);
    void checkClicked(CheckBox& box);
    bool keyTyped(NumberBox& box, char32_t key);
    void textEdited(NumberBox& box, const QString& text);
    void menuItemChosen(MenuItem& item);
    void onValidationTimer();
    void onProgressTimer();
    void openMenu(QMenu* menu, QPoint at);
    bool anyMenuOpen() const;

    void refreshSavedSetList();
    void savedSetChosen();
    void deleteChosenSet();
    void loadChosenSet();

    void runJob(Job job);
    void stopLabelClicked();
    bool confirmExit();
    void leave();
    void finishExit();
    void openAnsweringWindow();
    void closeAnsweringWindow();
    // The pupil's recording of this set; none for 不记录 or without a place for records.
    std::unique_ptr<PupilRecording> recordingFor(const AnsweringSession& session);
    void documentSaved(const std::filesystem::path& file);
    void openRecordsView();
    void writeMistakesSheets(const std::string& pupil, std::optional<std::size_t> count);
    void showPreview();
    void recallSettings();
    // The settings as a recipe; none, with the reason told, when they cannot be one.
    std::optional<std::string> currentRecipe();
    void saveSettingsAs();
    void loadSettingsFrom();
    void restoreDefaultSettings();
    // Replaces the settings, as long as no run uses them.
    bool replaceSettings(const ExerciseSettings& settings);
    void addSheetPart();
    void loadSheetParts(std::vector<std::vector<std::string>> parts,
                        const std::filesystem::path& file);
    void removeSheetPart();
    void showSheetParts();
    std::vector<SheetPart> pageParts() const;
    void generate();
    void chooseRoster();
    void clearRoster();
    void findSheetByCode();

    // What the run asks of the window.
    void waitSeconds(double seconds) override;
    void progressStarted() override;
    void progressStopped() override;
    void focusRangeStart() override;
    void openPopupMenu(PopupMenu menu) override;
    void refreshSavedSets() override;
    std::unique_ptr<WordProcessor> newDocument(const DocumentName& name) override;
    void documentsFinished(bool complete) override;
    std::optional<std::filesystem::path> historyFile() const override;

    WindowOptions options_;
    WindowNotifier notifier_;
    Application app_{notifier_};
    WindowControls controls_;
    WindowMenus menus_;
    TrayNotifications* tray_ = nullptr;
    QPointer<AnsweringWindow> answering_;  // a window of its own, open while a pupil answers
    QPointer<SheetPreviewDialog> preview_; // made by the first 预览
    QPointer<RecordsView> records_;        // made by the first 练习记录
    PopupMenuCloser menuCloser_;
    SavedSets savedSets_;
    DocumentOutput documents_;
    ThrottledEventPump pump_;
    QTimer validationTimer_;
    QTimer progressTimer_;

    RunScheduler scheduler_;
    std::string loadLine_; // the saved set 载入 writes next
    // The parts of a mixed sheet (加入本页), each as the generate options of its settings.
    std::vector<std::vector<std::string>> sheetParts_;
    // The names of the class list 名单 read; while it holds any, 生成练习 writes one set each.
    std::vector<std::string> roster_;
    // Asked once a window session: the pupil answering, or nothing for 不记录.
    std::optional<std::optional<std::string>> pupil_;
};

} // namespace quill
