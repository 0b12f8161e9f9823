// The plot command: the graph of a saved run, drawn by the window's own graph control into an
// image on Qt's offscreen platform, and written as a PNG. Built as the plot module
// (cli/PlotModule.h), the one part of ampora-cli that needs Qt Gui and Widgets.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PlotModule.h"

#include "graph/CGraphControl.h"
#include "monitor/BatteryDataFile.h"
#include "resources/TranslationModule.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QStandardPaths>

namespace ampora {
namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 480;
constexpr int kMaxSide = 10000; // a picture of 10000 x 10000 is 400 MB already
constexpr uint32_t kDefaultTimeRange = 900; // the window's first run length

// A picture side from 1 to kMaxSide, or nothing.
std::optional<int> Side(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 1 && value <= kMaxSide ? std::optional<int>(value) : std::nullopt;
}

// The axis spans the run length the file was saved with; a file without one spans its own
// samples, or the window's first run length.
uint32_t TimeRange(const BatteryData& data)
{
    if (data.runSeconds > 0)
        return uint32_t(data.runSeconds);
    if (data.tickCount > 0)
        return uint32_t(data.tickCount);
    return kDefaultTimeRange;
}

} // namespace

int RunPlot(const QStringList& arguments)
{
    QCommandLineParser parser;
    BeginCommandLine(parser, QStringLiteral("plot"),
                     QStringLiteral("The graph of a saved run (a battery-data file) as the window draws it, "
                                    "written as a PNG image; no display is needed.\n"
                                    "Exit status: 0 done, 1 when the image cannot be written, 2 on a usage "
                                    "error or a file that cannot be read."));
    AddDataFileArgument(parser);
    const QCommandLineOption compare(QStringLiteral("compare"),
                                     QStringLiteral("A second run, drawn over the first as the window compares."),
                                     QStringLiteral("OTHER.apd"));
    const QCommandLineOption width(QStringLiteral("width"),
                                   QStringLiteral("The picture's width in pixels (default %1).").arg(kDefaultWidth),
                                   QStringLiteral("W"), QString::number(kDefaultWidth));
    const QCommandLineOption height(QStringLiteral("height"),
                                    QStringLiteral("The picture's height in pixels (default %1).").arg(kDefaultHeight),
                                    QStringLiteral("H"), QString::number(kDefaultHeight));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The PNG file to write."), QStringLiteral("OUT.png"));
    parser.addOptions({compare, width, height, output});
    if (const std::optional<int> done = ParseCommandLine(parser, arguments))
        return *done;
    const QStringList files = CommandArguments(parser);
    if (files.size() != 1)
        return Fail(QStringLiteral("plot takes one battery-data file"), kExitUsage);
    if (!parser.isSet(output))
        return Fail(QStringLiteral("plot needs -o OUT.png"), kExitUsage);
    const std::optional<int> w = Side(parser.value(width));
    const std::optional<int> h = Side(parser.value(height));
    if (!w || !h)
        return Fail(QStringLiteral("--width and --height take a number of pixels from 1 to %1").arg(kMaxSide),
                    kExitUsage);

    BatteryData data;
    BatteryData other;
    if (!ReadDataFile(files.first(), &data))
        return kExitUsage;
    if (parser.isSet(compare) && !ReadDataFile(parser.value(compare), &other))
        return kExitUsage;

    CGraphControl graph;
    graph.SetTimeRange(TimeRange(data));
    graph.SetElapsed(data.tickCount > 0 ? uint32_t(data.tickCount) : 0);
    graph.SetSeries(&data.samples);
    if (parser.isSet(compare))
        graph.SetCompareSeries(&other.samples);
    const QImage image = graph.Render(*w, *h);

    const QString path = parser.value(output);
    QImageWriter writer(path, "png");
    if (!writer.write(image))
        return Fail(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), writer.errorString()), 1);
    return kExitOk;
}

} // namespace ampora

// The module's main(): ampora-cli has found the module and holds no application object.
extern "C" Q_DECL_EXPORT int ampora_plot_main(int argc, char** argv)
{
    // The graph is drawn into an image: no display is needed, nor used if there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Where the offscreen platform reads the fonts of one folder (Windows) rather than
    // fontconfig's list, that folder is the system's.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        const QString fonts = QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
        if (!fonts.isEmpty() && QFileInfo(fonts).isDir())
            qputenv("QT_QPA_FONTDIR", QFile::encodeName(fonts));
    }
    QApplication app(argc, argv);
    ampora::NameApplication();
    ampora::LoadTranslationModule();
    const int status = ampora::RunPlot(QCoreApplication::arguments());
    ampora::UnloadTranslationModule();
    return status;
}
