// `ampora-cli export` and `plot` on battery-data files made by hand and on the damaged files
// the reader refuses; `plot` against the window's graph control for the same series.
#include "CliProcess.h"
#include "DataFileBytes.h"

#include "graph/CGraphControl.h"
#include "monitor/BatteryDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ampora {
namespace {

using test::CliResult;
using test::RunCli;

class CliFileTest : public ::testing::Test {
protected:
    QString Write(const std::string& bytes, const char* name) const
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
        return path;
    }
    QString PathOf(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

// One battery, a 900 s run of which 30 s were taken: four samples, the third with an unknown
// voltage and remaining capacity, the last charging again.
std::string FourSamples()
{
    Bytes b;
    b.Raw(OneBattery()).I32(900).I32(4).I32(30);
    const int32_t samples[4][9] = {
        {0, 52000, 50000, 0, 50000, 11400, 3600, -1, 100},
        {10, 52000, 50000, 0, 49990, 11390, 3590, -1, 99},
        {20, 52000, 50000, 0, -1, -1, -1, -1, 255},
        {30, 52000, 50000, 0, 50010, 11420, 3610, 7200, 100},
    };
    for (const auto& s : samples)
        for (int32_t v : s)
            b.I32(v);
    return b.Str();
}

TEST_F(CliFileTest, CsvHasOneHeaderRowThenARowPerSampleWithThePowerDrawn)
{
    const CliResult r = RunCli({"export", "--csv", Write(FourSamples(), "run.apd")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    // 10 mWh in 10 s is 3.6 W drawn; no power next to an unknown capacity.
    EXPECT_EQ(r.out.toStdString(),
              "elapsed_seconds,design_capacity_mwh,full_charge_capacity_mwh,remaining_capacity_mwh,voltage_mv,"
              "life_time_seconds,full_life_time_seconds,life_percent,power_drawn_w\r\n"
              "0,52000,50000,50000,11400,3600,,100,\r\n"
              "10,52000,50000,49990,11390,3590,,99,3.600\r\n"
              "20,52000,50000,,,,,,\r\n"
              "30,52000,50000,50010,11420,3610,7200,100,\r\n");
}

TEST_F(CliFileTest, JsonHoldsTheBatteryImagesAndTheSamplesUnderInfosNames)
{
    const CliResult r = RunCli({"export", "--json", Write(FourSamples(), "run.apd")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    const QJsonObject battery = root["batteries"].toArray()[0].toObject();
    EXPECT_EQ(battery["device_name"], "BAT0");
    EXPECT_EQ(battery["design_capacity_mwh"], 1001);
    EXPECT_EQ(battery["cycle_count"], 1006);
    EXPECT_EQ(battery["time_remaining_seconds"], QJsonValue()) << "the file does not hold it";
    const QJsonArray samples = root["samples"].toArray();
    ASSERT_EQ(samples.size(), 4);
    EXPECT_EQ(samples[1].toObject()["power_drawn_w"], 3.6);
    EXPECT_EQ(samples[2].toObject()["voltage_mv"], QJsonValue());
    EXPECT_EQ(root["run_length_seconds"], 900);
}

// Every damaged file of the reader's tests: the window's message, status 2, nothing written.
TEST_F(CliFileTest, DamagedFilesGetTheWindowsMessageAndStatusTwo)
{
    for (const DamagedCase& damaged : DamagedFiles()) {
        const QString path = Write(damaged.bytes, "damaged.apd");
        BatteryData ignored;
        const QString message = ReadBatteryDataFile(path, &ignored).error;
        const QString png = PathOf("damaged.png");
        for (const QStringList& arguments : {QStringList{"export", path}, QStringList{"plot", path, "-o", png}}) {
            const CliResult r = RunCli(arguments);
            const std::string what = std::string(damaged.name) + ": " + arguments.first().toStdString();
            EXPECT_EQ(r.status, 2) << what;
            EXPECT_TRUE(QString::fromUtf8(r.err).contains(message)) << what << "\n" << r.err.constData();
            EXPECT_TRUE(r.out.isEmpty()) << what;
            EXPECT_FALSE(QFileInfo::exists(png)) << what;
        }
    }
}

TEST_F(CliFileTest, PlotIsTheWindowsGraphOfTheSameSeries)
{
    const QString run = Write(FourSamples(), "run.apd");
    const QString other = Write(OneBattery() + Bytes().I32(600).I32(1).I32(10).I32(5).I32(0).I32(0).I32(0)
                                                    .I32(0).I32(0).I32(0).I32(0).I32(40).Str(),
                                "other.apd");
    const QString png = PathOf("run.png");
    const CliResult r = RunCli({"plot", run, "--compare", other, "--width", "420", "--height", "260", "-o", png});
    ASSERT_EQ(r.status, 0) << r.err.constData();

    BatteryData data, compared;
    ASSERT_TRUE(ReadBatteryDataFile(run, &data).Ok());
    ASSERT_TRUE(ReadBatteryDataFile(other, &compared).Ok());
    // The window's graph, on screen: what its window shows where the graph draws.
    QWidget window;
    CGraphControl graph(&window);
    window.resize(440, 300);
    graph.setGeometry(0, 0, 420, 260 + kGraphBottomBand);
    graph.SetTimeRange(900);
    graph.SetElapsed(30);
    graph.SetSeries(&data.samples);
    graph.SetCompareSeries(&compared.samples);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const QImage screen = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), screen.copy(0, 0, 420, 260));
}

// A copy of the program in a folder of its own, with no module beside it or a damaged one:
// plot says it cannot draw and ends with status 2, writing nothing; the other commands run.
TEST_F(CliFileTest, PlotWithoutItsModuleSaysSoAndEndsWithStatusTwo)
{
    const QString run = Write(FourSamples(), "run.apd");
    const QString png = PathOf("run.png");
    const struct {
        const char* name;
        const char* module; // the module's bytes, or null: none
        const char* says;
    } rows[] = {
        {"missing", nullptr, "cannot draw: the plot module is missing"},
        {"damaged", "not a library", "cannot be loaded"},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        const QString program = dir.filePath(QLatin1String(test::kCliFileName));
        ASSERT_TRUE(QFile::copy(test::CliProgram(), program)) << row.name;
        if (row.module) {
            QFile module(dir.filePath(QLatin1String(test::kPlotModuleFileName)));
            ASSERT_TRUE(module.open(QIODevice::WriteOnly));
            module.write(row.module);
        }
        const CliResult r = RunCli({"plot", run, "-o", png}, QString(), program);
        EXPECT_EQ(r.status, 2) << row.name;
        EXPECT_TRUE(r.err.contains(row.says)) << row.name << "\n" << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty()) << row.name;
        EXPECT_FALSE(QFileInfo::exists(png)) << row.name;
        EXPECT_EQ(RunCli({"export", "--csv", run}, QString(), program).status, 0) << row.name;
    }
}

struct UsageCase {
    const char* name;
    QStringList arguments;
    int status;
    const char* says; // on standard output (status 0) or standard error
};

void PrintTo(const UsageCase& row, std::ostream* out)
{
    *out << row.name;
}

class UsageTest : public CliFileTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(UsageTest, EndsWithItsStatusAndSaysWhy)
{
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("RUN"), Write(FourSamples(), "run.apd"));
    const CliResult r = RunCli(arguments);
    EXPECT_EQ(r.status, GetParam().status) << r.err.constData();
    EXPECT_TRUE((GetParam().status == 0 ? r.out : r.err).contains(GetParam().says))
        << r.out.constData() << r.err.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageTest,
    ::testing::Values(UsageCase{"Version", {"--version"}, 0, "ampora-cli 1."},
                      UsageCase{"ProgramHelp", {"--help"}, 0, "plot"},
                      UsageCase{"CommandHelp", {"export", "--help"}, 0, "--json"},
                      UsageCase{"NoCommand", {}, 2, "Usage:"},
                      UsageCase{"UnknownCommand", {"frobnicate"}, 2, "unknown command"},
                      UsageCase{"UnknownOption", {"info", "--frobnicate"}, 2, "frobnicate"},
                      UsageCase{"InfoWithAFile", {"info", "RUN"}, 2, "takes no file"},
                      UsageCase{"ExportWithoutFile", {"export"}, 2, "one battery-data file"},
                      UsageCase{"ExportTwoFormats", {"export", "--csv", "--json", "RUN"}, 2, "exclude"},
                      UsageCase{"PlotWithoutOutput", {"plot", "RUN"}, 2, "-o"},
                      UsageCase{"PlotZeroWidth", {"plot", "RUN", "--width", "0", "-o", "x.png"}, 2, "--width"},
                      UsageCase{"MissingFile", {"export", "no-such.apd"}, 2, "no-such.apd"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ampora
