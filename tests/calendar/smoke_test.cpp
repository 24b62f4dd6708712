#include <gtest/gtest.h>

#include "calendar/calendar.h"

TEST(Calendar, Smoke) {
  DateRec rec{2015, 11, 22, 'G', 0, 0};
  clvt::DateToJDN(rec);
  EXPECT_EQ(rec.jdn, 2457349);
}
