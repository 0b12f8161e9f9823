#include "graph/CGraphControl.h"

#include <QPainter>

namespace ampora {

CGraphControl::CGraphControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CGraphControl::SetElapsed(uint32_t seconds)
{
    m_elapsed = seconds;
    if (seconds % 10 == 0)
        m_sampleCount = seconds / 10;
}

void CGraphControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(35, 238, 254));
}

} // namespace ampora
