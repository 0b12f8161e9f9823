// A series' revision changes with every change of its samples and is never shared by two
// series, so a picture drawn for one revision is never taken for another.
#include "monitor/Sample.h"

#include <gtest/gtest.h>

#include <utility>

namespace ampora {
namespace {

Sample At(int tick) { Sample s; s.tick = tick; return s; }

TEST(SampleSeries, RevisionChangesWithEveryChangeAndIsNeverShared)
{
    SampleSeries a;
    a.Append(At(0));
    const SeriesRevision first = a.Revision();
    SampleSeries copy = a;
    EXPECT_EQ(copy, a); // the same samples ...
    EXPECT_NE(copy.Revision(), a.Revision()); // ... but another series
    EXPECT_EQ(a.Revision(), first);

    a.Append(At(10));
    const SeriesRevision appended = a.Revision();
    EXPECT_NE(appended, first);
    a.Clear();
    a.Append(At(0));
    a.Append(At(10)); // the same size and samples as before Clear, yet not the same revision
    EXPECT_NE(a.Revision(), appended);

    SampleSeries b;
    b.Append(At(0));
    b.Append(At(10));
    const SeriesRevision before = a.Revision();
    a.Swap(b); // equal samples swapped in, as View data does with a file's samples
    EXPECT_NE(a.Revision(), before);
    EXPECT_NE(a.Revision(), b.Revision());
    b = std::move(a);
    EXPECT_NE(a.Revision(), b.Revision());
    EXPECT_EQ(b.Size(), 2u);
}

} // namespace
} // namespace ampora
