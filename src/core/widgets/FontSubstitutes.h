#pragma once
// The settings name Windows fonts ("ＭＳ ゴシック", "Courier New"). Where they
// are not installed, Qt is told which metric-compatible fonts stand in, so a
// fixed-pitch gothic stays fixed-pitch instead of falling back to a
// proportional sans.
namespace quillon {

void installFontSubstitutes();

} // namespace quillon
