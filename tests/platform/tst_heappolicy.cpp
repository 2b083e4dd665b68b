#include "heappolicy.h"

#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// Picture buffers go back to the system when freed, whatever was freed
// before them, and pages freed between blocks still in use can be handed
// back after a screen closes.
class TestHeapPolicy : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pictureBuffersAreGivenBackWhenFreed_data();
    void pictureBuffersAreGivenBackWhenFreed();
    void pagesFreedBetweenLiveBlocksGoBack();
};

void TestHeapPolicy::initTestCase()
{
#if !defined(__GLIBC__)
    QSKIP("the C library has no heap controls");
#else
    QVERIFY(HeapPolicy::apply());
#endif
}

void TestHeapPolicy::pictureBuffersAreGivenBackWhenFreed_data()
{
    QTest::addColumn<int>("firstBytes");
    QTest::addColumn<int>("secondBytes");
    // A photo freed, then a smaller picture: the library's own rule raised
    // its threshold to the photo's size and took the picture from the heap.
    QTest::newRow("a photo, then a screen grab") << 640 * 480 * 4 << 320 * 240 * 4;
    QTest::newRow("a photo, then a thumbnail page") << 640 * 480 * 4 << 600 * 400 * 4;
    QTest::newRow("the same size twice") << 384 * 288 * 4 << 384 * 288 * 4;
}

void TestHeapPolicy::pictureBuffersAreGivenBackWhenFreed()
{
#if defined(__GLIBC__)
    QFETCH(int, firstBytes);
    QFETCH(int, secondBytes);
    void *first = std::malloc(size_t(firstBytes));
    QVERIFY(first);
    std::memset(first, 1, size_t(firstBytes));
    std::free(first);

    const struct mallinfo2 before = ::mallinfo2();
    void *second = std::malloc(size_t(secondBytes));
    QVERIFY(second);
    std::memset(second, 2, size_t(secondBytes));
    const struct mallinfo2 during = ::mallinfo2();
    std::free(second);
    const struct mallinfo2 after = ::mallinfo2();
    QCOMPARE(during.hblks, before.hblks + 1); // a mapping of its own
    QVERIFY(during.hblkhd >= before.hblkhd + size_t(secondBytes));
    QCOMPARE(after.hblkhd, before.hblkhd); // unmapped when freed
#endif
}

void TestHeapPolicy::pagesFreedBetweenLiveBlocksGoBack()
{
#if defined(__GLIBC__)
    // Rows of a list: many small blocks, one kept at the end so the freed
    // ones are not at the top of the heap, where free() itself trims.
    std::vector<void *> rows;
    for (int i = 0; i < 4000; ++i) {
        rows.push_back(std::malloc(1000));
        std::memset(rows.back(), 3, 1000);
    }
    void *kept = std::malloc(64);
    for (void *row : rows)
        std::free(row);
    QVERIFY(HeapPolicy::giveBack());
    std::free(kept);
#endif
}

QTEST_GUILESS_MAIN(TestHeapPolicy)
#include "tst_heappolicy.moc"
