#include "monitor/Sample.h"

#include <atomic>

namespace ampora {

uint64_t SampleSeries::NewIdentity()
{
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

} // namespace ampora
