#pragma once

#include <cstdint>

#include "datetext/input_controls.h"
#include "support/identity.h"
#include "support/listing_window.h"

// A main window for the listing windows' tests: plain values the test sets, and a count of
// the conversions a run asked for. No main widget, so the windows keep their own place.
namespace clvt {

class FakeListingHost : public ListingHost {
 public:
  bool InputDateInUse() const override { return inputInUse; }
  bool InputDayInUse() const override { return inputInUse; }
  int32_t InputJdn() override {
    ++jdnReads;
    return jdn;
  }
  int32_t InputYear() override { return year; }
  DeeVariant Dee() const override { return dee; }
  uint32_t BackColour() const override { return kDefaultBackColor; }
  QWidget* MainWidget() override { return nullptr; }
  QWidget* OutputFrame() const override { return nullptr; }

  bool inputInUse = true;
  int32_t jdn = 0;
  int32_t year = 0;
  DeeVariant dee = kDeeCecilVariant;
  int jdnReads = 0;
};

}  // namespace clvt
