#include "shared/parts/key_collection.h"

#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>

namespace shared {
namespace {

int ErrorNumberOf(const auto& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(KeyCollection, LooksUpWithoutRegardToCaseAndKeepsTheLibrarySpelling) {
    KeyCollection collection;
    collection.Add("PW15DZ4N7", 0);
    collection.Add("KTA155R71H104KA88", 32767);
    EXPECT_EQ(collection.Count(), 2u);
    EXPECT_TRUE(CollectionHasKey(collection, "pw15dz4n7"));
    EXPECT_FALSE(CollectionHasKey(collection, "PW15DZ4N"));
    EXPECT_EQ(collection.Find("Kta155r71h104kA88"), 32767);
    EXPECT_EQ(collection.Item("kta155r71h104ka88"), 32767);
    EXPECT_EQ(collection.Spelling("pw15dz4n7"), "PW15DZ4N7");
    EXPECT_EQ(collection.Find("missing"), std::nullopt);
    EXPECT_EQ(collection.Spelling("missing"), std::nullopt);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item("missing"); }), 5);
    collection.Clear();
    EXPECT_FALSE(collection.Contains("PW15DZ4N7"));
}

TEST(KeyCollection, RefusesDuplicatesInAnyCaseAndEmptyKeys) {
    KeyCollection collection;
    collection.Add("PW15DZ4N7", 1);
    try {
        collection.Add("pw15Dz4n7", 2);
        FAIL() << "duplicate added";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 457);
        EXPECT_EQ(e.Description(), "This key is already associated with an element of this collection");
    }
    EXPECT_EQ(collection.Find("PW15DZ4N7"), 1);
    EXPECT_EQ(collection.Spelling("PW15DZ4N7"), "PW15DZ4N7");
    EXPECT_EQ(ErrorNumberOf([&] { collection.Add("", 3); }), 5);
    EXPECT_EQ(collection.Count(), 1u);
}

}  // namespace
}  // namespace shared
