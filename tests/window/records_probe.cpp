// Opens the records view on a few recorded sets and saves a picture of it, to look at its
// layout under a virtual display (tools/records-screenshot.sh).

#include "records/pupil_records.h"
#include "window/records_view.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace
{

using quill::AnswerRecord;

void recordSet(quill::PupilRecords& records, const std::vector<AnswerRecord>& answers, int seconds)
{
    records.beginSet("小明", "", static_cast<int>(answers.size()));
    int right = 0;
    for (const AnswerRecord& answer : answers) {
        records.recordAnswer(answer);
        right += answer.right;
    }
    records.finishSet(right, seconds);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString shot = args.size() > 1 ? args.at(1) : QStringLiteral("records-view.png");
    QTemporaryDir scratch;
    const std::filesystem::path file =
        std::filesystem::path(scratch.path().toStdString()) / quill::recordsFileName;
    {
        quill::PupilRecords records(file);
        recordSet(records,
                  {{"37＋48", "75", false, 9},
                   {"63－27", "36", true, 6},
                   {"8×7", "54", false, 4},
                   {"72÷9", "8", true, 3}},
                  62);
        recordSet(records,
                  {{"8×7", "56", true, 3}, {"45＋38", "73", false, 8}, {"6×9", "54", true, 2}}, 41);
        if (!records.result()) {
            std::fprintf(stderr, "%s\n", records.result().describe().c_str());
            return 1;
        }
    }
    quill::RecordsView view(file, [](const std::string&, std::optional<std::size_t>) {});
    view.show();
    QTimer::singleShot(1000, [&] {
        const QPixmap picture = view.screen()->grabWindow(view.winId());
        std::printf("%s %s\n", picture.save(shot) ? "saved" : "could not save", qPrintable(shot));
        QApplication::quit();
    });
    return QApplication::exec();
}
