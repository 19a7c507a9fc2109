#include <gtest/gtest.h>
TEST(Entry, Placeholder) {}
