#include "framework/core/NKCollection.h"
#include "framework/core/NKStrings.h"
#include "framework/core/NKVisitor.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Logs its id when deleted: a leak shows as a missing id, a double delete as a repeated one
// (AddressSanitizer stops the latter first where it runs).
class Counted : public __NKBase {
public:
    Counted(int id, std::vector<int>* deleted) : id(id), deleted(deleted) {}
    ~Counted() override { deleted->push_back(id); }
    const char* ClassName() const override { return "Counted"; }
    int id;

private:
    std::vector<int>* deleted;
};

class Probe : public __NKCollection {
public:
    __NKBase** Items() const { return items; }
    int IdAt(int32_t index) const { return static_cast<Counted*>(GetItemAt(index))->id; }
    void Fill(int from, int to, std::vector<int>* deleted) {
        for (int id = from; id < to; ++id) {
            ASSERT_TRUE(Add(new Counted(id, deleted)));
        }
    }
};

TEST(NKCollectionTest, GrowsInWholeStepsOfTen) {
    std::vector<int> deleted;
    Probe c;
    EXPECT_TRUE(c.EnsureCapacity(0));
    EXPECT_EQ(c.Capacity(), 0);
    EXPECT_EQ(c.Items(), nullptr);

    c.Fill(0, 10, &deleted);
    EXPECT_EQ(c.Capacity(), 10);
    c.Fill(10, 11, &deleted);
    EXPECT_EQ(c.Capacity(), 20);
    for (int32_t i = 0; i < 11; ++i) {
        EXPECT_EQ(c.IdAt(i), i);
    }
    EXPECT_TRUE(c.EnsureCapacity(9));
    EXPECT_EQ(c.Capacity(), 20);
    EXPECT_TRUE(c.EnsureCapacity(10));
    EXPECT_EQ(c.Capacity(), 30);

    // Sizes whose byte count would not fit in 32 bits fail instead of wrapping.
    __NKBase** before = c.Items();
    EXPECT_FALSE(c.EnsureCapacity(INT_MAX));
    EXPECT_FALSE(c.EnsureCapacity(0x40000000));
    EXPECT_EQ(c.Capacity(), 30);
    EXPECT_EQ(c.Items(), before);
    EXPECT_EQ(c.Count(), 11);
    EXPECT_TRUE(deleted.empty());
}

TEST(NKCollectionTest, DeletesEachElementExactlyOnce) {
    std::vector<int> deleted;
    {
        Probe c;
        c.Fill(0, 3, &deleted);
        EXPECT_FALSE(c.RemoveAt(-1));
        EXPECT_FALSE(c.RemoveAt(3));
        EXPECT_EQ(c.GetItemAt(3), nullptr);
        EXPECT_TRUE(deleted.empty());

        EXPECT_TRUE(c.RemoveAt(0));
        EXPECT_EQ(deleted, std::vector<int>({0}));
        EXPECT_EQ(c.Count(), 2);
        EXPECT_EQ(c.IdAt(0), 1);
        EXPECT_EQ(c.IdAt(1), 2);

        // A stored null is kept and counted, and skipped when deleting.
        EXPECT_TRUE(c.Add(nullptr));
        EXPECT_EQ(c.IndexOf(nullptr), 2);
        c.Fill(3, 5, &deleted);
        EXPECT_EQ(c.IndexOf(c.GetItemAt(3)), 3);
        Counted lookalike(3, &deleted); // same class and id, other object
        EXPECT_EQ(c.IndexOf(&lookalike), -1);

        __NKBase** array = c.Items();
        c.ClearAll();
        EXPECT_EQ(deleted, std::vector<int>({0, 1, 2, 3, 4}));
        EXPECT_EQ(c.Count(), 0);
        EXPECT_EQ(c.Capacity(), 10);
        c.Fill(5, 7, &deleted);
        EXPECT_EQ(c.Items(), array);

        EXPECT_TRUE(c.RemoveAt(1));
        c.Fill(7, 9, &deleted);
    }
    // The second 3 is the lookalike, a local that goes before the collection does.
    EXPECT_EQ(deleted, std::vector<int>({0, 1, 2, 3, 4, 6, 3, 5, 7, 8}));

    // Deleted through the root's virtual destructor; a leak would show under the sanitizer.
    NKStrings strings;
    strings.Add(new NKString("one"));
    strings.Add(new NKString("two"));
    strings.RemoveAt(0);
    EXPECT_STREQ(static_cast<NKString*>(strings.GetItemAt(0))->NarrowText(), "two");
}

// Answers from a list of verdicts (true once they run out) and records what it was shown;
// it can also shrink the collection it walks.
class Recorder : public __NKVisitor {
public:
    bool Visit(__NKBase* element) override { return Answer(element, -1); }
    bool VisitIndexed(__NKBase* element, int32_t index) override { return Answer(element, index); }
    bool Matches(__NKBase* element) override { return Answer(element, -1); }

    std::vector<bool> verdicts;
    Probe* removeFirstOf = nullptr;
    std::vector<int> seen;
    std::vector<int32_t> indices;

private:
    bool Answer(__NKBase* element, int32_t index) {
        seen.push_back(static_cast<Counted*>(element)->id);
        indices.push_back(index);
        if (removeFirstOf != nullptr) {
            removeFirstOf->RemoveAt(0);
        }
        return seen.size() <= verdicts.size() ? verdicts[seen.size() - 1] : true;
    }
};

TEST(NKCollectionTest, TraversalsStopSkipNullsAndFollowTheCount) {
    std::vector<int> deleted;
    Probe c;
    Recorder onEmpty;
    EXPECT_EQ(c.FindFirst(&onEmpty), nullptr);

    c.Fill(0, 2, &deleted);
    c.Add(nullptr);
    c.Fill(3, 5, &deleted);
    EXPECT_EQ(c.ForEach(nullptr), 0);
    EXPECT_EQ(c.FindFirst(nullptr), nullptr);

    Recorder all, stopAtSecond, indexed, finder, none;
    EXPECT_EQ(c.ForEach(&all), 4);
    EXPECT_EQ(all.seen, std::vector<int>({0, 1, 3, 4}));
    stopAtSecond.verdicts = {true, false};
    EXPECT_EQ(c.ForEach(&stopAtSecond), 1);
    EXPECT_EQ(stopAtSecond.seen, std::vector<int>({0, 1}));
    indexed.verdicts = {true, true, false};
    EXPECT_EQ(c.ForEachIndexed(&indexed), 2);
    EXPECT_EQ(indexed.indices, std::vector<int32_t>({0, 1, 3}));
    finder.verdicts = {false, true, true};
    EXPECT_EQ(c.FindFirst(&finder), c.GetItemAt(1));
    none.verdicts = {false, false, false, false};
    EXPECT_EQ(c.FindFirst(&none), nullptr);
    EXPECT_EQ(none.seen.size(), 4u);

    // Visiting 0 removes it, so index 1 is now the null slot and index 2 holds 3; visiting
    // 3 removes 1, and index 3 is then beyond the count.
    Recorder remover;
    remover.removeFirstOf = &c;
    EXPECT_EQ(c.ForEach(&remover), 2);
    EXPECT_EQ(remover.seen, std::vector<int>({0, 3}));
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(deleted, std::vector<int>({0, 1}));
}

TEST(NKCollectionTest, IdentityGoesByClassName) {
    std::vector<int> deleted;
    __NKBase base1, base2;
    Counted a(1, &deleted), b(2, &deleted);
    __NKCollection collection;
    NKStrings strings;
    EXPECT_TRUE(base1.IsIdentical(&base2));
    EXPECT_TRUE(a.IsIdentical(&b));
    EXPECT_FALSE(a.IsIdentical(&base1));
    EXPECT_FALSE(base1.IsIdentical(nullptr));
    EXPECT_FALSE(collection.IsIdentical(&strings));
    // A subclass that does not name itself reports its base's name.
    EXPECT_TRUE(Probe().IsIdentical(&collection));
}

} // namespace

TEST(NKCollectionTest, InsertAtShiftsLaterElementsAndRefusesBadIndices) {
    std::vector<int> deleted;
    {
        Probe probe;
        probe.Fill(0, 10, &deleted); // full: the insertion must grow the array
        EXPECT_TRUE(probe.InsertAt(0, new Counted(100, &deleted)));
        EXPECT_TRUE(probe.InsertAt(5, new Counted(105, &deleted)));
        EXPECT_TRUE(probe.InsertAt(probe.Count(), new Counted(199, &deleted)));
        EXPECT_EQ(13, probe.Count());
        EXPECT_EQ(20, probe.Capacity());
        std::vector<int> order;
        for (int32_t i = 0; i < probe.Count(); ++i)
            order.push_back(probe.IdAt(i));
        EXPECT_EQ((std::vector<int>{100, 0, 1, 2, 3, 105, 4, 5, 6, 7, 8, 9, 199}), order);
        EXPECT_FALSE(probe.InsertAt(-1, new Counted(-1, &deleted)));
        EXPECT_FALSE(probe.InsertAt(14, new Counted(14, &deleted)));
        EXPECT_EQ((std::vector<int>{-1, 14}), deleted) << "refused elements are not leaked";
        EXPECT_EQ(13, probe.Count());
    }
    EXPECT_EQ(15u, deleted.size());
}
