#include "window/main_window.h"

#include "base/atomic_file.h"
#include "engine/class_sheets.h"
#include "engine/generate_options.h"
#include "engine/generation_run.h"
#include "engine/key_filter.h"
#include "engine/mistakes_sheet.h"
#include "engine/mixed_sheet_run.h"
#include "engine/progress_line.h"
#include "engine/pupil_roster.h"
#include "engine/recipe.h"
#include "engine/saved_set_loading.h"
#include "engine/settings_interlocks.h"
#include "engine/settings_options.h"
#include "engine/sheet_preview.h"
#include "engine/validation_tick.h"
#include "history/history_file.h"
#include "output/mixed_sheet_writer.h"
#include "output/word_processor.h"
#include "settings/control_glossary.h"
#include "settings/exercise_kinds.h"
#include "window/answering_window.h"
#include "window/artwork.h"
#include "window/document_opener.h"
#include "window/number_entry.h"
#include "window/picture_slider.h"
#include "window/pointer_rest.h"
#include "window/records_view.h"
#include "window/settings_memory.h"
#include "window/sheet_preview_dialog.h"
#include "window/tray_notifications.h"
#include "window/wait_seconds.h"
#include "window/window_texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>

namespace quill
{

namespace
{

constexpr int validationInterval = 500; // ms
constexpr int progressInterval = 10;    // ms

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(path.toStdString());
}

QString fromPath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

const std::string answerNowMessage = "出题完毕，请作答！";
const std::string chooseSavedSetMessage = "请先在“保存的练习”中选择要载入的练习！";

} // namespace

WindowOptions desktopWindowOptions()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    WindowOptions options;
    options.documentFolder = toPath(documents) / "Quillmere";
    options.historyFile = historyFileLocation(toPath(QCoreApplication::applicationDirPath()));
    options.rememberSettings = true;
    return options;
}

QString askRecipeFileName(QWidget* parent, bool saving)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString filter = QStringLiteral("配方 (*.toml);;所有文件 (*)");
    return saving ? QFileDialog::getSaveFileName(parent, QStringLiteral("保存设置"),
                                                 folder + QStringLiteral("/我的设置.toml"), filter)
                  : QFileDialog::getOpenFileName(parent, QStringLiteral("载入设置"), folder, filter);
}

QString askRosterFileName(QWidget* parent)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("读入名单"), folder,
                                        QStringLiteral("名单 (*.txt *.csv);;所有文件 (*)"));
}

MainWindow::MainWindow(WindowOptions options, QWidget* parent)
    : QWidget(parent), options_(std::move(options)), savedSets_(options_.historyFile),
      documents_(options_.documentFolder, notifier_,
                 [this](const std::filesystem::path& file) { documentSaved(file); }),
      scheduler_({.run = [this](Job job) { runJob(job); },
                  .stop = [this] { app_.run.stopRequested = true; },
                  .finished = [this] { emit runsFinished(); },
                  .leaveAfterJob = [this] { finishExit(); }})
{
    setObjectName(QString::fromUtf8(controlName("MainWindow")));
    setWindowTitle(programTitle());
    setWindowIcon(programIcon());
    controls_ = buildWindowControls(this, app_.settings);
    menus_ =
        buildWindowMenus(this, app_.settings, [this](MenuItem& item) { menuItemChosen(item); });
    for (QMenu* menu : {menus_.lawMenu, menus_.unitMenu, menus_.savedSetMenu, menus_.settingsMenu})
        menuCloser_.watch(menu);

    tray_ = new TrayNotifications(this);
    notifier_.attach(controls_.messageLine, tray_);
    if (options_.trayIcon)
        tray_->showIcon(programTitle());
    app_.eventPump = [this] { pump_(); };

    connectControls();
    connectOptionMenus();
    refreshSavedSetList();
    app_.settings.closeness = 50;
    recallSettings();
    mirror();

    validationTimer_.setInterval(validationInterval);
    connect(&validationTimer_, &QTimer::timeout, this, &MainWindow::onValidationTimer);
    validationTimer_.start();
    progressTimer_.setInterval(progressInterval);
    progressTimer_.setTimerType(Qt::PreciseTimer);
    connect(&progressTimer_, &QTimer::timeout, this, &MainWindow::onProgressTimer);
}

MainWindow::~MainWindow()
{
    delete answering_.data(); // a window of its own: nothing else deletes it
    if (options_.rememberSettings)
        SettingsMemory(options_.settingsFile).keep(currentRecipe().value_or(std::string()));
    // The notifier outlives the widgets it writes to only by a moment; make it quiet.
    notifier_.attach(nullptr, nullptr);
}

void MainWindow::connectControls()
{
    ExerciseSettings& s = app_.settings;
    for (const OptionControl& o : controls_.options)
        connect(o.widget, &QRadioButton::clicked, this,
                [this, kind = o.kind] { kindClicked(kind); });
    for (const CheckControl& c : controls_.checks)
        connect(c.widget, &QCheckBox::clicked, this,
                [this, &box = s.*c.box] { checkClicked(box); });
    for (const TextControl& t : controls_.texts) {
        NumberBox& box = s.*t.box;
        new NumberEntry(
            t.widget, [this, &box](char32_t key) { return keyTyped(box, key); },
            [this] { notifier_.notify("请输入数字！"); });
        connect(t.widget, &QLineEdit::textEdited, this,
                [this, &box](const QString& text) { textEdited(box, text); });
    }
    for (const ComboControl& d : controls_.combos)
        connect(d.widget, &QComboBox::activated, this, [this, &list = s.*d.box](int index) {
            setChoice(app_.settings, list, index);
            mirror();
        });
    connect(controls_.closenessSlider, &PictureSlider::changed, this, [this](int value) {
        app_.settings.closeness = value;
        controls_.closenessLabel->setText(QString::number(value));
    });
    connect(controls_.savedSetList, &QComboBox::activated, this, [this] {
        // After the list's own popup has closed.
        QTimer::singleShot(0, this, &MainWindow::savedSetChosen);
    });
    connect(menus_.loadAction, &QAction::triggered, this, &MainWindow::loadChosenSet);
    connect(menus_.deleteAction, &QAction::triggered, this, &MainWindow::deleteChosenSet);
    connect(controls_.generateButton, &QPushButton::clicked, this,
            [this] { scheduler_.request(Job::Generate); });
    connect(controls_.answerOnScreenButton, &QPushButton::clicked, this,
            [this] { scheduler_.request(Job::OnScreen); });
    connect(controls_.recordsButton, &QPushButton::clicked, this, &MainWindow::openRecordsView);
    connect(controls_.previewButton, &QPushButton::clicked, this,
            [this] { scheduler_.request(Job::Preview); });
    connect(controls_.settingsButton, &QPushButton::clicked, this, [this] {
        openMenu(menus_.settingsMenu,
                 controls_.settingsButton->mapToGlobal(controls_.settingsButton->rect().bottomLeft()));
    });
    connect(menus_.saveSettingsAction, &QAction::triggered, this, &MainWindow::saveSettingsAs);
    connect(menus_.loadSettingsAction, &QAction::triggered, this, &MainWindow::loadSettingsFrom);
    connect(menus_.restoreDefaultsAction, &QAction::triggered, this,
            &MainWindow::restoreDefaultSettings);
    connect(controls_.rosterButton, &QPushButton::clicked, this, &MainWindow::chooseRoster);
    connect(controls_.clearRosterButton, &QPushButton::clicked, this, &MainWindow::clearRoster);
    connect(controls_.findSheetButton, &QPushButton::clicked, this, &MainWindow::findSheetByCode);
    connect(controls_.sheetCodeBox, &QLineEdit::returnPressed, this, &MainWindow::findSheetByCode);
    connect(controls_.addPartButton, &QPushButton::clicked, this, &MainWindow::addSheetPart);
    connect(controls_.removePartButton, &QPushButton::clicked, this, &MainWindow::removeSheetPart);
    controls_.progressLabel->installEventFilter(this);
}

// 简便计算 and 单位换算 open their menus when the pointer rests on them while chosen; a
// right click chooses the kind if needed and opens the menu too.
void MainWindow::connectOptionMenus()
{
    const std::pair<ExerciseKind, QMenu*> menuOptions[] = {{ExerciseKind::Laws, menus_.lawMenu},
                                                           {ExerciseKind::Units, menus_.unitMenu}};
    for (const auto& [kind, menu] : menuOptions) {
        auto* rest = new PointerRest(controls_.option(kind));
        connect(rest, &PointerRest::rested, this, [this, kind, menu](QPoint at) {
            if (app_.settings.option(kind).selected)
                openMenu(menu, at);
        });
        connect(rest, &PointerRest::contextRequested, this, [this, kind, menu](QPoint at) {
            if (!app_.settings.option(kind).selected)
                kindClicked(kind);
            openMenu(menu, at);
        });
    }
}

void MainWindow::mirror()
{
    mirrorSettings(controls_, app_.settings);
    mirrorMenuItems(menus_);
}

// A kept value that cannot be read back never stops the window from starting: it starts from
// the defaults and says why.
void MainWindow::recallSettings()
{
    if (!options_.rememberSettings)
        return;
    const std::string kept = SettingsMemory(options_.settingsFile).recall();
    if (kept.empty())
        return;
    try {
        app_.settings = settingsOfOptions(recipeOptions(kept, "上次的设置"));
    } catch (const UsageError& error) {
        notifier_.notify("上次的设置无法恢复，已用默认设置。" + std::string(error.what()));
    }
}

bool MainWindow::replaceSettings(const ExerciseSettings& settings)
{
    if (scheduler_.running()) {
        notifier_.notify("正在出题，请出完题后再换设置。");
        return false;
    }
    app_.settings = settings;
    mirror();
    return true;
}

std::optional<std::string> MainWindow::currentRecipe()
{
    try {
        return recipeText(settingsOptions(app_.settings));
    } catch (const UsageError& error) {
        notifier_.notify(std::string("这些设置不能写成配方：") + error.what());
        return std::nullopt;
    }
}

void MainWindow::saveSettingsAs()
{
    const std::optional<std::string> recipe = currentRecipe();
    const QString file = recipe ? options_.askRecipeFile(this, true) : QString();
    if (file.isEmpty())
        return;
    const IoResult saved = replaceFile(toPath(file), *recipe);
    notifier_.notify(saved ? "设置已保存到" + quotedPath(saved.path) + "。"
                           : "设置没有保存：" + saved.describe());
}

void MainWindow::loadSettingsFrom()
{
    const QString file = options_.askRecipeFile(this, false);
    if (file.isEmpty())
        return;
    try {
        const std::vector<std::string> options = recipeFileOptions(toPath(file));
        if (const GenerateOptions parsed = parseGenerateOptions(options); !parsed.parts.empty()) {
            loadSheetParts(partOptions(sharedPartOptions(options), parsed.parts), toPath(file));
            return;
        }
        const ExerciseSettings loaded = settingsOfOptions(options);
        if (replaceSettings(loaded))
            notifier_.notify("已载入设置：" + quotedPath(toPath(file)));
    } catch (const UsageError& error) {
        notifier_.notify(std::string("设置没有载入：") + error.what());
    }
}

void MainWindow::restoreDefaultSettings()
{
    if (replaceSettings(ExerciseSettings()))
        notifier_.notify("已恢复默认设置。");
}

void MainWindow::kindClicked(ExerciseKind kind)
{
    clickKindOption(app_.settings, kind, notifier_);
    // 单位换算 says where its units are chosen: in the menu over the option's caption.
    if (const std::string_view hint = kindRow(kind).clickHint; !hint.empty())
        notifier_.notify(std::string(hint));
    mirror();
}

void MainWindow::checkClicked(CheckBox& box)
{
    clickCheck(app_.settings, box, notifier_);
    mirror();
}

bool MainWindow::keyTyped(NumberBox& box, char32_t key)
{
    const bool accepted = acceptKey(app_.settings, box, key, notifier_);
    mirror();
    return accepted;
}

void MainWindow::textEdited(NumberBox& box, const QString& text)
{
    setText(app_.settings, box, text.toStdString());
    mirror();
}

void MainWindow::menuItemChosen(MenuItem& item)
{
    const bool reopenUnits = clickMenuItem(app_.settings, item);
    mirror();
    if (reopenUnits)
        QTimer::singleShot(0, this, [this] { openMenu(menus_.unitMenu, QCursor::pos()); });
}

void MainWindow::onValidationTimer()
{
    repairSettings(app_.settings, notifier_);
    mirror();
    menuCloser_.closeWhenLeft();
}

void MainWindow::onProgressTimer()
{
    const ProgressTick tick = progressTick(app_.run);
    if (tick.label)
        controls_.progressLabel->setText(QString::fromStdString(*tick.label));
    if (tick.advice)
        notifier_.notify(*tick.advice);
}

bool MainWindow::anyMenuOpen() const
{
    for (const QMenu* menu : {menus_.lawMenu, menus_.unitMenu, menus_.savedSetMenu})
        if (menu->isVisible())
            return true;
    return false;
}

// Menus open without a loop of their own (popup, not exec), so a run goes on behind them.
void MainWindow::openMenu(QMenu* menu, QPoint at)
{
    if (anyMenuOpen() || scheduler_.leaving())
        return;
    menu->popup(at);
}

void MainWindow::refreshSavedSetList()
{
    const IoResult read = savedSets_.refresh();
    if (!read)
        notifier_.notify(unreadableHistoryMessage(read));
    else if (savedSets_.skippedTornLine())
        notifier_.notify(tornLineMessage(savedSets_.file()));
    QComboBox* list = controls_.savedSetList;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& entry : savedSets_.entries())
        list->addItem(QString::fromStdString(entry));
    list->setCurrentIndex(-1);
}

void MainWindow::savedSetChosen()
{
    if (controls_.savedSetList->currentIndex() >= 0)
        openMenu(menus_.savedSetMenu, QCursor::pos());
}

void MainWindow::deleteChosenSet()
{
    const int selected = controls_.savedSetList->currentIndex();
    const IoResult deleted = savedSets_.deleteSavedSet(
        selected >= 0 ? std::optional<std::size_t>(selected) : std::nullopt);
    notifier_.notify(deleteMessage(deleted));
    refreshSavedSetList();
}

void MainWindow::loadChosenSet()
{
    const int selected = controls_.savedSetList->currentIndex();
    if (selected < 0 || static_cast<std::size_t>(selected) >= savedSets_.lines().size()) {
        notifier_.notify(chooseSavedSetMessage);
        return;
    }
    // The line itself, not its index: a run ending first refreshes the list.
    loadLine_ = savedSets_.lines()[static_cast<std::size_t>(selected)];
    scheduler_.request(Job::Load);
}

void MainWindow::runJob(Job job)
{
    switch (job) {
    case Job::Generate:
        generate();
        break;
    case Job::OnScreen:
        if (drawOnScreenSet(app_, *this) == RunOutcome::Completed)
            openAnsweringWindow();
        break;
    case Job::Load:
        loadSavedSet(app_, *this, loadLine_);
        break;
    case Job::Preview:
        showPreview();
        break;
    }
    mirror(); // loading chooses the set's kind
}

// The settings as they stand become the page's next part, if a mixed sheet can hold them.
void MainWindow::addSheetPart()
{
    const std::optional<std::vector<std::string>> options = generateOptionsOf(app_.settings);
    if (!options) {
        notifier_.notify("现在的设置不能加入本页：数据、题量、列数、字号和行距只能是整数。");
        return;
    }
    try {
        SilentNotifier quiet;
        sheetPart(*options, quiet);
    } catch (const UsageError& refusal) {
        notifier_.notify(refusal.what());
        return;
    }
    sheetParts_.push_back(*options);
    showSheetParts();
}

// A mixed recipe's parts take the place of the page's; each is tried first, so a part no
// mixed sheet holds leaves the page as it was.
void MainWindow::loadSheetParts(std::vector<std::vector<std::string>> parts,
                                const std::filesystem::path& file)
{
    SilentNotifier quiet;
    for (const std::vector<std::string>& options : parts)
        sheetPart(options, quiet);
    sheetParts_ = std::move(parts);
    showSheetParts();
    notifier_.notify("已把配方" + quotedPath(file) + "的 " + std::to_string(sheetParts_.size()) +
                     " 部分载入本页（混合练习），点“生成练习”写出。");
}

void MainWindow::removeSheetPart()
{
    const int chosen = controls_.sheetPartList->currentRow();
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= sheetParts_.size()) {
        notifier_.notify("请先在本页的列表里选择要移除的部分。");
        return;
    }
    sheetParts_.erase(sheetParts_.begin() + chosen);
    showSheetParts();
}

// "一、口算  20题": each part numbered as its heading will be, with its count.
void MainWindow::showSheetParts()
{
    controls_.sheetPartList->clear();
    SilentNotifier quiet;
    for (std::size_t k = 0; k < sheetParts_.size(); ++k) {
        const SheetPart part = sheetPart(sheetParts_[k], quiet);
        controls_.sheetPartList->addItem(
            QString::fromStdString(partHeading(static_cast<int>(k), part.settings) + "  " +
                                   part.settings.itemCount.text + "题"));
    }
}

// Each part was tried when it was added; 答案, 格式 and 保存 are the window's as they stand.
std::vector<SheetPart> MainWindow::pageParts() const
{
    std::vector<SheetPart> parts;
    SilentNotifier quiet;
    for (const std::vector<std::string>& options : sheetParts_)
        parts.push_back(sheetPart(options, quiet));
    return parts;
}

// 份数 above 1 or a class list make one set per pupil, as generate --copies or --roster does,
// a mixed one while the page has parts.
void MainWindow::generate()
{
    const int copies = controls_.copiesBox->value();
    const bool wholeClass = !roster_.empty() || copies > 1;
    if (!wholeClass) {
        if (sheetParts_.empty()) {
            generateExercises(app_, *this);
            return;
        }
        std::vector<SheetPart> parts = pageParts();
        generateMixedSheet(app_, *this, parts);
        return;
    }
    const std::vector<std::string> pupils = classPupils(roster_, static_cast<std::size_t>(copies));
    std::vector<PupilSheet> sheets;
    if (sheetParts_.empty())
        generateClassSheets(app_, *this, pupils, sheets);
    else
        generateClassMixedSheets(app_, *this, pupils, pageParts(), sheets);
}

// A list that cannot be read leaves the one read before in place.
void MainWindow::chooseRoster()
{
    const QString file = options_.askRosterFile(this);
    if (file.isEmpty())
        return;
    Roster read = readRoster(toPath(file));
    if (read.refusal) {
        notifier_.notify(*read.refusal);
        return;
    }
    roster_ = std::move(read.names);
    controls_.rosterLabel->setText(QStringLiteral("%1 个名字").arg(roster_.size()));
    controls_.copiesBox->setEnabled(false);
    controls_.clearRosterButton->setEnabled(true);
}

void MainWindow::clearRoster()
{
    roster_.clear();
    controls_.rosterLabel->clear();
    controls_.copiesBox->setEnabled(true);
    controls_.clearRosterButton->setEnabled(false);
}

// The saved set opens its menu as if it had been chosen from the list.
void MainWindow::findSheetByCode()
{
    const std::string code = controls_.sheetCodeBox->text().trimmed().toStdString();
    if (code.empty()) {
        notifier_.notify("请先在“代码”框里输入题目卷上的代码。");
        return;
    }
    refreshSavedSetList();
    const std::optional<std::size_t> found = savedSets_.latestSheet(code);
    if (!found) {
        notifier_.notify(noSheetCodeMessage(code));
        return;
    }
    controls_.savedSetList->setCurrentIndex(static_cast<int>(*found));
    savedSetChosen();
}

// A page at 1.25 pixels a point (about 90 dpi on paper) reads like the sheet in hand.
void MainWindow::showPreview()
{
    constexpr double previewScale = 1.25;
    const double ratio = devicePixelRatioF();
    const std::optional<PageImage> page = previewQuestionSheet(app_, *this, previewScale * ratio);
    if (!page)
        return;
    if (!preview_)
        preview_ = new SheetPreviewDialog(this);
    preview_->showPage(*page, ratio);
}

void MainWindow::stopLabelClicked()
{
    if (!scheduler_.running() || !progressTimer_.isActive())
        return;
    scheduler_.stop();
    requestStop(app_, *this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controls_.progressLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        stopLabelClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::confirmExit()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillmere"), QStringLiteral("确认退出？"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("exitConfirmation"));
    return box.exec() == QMessageBox::Yes;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    switch (scheduler_.closeRequested([this] { return confirmExit(); })) {
    case CloseResponse::Ignore:
        event->ignore();
        break;
    case CloseResponse::LeaveNow:
        leave();
        event->accept();
        break;
    case CloseResponse::Accept:
        event->accept();
        break;
    }
}

void MainWindow::leave()
{
    closeAnsweringWindow();
    validationTimer_.stop();
    progressTimer_.stop();
    for (QMenu* menu : {menus_.lawMenu, menus_.unitMenu, menus_.savedSetMenu, menus_.settingsMenu})
        menu->close();
    tray_->hideIcon();
    QCoreApplication::quit();
}

void MainWindow::finishExit()
{
    leave();
    close();
}

// The pupil gets the screen: the answering window shows, this one goes to the taskbar and
// comes back when the answering window closes. A new set replaces one being answered.
void MainWindow::openAnsweringWindow()
{
    AnsweringSession session(app_.set, answeringRules(app_.settings));
    if (session.itemCount() == 0) {
        notifier_.notify(nothingToAnswerMessage);
        return;
    }
    std::unique_ptr<PupilRecording> recording = recordingFor(session);
    closeAnsweringWindow();
    answering_ = new AnsweringWindow(std::move(session));
    answering_->recordTo(std::move(recording));
    connect(answering_, &AnsweringWindow::closed, this, [this] {
        showNormal();
        activateWindow();
    });
    answering_->show();
    showMinimized();
    notifier_.notify(answerNowMessage);
    refreshSavedSetList();
}

namespace
{

// The known pupils, from records that exist already: asking makes no database.
std::vector<std::string> knownPupils(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return {};
    PupilRecords records(file);
    return records.pupils();
}

// What a set on screen was drawn with, as `quillmere answer` records it: its kind of numbers
// is what a mistakes sheet needs to read its items back.
std::string recordedOptionsOf(const ExerciseSettings& settings)
{
    return settings.fractions.checked ? "--numbers\nfraction\n" : "";
}

} // namespace

std::unique_ptr<PupilRecording> MainWindow::recordingFor(const AnsweringSession& session)
{
    if (options_.historyFile.empty())
        return {};
    const std::filesystem::path file = recordsFileBeside(options_.historyFile);
    if (!pupil_)
        pupil_ = options_.askPupil ? options_.askPupil(this, knownPupils(file)) : std::nullopt;
    if (!*pupil_)
        return {};
    return std::make_unique<PupilRecording>(
        file, **pupil_, recordedOptionsOf(app_.settings), session,
        [this](const std::string& message) { notifier_.notify(message); });
}

void MainWindow::openRecordsView()
{
    if (options_.historyFile.empty()) {
        notifier_.notify("没有保存历史记录的地方，也就没有练习记录。");
        return;
    }
    if (!records_)
        records_ = new RecordsView(
            recordsFileBeside(options_.historyFile),
            [this](const std::string& pupil, std::optional<std::size_t> count) {
                writeMistakesSheets(pupil, count);
            },
            this);
    records_->refresh();
    records_->show();
    records_->raise();
}

namespace
{

// Writes a sheet's documents into the window's documents folder, and does nothing else a
// run asks: the sheet is written aside from the settings on screen.
class DocumentsOnly : public RunEnvironment
{
public:
    explicit DocumentsOnly(DocumentOutput& documents) : documents_(documents) {}
    std::unique_ptr<WordProcessor> newDocument(const DocumentName& name) override
    {
        return documents_.newDocument(name);
    }
    void documentsFinished(bool complete) override { documents_.finishSet(complete); }

private:
    DocumentOutput& documents_;
};

} // namespace

// One sheet (and its answers) for each kind the mistakes were made in, as
// `quillmere review --answers` writes them.
void MainWindow::writeMistakesSheets(const std::string& pupil, std::optional<std::size_t> count)
{
    if (scheduler_.running()) {
        notifier_.notify("正在出题，请出完再生成错题练习。");
        return;
    }
    PupilRecords records(recordsFileBeside(options_.historyFile));
    const std::vector<MistakeRecord> mistakes = records.mistakes(pupil, "");
    if (!records.result()) {
        notifier_.notify("练习记录读不出来：" + records.result().describe());
        return;
    }
    if (mistakes.empty()) {
        notifier_.notify(pupil + "没有要练习的错题。");
        return;
    }
    for (const KindMistakes& group : mistakesByKind(mistakes)) {
        Application sheet(notifier_);
        RunEnvironment drawing;
        const std::size_t mistaken =
            prepareMistakesSheet(sheet, group, count, freshSeed(), drawing);
        notifier_.notify(mistakesSheetMessage(pupil, mistaken, sheet.set.size()));
        sheet.settings.answerSheet.checked = true;
        DocumentsOnly documents(documents_);
        writeMistakesSheet(sheet, group.kind, documents);
    }
}

// Closed by the program rather than the pupil: this window stays as it is.
void MainWindow::closeAnsweringWindow()
{
    if (!answering_)
        return;
    disconnect(answering_, nullptr, this, nullptr);
    answering_->close();
}

void MainWindow::documentSaved(const std::filesystem::path& file)
{
    if (options_.openDocument) {
        options_.openDocument(file);
        return;
    }
    const QString path = fromPath(file);
    openWithDesktop(path, [notifier = &notifier_, path](const QString& reason) {
        notifier->notify(QStringLiteral("文档已保存在“%1”，但无法自动打开（%2），请手动打开。")
                             .arg(path, reason)
                             .toStdString());
    });
}

void MainWindow::waitSeconds(double seconds)
{
    waitWithEvents(seconds);
}

void MainWindow::progressStarted()
{
    // A stop asked for while the run was pausing before its draw would be lost when the
    // run clears the flag to begin; ask again.
    if (scheduler_.stopWanted()) {
        app_.run.stopRequested = true;
        return;
    }
    controls_.progressLabel->clear();
    progressTimer_.start();
}

void MainWindow::progressStopped()
{
    progressTimer_.stop();
    controls_.progressLabel->clear();
}

void MainWindow::focusRangeStart()
{
    QLineEdit* start = controls_.numberBox(&ExerciseSettings::rangeStart);
    start->setFocus();
    start->selectAll();
}

void MainWindow::openPopupMenu(PopupMenu menu)
{
    switch (menu) {
    case PopupMenu::Laws:
        openMenu(menus_.lawMenu, QCursor::pos());
        break;
    case PopupMenu::Units:
        openMenu(menus_.unitMenu, QCursor::pos());
        break;
    case PopupMenu::File:
        openMenu(menus_.savedSetMenu, QCursor::pos());
        break;
    }
}

void MainWindow::refreshSavedSets()
{
    refreshSavedSetList();
}

std::unique_ptr<WordProcessor> MainWindow::newDocument(const DocumentName& name)
{
    return documents_.newDocument(name);
}

void MainWindow::documentsFinished(bool complete)
{
    documents_.finishSet(complete);
}

std::optional<std::filesystem::path> MainWindow::historyFile() const
{
    if (options_.historyFile.empty())
        return std::nullopt;
    return options_.historyFile;
}

} // namespace quill
