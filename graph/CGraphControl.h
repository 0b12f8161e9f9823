#pragma once
// The graph window: battery life percentage of the current run against the seconds since
// Start, an optional compared run, and a status block. Owns no data.
#include "monitor/Sample.h"

#include <QWidget>

#include <cstdint>

namespace ampora {

class CGraphControl : public QWidget {
    Q_OBJECT
public:
    explicit CGraphControl(QWidget* parent = nullptr);

    void SetTimeRange(uint32_t seconds) { m_timeRange = seconds; }
    void SetValueMax(uint32_t max) { m_valueMax = max; }
    void SetRunState(bool flag) { m_runState = flag; }
    void SetElapsed(uint32_t seconds);
    void SetSeries(const SampleSeries* series) { m_series = series; }
    void SetCompareSeries(const SampleSeries* series) { m_compareSeries = series; }
    void ShiftCompare(int32_t delta) { m_compareShift += delta; }
    void ResetCompareShift() { m_compareShift = 0; }

    uint32_t TimeRange() const { return m_timeRange; }
    uint32_t ValueMax() const { return m_valueMax; }
    bool RunState() const { return m_runState; }
    int64_t Elapsed() const { return m_elapsed; }
    uint32_t SampleCount() const { return m_sampleCount; }
    int32_t CompareShift() const { return m_compareShift; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_ntPlatform = true;
    uint32_t m_valueMax = 100;
    uint32_t m_timeRange = 900;
    uint32_t m_sampleCount = 0;
    bool m_runState = false;
    int32_t m_compareShift = 0;
    int64_t m_elapsed = 0;
    const SampleSeries* m_series = nullptr;
    const SampleSeries* m_compareSeries = nullptr;
};

} // namespace ampora
