#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TList.h"
#include "platform/TMap.h"

namespace {

struct Item : TObject {
    explicit Item(std::string n) : name(std::move(n)) {}
    std::string name;
};

struct Other : TObject {};

std::shared_ptr<TList> ListOf(std::vector<std::shared_ptr<Item>>& items, int count) {
    auto list = TList::Create();
    for (int i = 0; i < count; ++i) {
        items.push_back(std::make_shared<Item>(std::string(1, static_cast<char>('A' + i))));
        list->AddLast(items.back());
    }
    return list;
}

std::string Names(const TList& list) {
    std::string out;
    for (const auto& object : list) {
        out += As<Item>(object)->name;
    }
    return out;
}

} // namespace

TEST(TList, PassSurvivesRemovalsDuringIt) {
    struct Case {
        const char* what;
        char removeWhenAt;  // the element the pass stands on when removing
        const char* remove; // elements removed at that moment
        const char* visited;
        const char* left;
    };
    const Case cases[] = {
        {"the current element", 'B', "B", "ABCDE", "ACDE"},
        {"the next element", 'B', "C", "ABDE", "ABDE"},
        {"the current and the next two", 'B', "BCD", "ABE", "AE"},
        {"an element already passed", 'C', "A", "ABCDE", "BCDE"},
        {"everything", 'A', "ABCDE", "A", ""},
        {"the last element from the one before", 'D', "DE", "ABCD", "ABC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::shared_ptr<Item>> items;
        auto list = ListOf(items, 5);
        std::string visited;
        for (const auto& object : *list) {
            auto item = As<Item>(object);
            visited += item->name;
            if (item->name[0] == c.removeWhenAt) {
                for (const char* r = c.remove; *r; ++r) {
                    list->Remove(items[static_cast<size_t>(*r - 'A')]);
                }
            }
        }
        EXPECT_EQ(visited, c.visited);
        EXPECT_EQ(Names(*list), c.left);
        EXPECT_EQ(list->Count(), static_cast<int>(std::string(c.left).size()));
    }
}

TEST(TList, ElementsAppendedDuringAPassAreVisited) {
    std::vector<std::shared_ptr<Item>> items;
    auto list = ListOf(items, 2);
    std::string visited;
    for (const auto& object : *list) {
        visited += As<Item>(object)->name;
        if (visited.size() == 1) {
            list->AddLast(std::make_shared<Item>("Z"));
        }
    }
    EXPECT_EQ(visited, "ABZ");
}

TEST(TList, RemovingTheLastWhileStandingOnItThenAppendingEndsThePass) {
    std::vector<std::shared_ptr<Item>> items;
    auto list = ListOf(items, 2);
    std::string visited;
    for (const auto& object : *list) {
        visited += As<Item>(object)->name;
        if (visited == "AB") {
            list->Remove(items[1]);
            list->AddLast(std::make_shared<Item>("Z"));
        }
    }
    // Appended elements may or may not be visited; the pass must simply end cleanly.
    EXPECT_EQ(visited.substr(0, 2), "AB");
    EXPECT_EQ(Names(*list), "AZ");
}

TEST(TList, RemovingAnAbsentElementOrTwiceDoesNothing) {
    std::vector<std::shared_ptr<Item>> items;
    auto list = ListOf(items, 3);
    list->Remove(std::make_shared<Item>("A"));
    list->Remove(nullptr);
    list->Remove(items[1]);
    list->Remove(items[1]);
    EXPECT_EQ(Names(*list), "AC");
    EXPECT_EQ(list->Count(), 2);
    EXPECT_FALSE(list->Contains(items[1]));
    EXPECT_EQ(list->First(), items[0]);
    EXPECT_EQ(list->Last(), items[2]);
}

TEST(TList, DownCastSkipsElementsOfAnotherType) {
    auto list = TList::Create();
    list->AddLast(std::make_shared<Other>());
    list->AddLast(std::make_shared<Item>("A"));
    int items = 0;
    for (const auto& object : *list) {
        if (As<Item>(object)) {
            ++items;
        }
    }
    EXPECT_EQ(items, 1);
}

TEST(TList, LongListIsReleasedWithoutExhaustingTheStack) {
    auto list = TList::Create();
    for (int i = 0; i < 500000; ++i) {
        list->AddLast(std::make_shared<Other>());
    }
    EXPECT_EQ(list->Count(), 500000);
    list.reset(); // a recursive release would overflow the stack here
    SUCCEED();
}

TEST(TMap, ReplacesUnderAnExistingKeyAndIteratesInKeyOrder) {
    TMap map;
    auto first = std::make_shared<Item>("first");
    auto second = std::make_shared<Item>("second");
    auto third = std::make_shared<Item>("third");
    map.Insert("PLAYER", first);
    map.Insert("ALIEN1", second);
    map.Insert("PLAYER", third);
    EXPECT_EQ(map.Count(), 2);
    EXPECT_EQ(map.ValueForKey("PLAYER"), third);
    EXPECT_EQ(map.ValueForKey("player"), nullptr);
    std::vector<std::string> order;
    for (const auto& value : map) {
        order.push_back(As<Item>(value)->name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"second", "third"}));
}

TEST(TList, AnObjectAddedTwiceIsRemovedOneNodeAtATime) {
    auto list = TList::Create();
    auto a = std::make_shared<Item>("A");
    auto b = std::make_shared<Item>("B");
    list->AddLast(a);
    list->AddLast(b);
    list->AddLast(a);
    list->Remove(a);
    EXPECT_EQ(Names(*list), "BA");
    EXPECT_TRUE(list->Contains(a));
    list->Remove(a);
    EXPECT_EQ(Names(*list), "B");
    EXPECT_FALSE(list->Contains(a));
    list->AddLast(a);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_FALSE(list->Contains(b));
}
