#include <gtest/gtest.h>
TEST(ziputils, Placeholder) {}
