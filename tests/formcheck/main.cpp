// form_checker: prints the forms of a range of seeds with the print/preview
// control and checks each print; for every failing seed, its faults and the
// form. Exit status 1 when any seed failed.
//
//   form_checker --seeds 0..500 [--dpi 600] [--zoom 50] [--no-preview] [--keep]
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "FormCheck.h"
#include "support/TestFonts.h"

namespace {

struct Options
{
    quint32 from = 0, to = 99;
    QList<FormCheck::Job> jobs = FormCheck::allJobs();
    bool preview = true;
    bool keep = false; // keep the printed files in ./printed
};

bool parse(const QStringList& args, Options& options)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const QString value = i + 1 < args.size() ? args[i + 1] : QString();
        if (arg == QLatin1String("--seeds")) {
            const QStringList ends = value.split(QStringLiteral(".."));
            options.from = ends.first().toUInt();
            options.to = ends.last().toUInt();
            ++i;
        } else if (arg == QLatin1String("--dpi") || arg == QLatin1String("--zoom")) {
            const bool dpi = arg == QLatin1String("--dpi");
            QList<FormCheck::Job> kept;
            for (const FormCheck::Job& job : options.jobs)
                if ((dpi ? job.dpi : job.zoom) == value.toDouble())
                    kept << job;
            options.jobs = kept;
            ++i;
        } else if (arg == QLatin1String("--no-preview")) {
            options.preview = false;
        } else if (arg == QLatin1String("--keep")) {
            options.keep = true;
        } else {
            return false;
        }
    }
    return options.from <= options.to;
}

// The offscreen platform's notes on the progress window are not faults.
void quietNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QLatin1String("raise()")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The suite's fonts, so that a seed prints as it does there.
    TestFonts::install();
    QApplication app(argc, argv);
    qInstallMessageHandler(quietNotes);
    Options options;
    if (!parse(app.arguments(), options)) {
        std::fprintf(stderr, "usage: form_checker --seeds FROM..TO [--dpi 96|300|600] "
                             "[--zoom 100|50] [--no-preview] [--keep]\n");
        return 2;
    }
    QTemporaryDir scratch;
    const QString home = QDir::currentPath();
    if (!options.keep)
        QDir::setCurrent(scratch.path());
    int failed = 0;
    for (quint32 seed = options.from; seed <= options.to; ++seed) {
        const FormCheck::Form form = FormCheck::generate(seed);
        const QStringList faults = FormCheck::checkAll(form, options.jobs, options.preview);
        if (!faults.isEmpty()) {
            ++failed;
            std::printf("seed %u: %d faults\n  %s\n%s\n", seed, int(faults.size()),
                        qPrintable(faults.join(QStringLiteral("\n  "))), qPrintable(form.dump()));
        }
        std::fflush(stdout);
        if (!options.keep)
            QDir(QStringLiteral("printed")).removeRecursively();
        if (seed == options.to)
            break;
    }
    QDir::setCurrent(home);
    std::printf("%u seeds, %d failing\n", options.to - options.from + 1, failed);
    return failed == 0 ? 0 : 1;
}
