#include <gtest/gtest.h>
TEST(processutils, Placeholder) {}
