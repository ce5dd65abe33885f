#include "app/command_line.h"

#include "app/application.h"
#include "app/generate_options.h"
#include "app/generation_run.h"
#include "app/progress_line.h"
#include "app/run_environment.h"
#include "app/version.h"

#include <chrono>
#include <csignal>
#include <ostream>
#include <random>

namespace quill {

namespace {

// Set by Ctrl+C; the event pump turns it into the stop flag of the running draw.
volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void onInterrupt(int) { interruptRequested = 1; }

class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(std::ostream& stream) : stream_(stream) {}

protected:
    void show(const std::string& text, const std::string&, TrayIcon) override
    {
        stream_ << text << '\n' << std::flush;
    }

private:
    std::ostream& stream_;
};

// The command line's stand-in for the window: no pauses (nothing else runs beside it), the
// progress advice every 60 seconds on stderr, Ctrl+C as the stop label.
class CommandLineEnvironment : public RunEnvironment {
public:
    CommandLineEnvironment(Application& app, std::ostream& err) : app_(app), err_(err)
    {
        app.eventPump = [this] { pumpEvents(); };
    }

    void progressStarted() override
    {
        drawing_ = true;
        started_ = std::chrono::steady_clock::now();
    }
    void progressStopped() override { drawing_ = false; }

private:
    void pumpEvents()
    {
        if (interruptRequested)
            app_.run.qt = true;
        // The pump runs before every draw; looking at the clock that often costs more than
        // the draw itself.
        if (!drawing_ || ++calls_ % 256 != 0)
            return;
        const auto elapsed = std::chrono::steady_clock::now() - started_;
        const long ticks = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 10;
        while (app_.run.jmz < ticks)
            if (const ProgressTick tick = progressTick(app_.run); tick.advice)
                err_ << *tick.advice << '\n' << std::flush;
    }

    Application& app_;
    std::ostream& err_;
    bool drawing_ = false;
    unsigned calls_ = 0;
    std::chrono::steady_clock::time_point started_;
};

std::uint64_t freshSeed()
{
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32 | device()) % 1000000000000ull;
}

void printItems(const Application& app, std::ostream& out)
{
    for (const std::string& item : splitList(trimmedList(app.run.out)))
        out << item << '\n';
}

int generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    StreamNotifier notifier(err);
    Application app(notifier);
    const GenerateOptions options = parseGenerateOptions(args);
    if (options.help) {
        out << generateHelpText();
        return exitOk;
    }
    applyGenerateOptions(options, app.settings, notifier);
    const std::uint64_t seed = options.seed.value_or(freshSeed());
    app.random.seed(seed);
    err << "随机种子：" << seed << "（--seed " << seed << " 可重出这套题）\n";

    CommandLineEnvironment env(app, err);
    interruptRequested = 0;
    const auto previous = std::signal(SIGINT, onInterrupt);
    const RunOutcome outcome = generateExercises(app, env);
    std::signal(SIGINT, previous);

    switch (outcome) {
    case RunOutcome::Refused: return exitUsage;
    case RunOutcome::Stopped: return interruptRequested ? exitInterrupted : exitFailed;
    case RunOutcome::Failed: return exitFailed;
    case RunOutcome::Completed: break;
    }
    if (options.print)
        printItems(app, out);
    return exitOk;
}

std::string mainHelpText()
{
    return R"(Quillmere — 小学数学练习题生成器 / arithmetic worksheets for primary school

用法:
  quillmere                      打开主窗口
  quillmere generate [选项]      按设置出一套练习 (quillmere generate --help 列出选项)
  quillmere --version            显示版本
  quillmere --help               显示本帮助
)";
}

} // namespace

bool wantsCommandLine(const std::vector<std::string>& args)
{
    if (args.empty())
        return false;
    const std::string& first = args.front();
    return first == "generate" || first == "history" || first == "help" || first == "--help" ||
           first == "-h" || first == "--version";
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try {
        const std::string command = args.empty() ? "--help" : args.front();
        const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
        if (command == "--help" || command == "-h" || command == "help") {
            out << mainHelpText();
            return exitOk;
        }
        if (command == "--version") {
            out << "Quillmere " << versionText << '\n';
            return exitOk;
        }
        if (command == "generate")
            return generate(rest, out, err);
        err << "未知的命令：" << command << "（quillmere --help 列出全部命令）\n";
        return exitUsage;
    } catch (const UsageError& error) {
        err << error.what() << '\n';
        return exitUsage;
    }
}

} // namespace quill
