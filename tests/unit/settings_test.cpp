#include <gtest/gtest.h>

#include "settings/mouse_settings.h"

TEST(Placeholder, Builds) { SUCCEED(); }
