#include "window/main_window.h"

#include "engine/generation_run.h"
#include "engine/key_filter.h"
#include "engine/progress_line.h"
#include "engine/saved_set_loading.h"
#include "engine/settings_interlocks.h"
#include "engine/validation_tick.h"
#include "history/history_file.h"
#include "output/word_processor.h"
#include "window/answering_window.h"
#include "window/artwork.h"
#include "window/document_opener.h"
#include "window/number_entry.h"
#include "window/pointer_rest.h"
#include "window/tray_notifications.h"
#include "window/wait_seconds.h"
#include "window/window_texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
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
const std::string nothingToAnswerMessage = "没有题目可以作答：题量至少要有一题！";
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
    return options;
}

Form1::Form1(WindowOptions options, QWidget* parent)
    : QWidget(parent), options_(std::move(options)), savedSets_(options_.historyFile),
      documents_(options_.documentFolder, notifier_,
                 [this](const std::filesystem::path& file) { documentSaved(file); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programTitle());
    setWindowIcon(programIcon());
    controls_ = buildWindowControls(this, app_.settings);
    menus_ =
        buildWindowMenus(this, app_.settings, [this](MenuItem& item) { menuItemChosen(item); });
    for (QMenu* menu : {menus_.jbjs, menus_.danwei, menus_.wenjian})
        menuCloser_.watch(menu);

    tray_ = new TrayNotifications(this);
    notifier_.attach(controls_.messageLine, tray_);
    if (options_.trayIcon)
        tray_->AddTrayIcon(programTitle());
    app_.eventPump = [this] { pump_(); };

    connectControls();
    connectOptionMenus();
    refreshSavedSetList();
    app_.settings.MyValue1 = 50;
    mirror();

    timer1_.setInterval(validationInterval);
    connect(&timer1_, &QTimer::timeout, this, &Form1::onTimer1);
    timer1_.start();
    timer2_.setInterval(progressInterval);
    timer2_.setTimerType(Qt::PreciseTimer);
    connect(&timer2_, &QTimer::timeout, this, &Form1::onTimer2);
}

Form1::~Form1()
{
    delete answering_.data(); // a window of its own: nothing else deletes it
    // The notifier outlives the widgets it writes to only by a moment; make it quiet.
    notifier_.attach(nullptr, nullptr);
}

void Form1::connectControls()
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
            [this] { notifier_.ShowTrayMessage("请输入数字！"); });
        connect(t.widget, &QLineEdit::textEdited, this,
                [this, &box](const QString& text) { textEdited(box, text); });
    }
    for (const ComboControl& d : controls_.combos)
        connect(d.widget, &QComboBox::activated, this, [this, &list = s.*d.box](int index) {
            list.index = index;
            mirror();
        });
    connect(controls_.MyValue1, &QSlider::valueChanged, this, [this](int value) {
        app_.settings.MyValue1 = value;
        controls_.Label14->setText(QString::number(value));
    });
    connect(controls_.Combo6, &QComboBox::activated, this, [this] {
        // After the list's own popup has closed.
        QTimer::singleShot(0, this, &Form1::savedSetChosen);
    });
    connect(menus_.zairu, &QAction::triggered, this, &Form1::loadChosenSet);
    connect(menus_.shanchu, &QAction::triggered, this, &Form1::deleteChosenSet);
    connect(controls_.Command1, &QPushButton::clicked, this, [this] { requestJob(Job::Generate); });
    connect(controls_.Command2, &QPushButton::clicked, this, [this] { requestJob(Job::OnScreen); });
    controls_.Label11->installEventFilter(this);
}

// 简便计算 and 单位换算 open their menus when the pointer rests on them while chosen; a
// right click chooses the kind if needed and opens the menu too.
void Form1::connectOptionMenus()
{
    const std::pair<ExerciseKind, QMenu*> menuOptions[] = {{ExerciseKind::Laws, menus_.jbjs},
                                                           {ExerciseKind::Units, menus_.danwei}};
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

void Form1::mirror()
{
    mirrorSettings(controls_, app_.settings);
    mirrorMenuItems(menus_);
}

void Form1::kindClicked(ExerciseKind kind)
{
    clickKindOption(app_.settings, kind, notifier_);
    mirror();
}

void Form1::checkClicked(CheckBox& box)
{
    clickCheck(app_.settings, box, notifier_);
    mirror();
}

bool Form1::keyTyped(NumberBox& box, char32_t key)
{
    const bool accepted = acceptKey(app_.settings, box, key, notifier_);
    mirror();
    return accepted;
}

void Form1::textEdited(NumberBox& box, const QString& text)
{
    setText(app_.settings, box, text.toStdString());
    mirror();
}

void Form1::menuItemChosen(MenuItem& item)
{
    const bool reopenUnits = clickMenuItem(app_.settings, item);
    mirror();
    if (reopenUnits)
        QTimer::singleShot(0, this, [this] { openMenu(menus_.danwei, QCursor::pos()); });
}

void Form1::onTimer1()
{
    ValidationTick(app_.settings, notifier_);
    mirror();
    menuCloser_.CheckPopupMenu();
}

void Form1::onTimer2()
{
    const ProgressTick tick = progressTick(app_.run);
    if (tick.label)
        controls_.Label11->setText(QString::fromStdString(*tick.label));
    if (tick.advice)
        notifier_.ShowTrayMessage(*tick.advice);
}

bool Form1::anyMenuOpen() const
{
    for (const QMenu* menu : {menus_.jbjs, menus_.danwei, menus_.wenjian})
        if (menu->isVisible())
            return true;
    return false;
}

// Menus open without a loop of their own (popup, not exec), so a run goes on behind them.
void Form1::openMenu(QMenu* menu, QPoint at)
{
    if (anyMenuOpen() || exitConfirmed_)
        return;
    menu->popup(at);
}

void Form1::refreshSavedSetList()
{
    const FileResult read = savedSets_.RefreshSavedSets();
    if (!read)
        notifier_.ShowTrayMessage(read.reason);
    QComboBox* list = controls_.Combo6;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& entry : savedSets_.entries())
        list->addItem(QString::fromStdString(entry));
    list->setCurrentIndex(-1);
}

void Form1::savedSetChosen()
{
    if (controls_.Combo6->currentIndex() >= 0)
        openMenu(menus_.wenjian, QCursor::pos());
}

void Form1::deleteChosenSet()
{
    const int selected = controls_.Combo6->currentIndex();
    const DeleteOutcome outcome = savedSets_.deleteSavedSet(
        selected >= 0 ? std::optional<std::size_t>(selected) : std::nullopt);
    notifier_.ShowTrayMessage(outcome.message);
    refreshSavedSetList();
}

void Form1::loadChosenSet()
{
    const int selected = controls_.Combo6->currentIndex();
    if (selected < 0 || static_cast<std::size_t>(selected) >= savedSets_.lines().size()) {
        notifier_.ShowTrayMessage(chooseSavedSetMessage);
        return;
    }
    // The line itself, not its index: a run ending first refreshes the list.
    loadLine_ = savedSets_.lines()[static_cast<std::size_t>(selected)];
    requestJob(Job::Load);
}

// Runs never nest: a click while one is under way stops it and is remembered, and the new
// one starts here once the old one has returned completely.
void Form1::requestJob(Job job)
{
    pendingJob_ = job;
    if (running_) {
        stopCurrentRun();
        return;
    }
    running_ = true;
    while (pendingJob_ && !exitWanted_) {
        const Job next = *pendingJob_;
        pendingJob_.reset();
        stopWanted_ = false;
        runJob(next);
    }
    running_ = false;
    if (exitWanted_)
        finishExit();
    else
        emit runsFinished();
}

void Form1::runJob(Job job)
{
    switch (job) {
    case Job::Generate:
        generateExercises(app_, *this);
        break;
    case Job::OnScreen:
        if (drawOnScreenSet(app_, *this) == RunOutcome::Completed)
            openAnsweringWindow();
        break;
    case Job::Load:
        loadSavedSet(app_, *this, loadLine_);
        break;
    }
    mirror(); // loading chooses the set's kind
}

void Form1::stopCurrentRun()
{
    stopWanted_ = true;
    app_.run.qt = true;
}

void Form1::stopLabelClicked()
{
    if (!running_ || !timer2_.isActive())
        return;
    stopWanted_ = true;
    requestStop(app_, *this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controls_.Label11 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        stopLabelClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1::confirmExit()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillmere"), QStringLiteral("确认退出？"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("exitConfirmation"));
    askingExit_ = true;
    const int answer = box.exec();
    askingExit_ = false;
    return answer == QMessageBox::Yes;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (exitConfirmed_) {
        event->accept();
        return;
    }
    event->ignore();
    if (askingExit_ || exitWanted_ || !confirmExit())
        return;
    if (running_) {
        // Leave once the run has returned, so nothing is half written.
        exitWanted_ = true;
        pendingJob_.reset();
        stopCurrentRun();
        return;
    }
    leave();
    event->accept();
}

void Form1::leave()
{
    exitConfirmed_ = true;
    closeAnsweringWindow();
    timer1_.stop();
    timer2_.stop();
    for (QMenu* menu : {menus_.jbjs, menus_.danwei, menus_.wenjian})
        menu->close();
    tray_->RemoveTrayIcon();
    QCoreApplication::quit();
}

void Form1::finishExit()
{
    leave();
    close();
}

// The pupil gets the screen: the answering window shows, this one goes to the taskbar and
// comes back when the answering window closes. A new set replaces one being answered.
void Form1::openAnsweringWindow()
{
    std::vector<std::string> items = answeringItems(app_.run.out);
    if (items.empty()) {
        notifier_.ShowTrayMessage(nothingToAnswerMessage);
        return;
    }
    const ExerciseSettings& s = app_.settings;
    const AnsweringRules rules{.gradeIndex = s.gradeIndex(),
                               .divisionTicked = s.Check15.checked,
                               .keptPlaces = s.Check11.checked ? std::optional<int>(s.Combo4.index)
                                                               : std::nullopt};
    closeAnsweringWindow();
    answering_ = new AnsweringWindow(AnsweringSession(std::move(items), rules));
    connect(answering_, &AnsweringWindow::closed, this, [this] {
        showNormal();
        activateWindow();
    });
    answering_->show();
    showMinimized();
    notifier_.ShowTrayMessage(answerNowMessage);
    refreshSavedSetList();
}

// Closed by the program rather than the pupil: this window stays as it is.
void Form1::closeAnsweringWindow()
{
    if (!answering_)
        return;
    disconnect(answering_, nullptr, this, nullptr);
    answering_->close();
}

void Form1::documentSaved(const std::filesystem::path& file)
{
    if (options_.openDocument) {
        options_.openDocument(file);
        return;
    }
    const QString path = fromPath(file);
    openWithDesktop(path, [notifier = &notifier_, path](const QString& reason) {
        notifier->ShowTrayMessage(
            QStringLiteral("文档已保存在“%1”，但无法自动打开（%2），请手动打开。")
                .arg(path, reason)
                .toStdString());
    });
}

void Form1::waitSeconds(double seconds)
{
    WaitSeconds(seconds);
}

void Form1::progressStarted()
{
    // A stop asked for while the run was pausing before its draw would be lost when the
    // run clears the flag to begin; ask again.
    if (stopWanted_) {
        app_.run.qt = true;
        return;
    }
    controls_.Label11->clear();
    timer2_.start();
}

void Form1::progressStopped()
{
    timer2_.stop();
    controls_.Label11->clear();
}

void Form1::focusRangeStart()
{
    QLineEdit* start = controls_.numberBox(&ExerciseSettings::Text5);
    start->setFocus();
    start->selectAll();
}

void Form1::openPopupMenu(PopupMenu menu)
{
    switch (menu) {
    case PopupMenu::Laws:
        openMenu(menus_.jbjs, QCursor::pos());
        break;
    case PopupMenu::Units:
        openMenu(menus_.danwei, QCursor::pos());
        break;
    case PopupMenu::File:
        openMenu(menus_.wenjian, QCursor::pos());
        break;
    }
}

void Form1::refreshSavedSets()
{
    refreshSavedSetList();
}

std::unique_ptr<WordProcessor> Form1::newDocument(const DocumentName& name)
{
    return documents_.newDocument(name);
}

std::optional<std::filesystem::path> Form1::historyFile() const
{
    if (options_.historyFile.empty())
        return std::nullopt;
    return options_.historyFile;
}

} // namespace quill
