#include "script/variables.h"

#include <gtest/gtest.h>

using zerin::VariableRef;
using zerin::Variables;

// A reference that found no indexed variable must not go on saying so once the name is
// indexed, and must see a value stored later under an indexed name.
TEST(VariableRef, ANameNotFoundIsFoundOnceIndexedOrStored) {
    Variables v;
    v.indexAppend("a");
    VariableRef ref;
    EXPECT_EQ(v.findIndexed("n", ref), nullptr);
    EXPECT_FALSE(v.indexedNumber("n", ref).has_value());
    std::string value = "5";
    EXPECT_FALSE(v.assignNumberIfIndexed("n", value, 5, ref));

    v.indexAppend("n");  // now a variable of the run, never stored: it reads as 0
    EXPECT_EQ(v.indexedNumber("n", ref), 0.0);
    EXPECT_TRUE(v.assignNumberIfIndexed("n", value, 5, ref));
    ASSERT_NE(v.findIndexed("n", ref), nullptr);
    EXPECT_EQ(*v.findIndexed("n", ref), "5");

    // Indexed first, stored later by another way: the reference sees the value.
    VariableRef late;
    v.indexAppend("m");
    EXPECT_EQ(v.findIndexed("m", late), nullptr);
    v.assign("m", "7");
    ASSERT_NE(v.findIndexed("m", late), nullptr);
    EXPECT_EQ(*v.findIndexed("m", late), "7");

    // Taken out of the index, the name is no run variable any more.
    v.indexRemove("n");
    EXPECT_EQ(v.findIndexed("n", ref), nullptr);
    EXPECT_FALSE(v.indexedNumber("n", ref).has_value());
}
