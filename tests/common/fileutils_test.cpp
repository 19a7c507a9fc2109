#include <gtest/gtest.h>
TEST(fileutils, Placeholder) {}
